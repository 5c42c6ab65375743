// vorlane-cli import-cellar on the phone app's data download, a ZIP archive.

#include <gtest/gtest.h>
#include <zip.h>

#include <utility>
#include <vector>

#include "cli_runner.h"
#include "exchange/zip/zip_member.h"
#include "support/test_cellars.h"

namespace vorlane::cli::test {
namespace {

constexpr const char* kPhoneCellar =
    "Winery,Wine name,Vintage,Region,Country,Regional wine style,Average rating,Wine type,Link to wine,"
    "User cellar count\n"
    "Pieropan,Soave Classico,2021,Soave,Italy,Italian Soave,3.9,White wine,https://example.org/w/1,2\n";
constexpr const char* kPhoneHistory =
    "Winery,Wine name,Vintage,Region,Country,Your rating,Scan date\nA,B,2019,C,D,4,2024\n";

void WriteZip(const std::string& path, const std::vector<std::pair<std::string, std::string>>& members) {
    int code = 0;
    zip_t* z = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    ASSERT_NE(z, nullptr) << code;
    for (const auto& [name, bytes] : members) {
        if (name.ends_with('/')) {
            ASSERT_GE(zip_dir_add(z, name.c_str(), ZIP_FL_ENC_UTF_8), 0) << zip_strerror(z);
            continue;
        }
        zip_source_t* source = zip_source_buffer(z, bytes.data(), bytes.size(), 0);
        ASSERT_GE(zip_file_add(z, name.c_str(), source, ZIP_FL_ENC_UTF_8), 0) << zip_strerror(z);
    }
    ASSERT_EQ(zip_close(z), 0);
}

using ImportCellarZipTest = CliTest;

TEST_F(ImportCellarZipTest, TakesTheCellarOutOfThePhoneAppsDownload) {
    WriteZip(Path("download.zip"), {{"full_wine_list.csv", kPhoneHistory}, {"export/cellar.csv", kPhoneCellar}});
    CliResult r = Run({"import-cellar", Path("download.zip"), Path("new.dat")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, Path("download.zip") + ": phone app cellar\n1 record imported, 0 skipped\n");
    Database db = vorlane::testing::ReadCellar(Path("new.dat"));
    ASSERT_EQ(db.records.size(), 1u);
    EXPECT_EQ(db.records[0].Name, "Pieropan Soave Classico");
}

TEST_F(ImportCellarZipTest, AnArchiveWithoutACellarIsRefused) {
    WriteZip(Path("history.zip"), {{"full_wine_list.csv", kPhoneHistory}});
    WriteZip(Path("other.zip"), {{"readme.txt", "hello"}, {"cellar.csv/", ""}});
    const struct { std::string zip, err; } cases[] = {
        {"history.zip", "This is the phone app's tasting history (full_wine_list.csv), not the wines in the cellar: "
                        "import its cellar.csv instead."},
        {"other.zip", Path("other.zip") + " holds no cellar.csv"},
    };
    for (const auto& c : cases) {
        CliResult r = Run({"import-cellar", Path(c.zip), Path("x.dat")});
        EXPECT_EQ(r.exitCode, 2) << c.zip;
        EXPECT_EQ(r.err, "vorlane-cli: " + c.err + "\n");
    }
    EXPECT_FALSE(std::filesystem::exists(Path("x.dat")));

    // The bound is counted on the bytes that come out, not on the archive's word for them.
    WriteZip(Path("big.zip"), {{"cellar.csv", std::string(100'000, 'x')}});
    std::string error;
    EXPECT_FALSE(ReadZipMember(Path("big.zip"), "cellar.csv", error, 99'999));
    EXPECT_EQ(error, "cellar.csv in " + Path("big.zip") + " is larger than the 99999 bytes an import may read.");
    EXPECT_EQ(ReadZipMember(Path("big.zip"), "cellar.csv", error, 100'000)->size(), 100'000u);
    EXPECT_EQ(error, "");
}

}  // namespace
}  // namespace vorlane::cli::test
