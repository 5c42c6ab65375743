#include "storage/app_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>
#include "support/file_bytes.h"

namespace vorlane {
using vorlane::testing::Slurp;
using vorlane::testing::Spill;

namespace {

namespace fs = std::filesystem;

// The key of every "key=value" line, in file order.
std::vector<std::string> KeysInFile(const std::string& path) {
    std::vector<std::string> keys;
    std::string text = Slurp(path);
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t end = std::min(text.find('\n', pos), text.size());
        std::string line = text.substr(pos, end - pos);
        if (std::size_t eq = line.find('='); eq != std::string::npos) keys.push_back(line.substr(0, eq));
        pos = end + 1;
    }
    return keys;
}

void ExpectSize(const WindowSize& size, int width, int height, int splitter = 0) {
    EXPECT_EQ(size.width, width);
    EXPECT_EQ(size.height, height);
    EXPECT_EQ(size.splitter, splitter);
}

class AppSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "vorlane-app-settings-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        path_ = (fs::path(dir_) / "Vorlane" / "Vorlane.ini").string();
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    std::string dir_;
    std::string path_;
};

TEST_F(AppSettingsTest, EmptyStoreGivesInstallationSettings) {
    StartupSettings startup = ReadStartupSettings(path_);
    EXPECT_EQ(startup.lastFile, "");
    EXPECT_EQ(startup.columns, DefaultSpreadsheetColumns());
    EXPECT_EQ(startup.widths, DefaultColumnWidths());
    EXPECT_EQ(startup.widths[50], 136);
    EXPECT_FALSE(startup.shortDescriptions);

    ExpectSize(ReadWindowSize(path_, WindowKind::Main), 634, 482);
    ExpectSize(ReadWindowSize(path_, WindowKind::Search), 581, 454);
    ExpectSize(ReadWindowSize(path_, WindowKind::Spreadsheet), 640, 475, 174);
    ExpectSize(ReadWindowSize(path_, WindowKind::Album), 518, 437);
    ExpectSize(ReadWindowSize(path_, WindowKind::Graph), 611, 414);
    ExpectSize(ReadWindowSize(path_, WindowKind::Report), 599, 481);
    ExpectSize(ReadWindowSize(path_, WindowKind::ValueTreeEditor), 369, 393);
    EXPECT_FALSE(fs::exists(path_));
}

TEST_F(AppSettingsTest, ExitSettingsComeBackAtStartupInTheirOrder) {
    ColumnList columns;
    columns.fill(kNoField);
    columns[0] = kNameCode;
    columns[1] = DetailCode(9);
    columns[2] = kStatusCode;
    columns[3] = ImageCode(6);
    ColumnWidths widths;
    for (int n = 0; n < kSpreadsheetColumns; ++n) widths[static_cast<std::size_t>(n)] = 40 + 3 * n;
    const std::string lastFile = "/home/a b/Caves: R\xe9serve\xff/cellar 1.dat";

    FileResult result = WriteExitSettings(path_, lastFile, 1024, 700, columns, widths, true);
    ASSERT_TRUE(result.ok) << result.error;

    StartupSettings startup = ReadStartupSettings(path_);
    EXPECT_EQ(startup.lastFile, lastFile);
    EXPECT_EQ(startup.columns, columns);
    EXPECT_EQ(startup.widths, widths);
    EXPECT_TRUE(startup.shortDescriptions);
    ExpectSize(ReadWindowSize(path_, WindowKind::Main), 1024, 700);
    EXPECT_NE(Slurp(path_).find("\nLAST FILE=" + lastFile + "\n"), std::string::npos) << Slurp(path_);

    std::vector<std::string> order = {"LAST FILE", "ViewW:", "ViewH:"};
    for (int n = 0; n <= 50; ++n) order.push_back("SPREADSHEET:" + std::to_string(n));
    for (int n = 0; n <= 50; ++n) order.push_back("SPREADSHEET SIZE:" + std::to_string(n));
    order.push_back("DESCSTATE");
    EXPECT_EQ(KeysInFile(path_), order);

    // A never-saved database leaves nothing to offer next time, and the reset
    // column list (no status column) is not mistaken for the default one.
    ASSERT_TRUE(WriteExitSettings(path_, "", 634, 482, ResetSpreadsheetColumns(), widths, false).ok);
    startup = ReadStartupSettings(path_);
    EXPECT_EQ(startup.lastFile, "");
    EXPECT_EQ(startup.columns, ResetSpreadsheetColumns());
    EXPECT_FALSE(startup.shortDescriptions);
}

TEST_F(AppSettingsTest, WindowSizesAreKeptPerWindow) {
    const WindowKind kinds[] = {WindowKind::Main, WindowKind::Search, WindowKind::Spreadsheet,
                                WindowKind::Album,    WindowKind::Graph,  WindowKind::Report,
                                WindowKind::ValueTreeEditor};
    for (int i = 0; i < 7; ++i) ASSERT_TRUE(WriteWindowSize(path_, kinds[i], {100 + i, 200 + i, 300 + i}).ok);
    for (int i = 0; i < 7; ++i)
        ExpectSize(ReadWindowSize(path_, kinds[i]), 100 + i, 200 + i, kinds[i] == WindowKind::Spreadsheet ? 302 : 0);
    EXPECT_EQ(KeysInFile(path_).size(), 15u) << "two keys per window, three for the spreadsheet";
}

