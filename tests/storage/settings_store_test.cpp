#include "storage/settings_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdint>
#include <cstdlib>
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
using namespace std::string_literals;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t end = std::min(text.find('\n', pos), text.size());
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    return lines;
}

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "vorlane-settings-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        // Its folders do not exist yet: the first save has to make them.
        path_ = (fs::path(dir_) / "config" / "Vorlane" / "Vorlane.ini").string();
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    std::string dir_;
    std::string path_;
};

TEST_F(SettingsStoreTest, MissingFileSectionOrKeyGivesTheDefault) {
    {
        SettingsStore store(path_);
        EXPECT_EQ(store.ReadText("SETTINGS", "LAST FILE", "none"), "none");
        EXPECT_EQ(store.ReadInteger("SETTINGS", "ViewW:", 634), 634);
        EXPECT_TRUE(store.ReadBool("SETTINGS", "DESCSTATE", true));
        EXPECT_FALSE(store.ReadBool("SETTINGS", "DESCSTATE", false));
    }
    EXPECT_FALSE(fs::exists(path_)) << "reading must not create the file";

    Spill(path_, "[OTHER]\nViewW:=10\n[SETTINGS]\nViewH:=20\n");
    SettingsStore store(path_);
    EXPECT_EQ(store.ReadInteger("SETTINGS", "ViewW:", 634), 634) << "key of another section";
    EXPECT_EQ(store.ReadInteger("SETTINGS", "ViewH:", 482), 20);
    EXPECT_EQ(store.ReadInteger("NOWHERE", "ViewH:", 482), 482);
}

TEST_F(SettingsStoreTest, NamesMatchWithoutRegardToCase) {
    SettingsStore first(path_);
    first.WriteInteger("SETTINGS", "SpreadSheetH:", 512);
    ASSERT_TRUE(first.Save().ok);

    SettingsStore second(path_);
    EXPECT_EQ(second.ReadInteger("SETTINGS", "SpreadsheetH:", 475), 512);
    EXPECT_EQ(second.ReadInteger("settings", "SPREADSHEETH:", 475), 512);
    second.WriteInteger("Settings", "spreadsheeth:", 300);
    ASSERT_TRUE(second.Save().ok);

    // Another spelling replaces the value instead of adding a second one.
    int matching = 0;
    for (std::string line : Lines(Slurp(path_))) {
        for (char& c : line) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (line.rfind("spreadsheeth:", 0) == 0) ++matching;
    }
    EXPECT_EQ(matching, 1) << Slurp(path_);
    EXPECT_EQ(SettingsStore(path_).ReadInteger("SETTINGS", "SpreadsheetH:", 475), 300);
}

TEST_F(SettingsStoreTest, TextValuesComeBackByteForByte) {
    std::string everyHighByte;
    for (int b = 128; b < 256; ++b) everyHighByte.push_back(static_cast<char>(b));
    const std::vector<std::string> values = {
        "/home/a b/cellar.dat",       "/home/Ren\xe9/caves: 2024/cellar.dat",
        "C:\\Wine\\Cellar\\new.dat",  "  leading blanks",
        "trailing blanks\t ",         "\"quoted\"",
        "\"",                         "\"\\n\"",
        " \\n and \\\\ stay as typed", "a=b;c#d [x]",
        "[SETTINGS]",                 "<<<END_OF_TEXT",
        "one\ntwo\r\nthree\r",        "nul\0inside"s,
        everyHighByte,                "",
    };
    SettingsStore writer(path_);
    for (std::size_t i = 0; i < values.size(); ++i)
        writer.WriteText("SETTINGS", "TEXT " + std::to_string(i) + ":", values[i]);
    writer.WriteInteger("SETTINGS", "After:", 7);
    ASSERT_TRUE(writer.Save().ok);

    SettingsStore reader(path_);
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(reader.ReadText("SETTINGS", "TEXT " + std::to_string(i) + ":", "-"), values[i]) << i;
    EXPECT_EQ(reader.ReadInteger("SETTINGS", "After:", 0), 7) << "no value may swallow the next key";
}

TEST_F(SettingsStoreTest, FileIsPlainReadableText) {
    SettingsStore store(path_);
    store.WriteText("SETTINGS", "LAST FILE", "/home/a b/cellar.dat");
    store.WriteInteger("SETTINGS", "ViewW:", 634);
    store.WriteInteger("SETTINGS", "SPREADSHEET SIZE:12", -1);
    store.WriteBool("SETTINGS", "DESCSTATE", true);
    store.WriteBool("SETTINGS", "Other", false);
    store.WriteText("SETTINGS", "Padded", " x ");
    ASSERT_TRUE(store.Save().ok);
    const std::vector<std::string> expected = {
        "[SETTINGS]",  "LAST FILE=/home/a b/cellar.dat", "ViewW:=634", "SPREADSHEET SIZE:12=-1",
        "DESCSTATE=1", "Other=0",                        "Padded=\" x \""};
    EXPECT_EQ(Lines(Slurp(path_)), expected);
}

TEST_F(SettingsStoreTest, IntegersAndBooleansParseStrictly) {
    Spill(path_,
          "[SETTINGS]\nSpaced:=   42   \r\nPlus:=+7\nNegative:=-15\nMin:=-2147483648\n"
          "Max:=2147483647\nTooBig:=2147483648\nTrailing:=12abc\nFraction:=1.5\nWords:=abc\n"
          "Empty:=\nDoubleSign:=+-3\nUpper:=TRUE\nMixed:=False\nOne:=1\nZero:=0\nTwo:=2\n");
    SettingsStore store(path_);
    EXPECT_EQ(store.ReadInteger("SETTINGS", "Spaced:", -1), 42);
    EXPECT_EQ(store.ReadInteger("SETTINGS", "Plus:", -1), 7);
    EXPECT_EQ(store.ReadInteger("SETTINGS", "Negative:", -1), -15);
    EXPECT_EQ(store.ReadInteger("SETTINGS", "Min:", -1), INT_MIN);
    EXPECT_EQ(store.ReadInteger("SETTINGS", "Max:", -1), INT_MAX);
    for (const char* key : {"TooBig:", "Trailing:", "Fraction:", "Words:", "Empty:", "DoubleSign:"})
        EXPECT_EQ(store.ReadInteger("SETTINGS", key, 99), 99) << key;

    for (const char* key : {"Upper:", "One:", "Two:"}) EXPECT_TRUE(store.ReadBool("SETTINGS", key, false)) << key;
    for (const char* key : {"Mixed:", "Zero:"}) EXPECT_FALSE(store.ReadBool("SETTINGS", key, true)) << key;
    for (bool fallback : {false, true}) EXPECT_EQ(store.ReadBool("SETTINGS", "Words:", fallback), fallback);
}

TEST_F(SettingsStoreTest, GarbageNeverHidesGoodLinesNorCrashes) {
    Spill(path_,
          "\xef\xbb\xbf; a comment\ngarbage without equals\n=value without key\n[SETTINGS]\n"
          "ViewW:=700\n[broken section header\nViewH:=500\n  \t\nnul\0byte:=3\nLAST FILE=/x.dat\n"s);
    SettingsStore store(path_);
    EXPECT_EQ(store.ReadInteger("SETTINGS", "ViewW:", 634), 700);
    EXPECT_EQ(store.ReadInteger("SETTINGS", "ViewH:", 482), 500);
    EXPECT_EQ(store.ReadText("SETTINGS", "LAST FILE", ""), "/x.dat");
    EXPECT_EQ(store.ReadInteger("SETTINGS", "nulbyte:", 0), 3);

    // Random bytes, half of them from the characters the format gives meaning to.
    const std::string alphabet = "[]=;#\"\\ \t\r\nSETINGViewW:0123456789<>\0\xff"s;
    unsigned state = 12345;
    for (int round = 0; round < 100; ++round) {
        std::string bytes;
        for (unsigned i = 0, length = state % 400; i < length; ++i) {
            state = state * 1103515245u + 12345u;
            bytes.push_back(round % 2 ? alphabet[(state >> 16) % alphabet.size()] : static_cast<char>(state >> 16));
        }
        Spill(path_, bytes);
        SettingsStore garbled(path_);
        garbled.WriteInteger("SETTINGS", "ViewW:", round);
        ASSERT_TRUE(garbled.Save().ok) << "round " << round;
        EXPECT_EQ(SettingsStore(path_).ReadInteger("SETTINGS", "ViewW:", -1), round) << "round " << round;
    }
}