TEST_F(AppSettingsTest, SpreadsheetKeysAreWrittenWithTheirOtherSpelling) {
    ASSERT_TRUE(WriteWindowSize(path_, WindowKind::Spreadsheet, {900, 610, 220}).ok);
    EXPECT_EQ(KeysInFile(path_), (std::vector<std::string>{"SpreadsheetW:", "SpreadSheetH:", "SpreadSheetS:"}));
    ExpectSize(ReadWindowSize(path_, WindowKind::Spreadsheet), 900, 610, 220);

    // A file that has the reading spelling is updated in place.
    Spill(path_, "[SETTINGS]\nSpreadsheetH:=100\nSpreadsheetS:=50\n");
    ASSERT_TRUE(WriteWindowSize(path_, WindowKind::Spreadsheet, {700, 480, 190}).ok);
    ExpectSize(ReadWindowSize(path_, WindowKind::Spreadsheet), 700, 480, 190);
    EXPECT_EQ(KeysInFile(path_).size(), 3u) << Slurp(path_);
}

TEST_F(AppSettingsTest, ResetApplicationWritesWindowSizesOnly) {
    ASSERT_TRUE(WriteResetApplicationSizes(path_, 700, 500, 650, 480, 180).ok);
    const std::vector<std::string> written = {"ViewW:",  "ViewH:",  "SpreadsheetW:", "SpreadSheetH:", "SpreadSheetS:",
                                              "SearchW:", "SearchH:", "AlbumW:",      "AlbumH:",       "GraphW:",
                                              "GraphH:",  "ReportW:", "ReportH:"};
    EXPECT_EQ(KeysInFile(path_), written);

    ColumnList columns = DefaultSpreadsheetColumns();
    columns[5] = kNoField;
    ASSERT_TRUE(WriteExitSettings(path_, "/cellars/mine.dat", 1, 2, columns, DefaultColumnWidths(), true).ok);
    for (WindowKind kind : {WindowKind::Search, WindowKind::Album, WindowKind::Graph, WindowKind::Report,
                            WindowKind::ValueTreeEditor, WindowKind::Spreadsheet})
        ASSERT_TRUE(WriteWindowSize(path_, kind, {11, 22, 33}).ok);

    FileResult result = WriteResetApplicationSizes(path_, 634, 482, 640, 475, 174);
    ASSERT_TRUE(result.ok) << result.error;
    ExpectSize(ReadWindowSize(path_, WindowKind::Main), 634, 482);
    ExpectSize(ReadWindowSize(path_, WindowKind::Spreadsheet), 640, 475, 174);
    ExpectSize(ReadWindowSize(path_, WindowKind::Search), 581, 454);
    ExpectSize(ReadWindowSize(path_, WindowKind::Album), 518, 437);
    ExpectSize(ReadWindowSize(path_, WindowKind::Graph), 611, 414);
    ExpectSize(ReadWindowSize(path_, WindowKind::Report), 599, 481);
    ExpectSize(ReadWindowSize(path_, WindowKind::ValueTreeEditor), 11, 22);
    StartupSettings startup = ReadStartupSettings(path_);
    EXPECT_EQ(startup.lastFile, "/cellars/mine.dat");
    EXPECT_EQ(startup.columns, columns) << "columns reach the store only at exit";
}

TEST_F(AppSettingsTest, DamagedValuesFallBackOneByOne) {
    Spill(path_,
          "[SETTINGS]\nSPREADSHEET:0=230\nSPREADSHEET:1=name\nspreadsheet:2=-1\nSPREADSHEET SIZE:0=77\n"
          "SPREADSHEET SIZE:1=\nSPREADSHEET SIZE:50=9x\nDESCSTATE=maybe\nViewW:=wide\nViewH:=900\n");
    StartupSettings startup = ReadStartupSettings(path_);
    ColumnList columns = DefaultSpreadsheetColumns();
    columns[0] = 230;
    columns[2] = -1;
    EXPECT_EQ(startup.columns, columns);
    ColumnWidths widths = DefaultColumnWidths();
    widths[0] = 77;
    EXPECT_EQ(startup.widths, widths);
    EXPECT_FALSE(startup.shortDescriptions);
    ExpectSize(ReadWindowSize(path_, WindowKind::Main), 634, 900);
}

TEST_F(AppSettingsTest, WriteFailuresAreReported) {
    std::string blocker = (fs::path(dir_) / "blocker").string();
    Spill(blocker, "x");
    const std::string impossible = blocker + "/Vorlane/Vorlane.ini";

    FileResult exit = WriteExitSettings(impossible, "/a.dat", 634, 482, DefaultSpreadsheetColumns(),
                                        DefaultColumnWidths(), false);
    EXPECT_FALSE(exit.ok);
    EXPECT_FALSE(exit.error.empty());
    EXPECT_FALSE(WriteWindowSize(impossible, WindowKind::Album, {1, 2}).ok);
    EXPECT_FALSE(WriteResetApplicationSizes(impossible, 1, 2, 3, 4, 5).ok);
    EXPECT_EQ(ReadStartupSettings(impossible).columns, DefaultSpreadsheetColumns());
}

}  // namespace
}  // namespace vorlane