TEST_F(SettingsStoreTest, WritesReachTheFileOnlyOnSaveAndKeepOtherContent) {
    Spill(path_, "[PRINTSETTINGS]\nMargin=5\n\n[SETTINGS]\nUnknown Key=kept\nViewW:=1\n");
    SettingsStore group(path_);
    group.WriteInteger("SETTINGS", "ViewW:", 800);
    group.WriteInteger("SETTINGS", "New:", 2);
    EXPECT_EQ(group.ReadInteger("SETTINGS", "ViewW:", 0), 800);
    EXPECT_EQ(SettingsStore(path_).ReadInteger("SETTINGS", "ViewW:", 0), 1) << "written before Save";
    ASSERT_TRUE(group.Save().ok);

    SettingsStore after(path_);
    EXPECT_EQ(after.ReadInteger("SETTINGS", "ViewW:", 0), 800);
    EXPECT_EQ(after.ReadInteger("SETTINGS", "New:", 0), 2);
    EXPECT_EQ(after.ReadText("SETTINGS", "Unknown Key", ""), "kept");
    EXPECT_EQ(after.ReadInteger("PRINTSETTINGS", "Margin", 0), 5);
}

TEST_F(SettingsStoreTest, FailedSavesReportAndDamageNothing) {
    // A folder that would have to live inside a regular file.
    std::string blocker = (fs::path(dir_) / "plain-file").string();
    Spill(blocker, "not a folder");
    SettingsStore under(blocker + "/Vorlane/Vorlane.ini");
    under.WriteInteger("SETTINGS", "ViewW:", 1);
    FileResult result = under.Save();
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(Slurp(blocker), "not a folder");
    EXPECT_FALSE(SettingsStore("").Save().ok);

    // A store too large to be ours is not read, so it is not replaced either.
    Spill(path_, "[SETTINGS]\nViewW:=700\n");
    const std::uintmax_t hugeSize = std::uintmax_t{17} << 20;
    fs::resize_file(path_, hugeSize);
    SettingsStore huge(path_);
    EXPECT_EQ(huge.ReadInteger("SETTINGS", "ViewW:", 634), 634);
    huge.WriteInteger("SETTINGS", "ViewW:", 1);
    result = huge.Save();
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(fs::file_size(path_), hugeSize);

    // Nor is a folder standing where the file should be.
    fs::remove(path_);
    fs::path inside = fs::path(path_) / "keep.txt";
    Spill(inside.string(), "keep");
    SettingsStore folder(path_);
    folder.WriteInteger("SETTINGS", "ViewW:", 1);
    EXPECT_FALSE(folder.Save().ok);
    EXPECT_EQ(Slurp(inside.string()), "keep");
}

TEST_F(SettingsStoreTest, NamesTheFileCannotHoldAreRefused) {
    Spill(path_, "[SETTINGS]\nViewW:=5\n");
    SettingsStore store(path_);
    store.WriteInteger("SETTINGS", "ViewW:", 6);
    store.WriteInteger("SETTINGS", "A=B", 1);
    FileResult result = store.Save();
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("A=B"), std::string::npos) << result.error;
    EXPECT_EQ(Slurp(path_), "[SETTINGS]\nViewW:=5\n") << "nothing of a refused group is written";
    EXPECT_EQ(SettingsStore(path_).ReadText("SET]TINGS", "ViewW:", "-"), "-");
}

TEST(DefaultSettingsPathTest, FollowsTheConfigFolderConvention) {
    struct Restore {
        const char* name;
        const char* old = std::getenv(name);
        std::string value = old ? old : "";
        ~Restore() { old ? ::setenv(name, value.c_str(), 1) : ::unsetenv(name); }
    } home{"HOME"}, config{"XDG_CONFIG_HOME"};

    ::setenv("HOME", "/home/someone", 1);
    ::setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    EXPECT_EQ(DefaultSettingsPath(), "/tmp/cfg/Vorlane/Vorlane.ini");
    ::setenv("XDG_CONFIG_HOME", "relative/cfg", 1);
    EXPECT_EQ(DefaultSettingsPath(), "/home/someone/.config/Vorlane/Vorlane.ini");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(DefaultSettingsPath(), "/home/someone/.config/Vorlane/Vorlane.ini");
}

}  // namespace
}  // namespace vorlane
