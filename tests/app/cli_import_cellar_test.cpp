// vorlane-cli import-cellar and export.

#include <gtest/gtest.h>

#include "cli_runner.h"
#include "storage/database_file.h"
#include "support/test_cellars.h"

namespace vorlane::cli::test {
namespace {

constexpr const char* kWebList =
    "iWine,Wine,Producer,Vintage,Price,Currency,PScore,Size\r\n"
    "7,Ch\xC3\xA2teau Margaux 2015,Ch\xC3\xA2teau Margaux,2015,\"1,250.5\",EUR,92,750ml\r\n"
    "8,Blanc,Domaine,1001,20,USD,,750ml\r\n";

using ImportCellarCommandTest = CliTest;

TEST_F(ImportCellarCommandTest, WritesTheDatabaseAndReportsOnStandardError) {
    WriteBytes(Path("web.csv"), kWebList);
    CliResult r = Run({"import-cellar", Path("web.csv"), Path("new.dat")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, Path("new.dat") + ": 2 records\n");
    EXPECT_EQ(r.err, Path("web.csv") + ": web cellar service\nline 3: vintage 1001 (non-vintage) left empty\n"
                                         "2 records imported, 0 skipped\n");
    Database db = vorlane::testing::ReadCellar(Path("new.dat"));
    ASSERT_EQ(db.records.size(), 2u);
    EXPECT_EQ(db.records[0].Details[1], "\x80" "1,250.50");
    EXPECT_EQ(db.records[0].Description(4), "90-94 - Outstanding : Points");

    // Into a copy of that database: the same rows are already there; a --map moves a column.
    r = Run({"import-cellar", Path("web.csv"), Path("more.dat"), "--into", Path("new.dat"), "--map", "size=Detail 8"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("2 records imported, 0 skipped"), std::string::npos) << r.err;  // bottle size moved away
    r = Run({"import-cellar", Path("web.csv"), Path("same.dat"), "--into", Path("new.dat"), "--dry-run"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("0 records imported, 2 skipped"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(Path("same.dat")));
}

TEST_F(ImportCellarCommandTest, RefusalsAndUsageErrors) {
    WriteBytes(Path("web.csv"), kWebList);
    WriteBytes(Path("page.csv"), "<html><body>Sign in</body></html>");
    vorlane::testing::WriteCellar(Path("db.dat"), vorlane::testing::CellarOf({"Barolo"}));
    const std::string db = ReadBytes(Path("db.dat"));
    const std::string kUsage =
        "; usage: vorlane-cli import-cellar IN OUT [--into DB] [--format auto|web|phone|collection|vorlane|columns] "
        "[--map COLUMN=FIELD]... [--dry-run]\n";
    const struct { std::vector<std::string> args; int exit; std::string err; } cases[] = {
        {{"import-cellar", Path("web.csv"), Path("db.dat"), "--into", Path("db.dat")}, 2,
         "vorlane-cli: " + Path("db.dat") + " is the same file as the input " + Path("db.dat") + "; nothing was written\n"},
        {{"export", Path("db.dat"), Path("db.dat")}, 2,
         "vorlane-cli: " + Path("db.dat") + " is the same file as the input " + Path("db.dat") + "; nothing was written\n"},
        {{"import-cellar", Path("page.csv"), Path("x.dat")}, 2,
         "vorlane-cli: " + Path("page.csv") + " is a web page (HTML), not an export: perhaps a sign-in page was saved instead.\n"},
        {{"import-cellar", Path("web.csv"), Path("x.dat"), "--format", "excel"}, 1,
         "vorlane-cli: --format is auto, web, phone, collection, vorlane or columns" + kUsage},
        {{"import-cellar", Path("web.csv"), Path("x.dat"), "--map", "Nope=Name"}, 1,
         "vorlane-cli: --map: " + Path("web.csv") + " has no column \"Nope\"" + kUsage},
    };
    for (const auto& c : cases) {
        CliResult r = Run(c.args);
        EXPECT_EQ(r.exitCode, c.exit) << c.args[1];
        EXPECT_EQ(r.err, c.err);
    }
    EXPECT_EQ(ReadBytes(Path("db.dat")), db);
    EXPECT_FALSE(std::filesystem::exists(Path("x.dat")));
}

TEST_F(ImportCellarCommandTest, ExportImportsBackIntoANewDatabase) {
    Database db = vorlane::testing::CellarOf({"Ch\xE2teau, \"Grand\"", "Barolo"});
    db.records[0].NoteLists[2] = {"first line", "second"};
    db.records[0].Description(1) = "Margaux : Bordeaux : France";
    db.labels[7] = "Cellar Slot";
    vorlane::testing::WriteCellar(Path("db.dat"), db);
    CliResult r = Run({"export", Path("db.dat"), Path("all.csv")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, Path("all.csv") + ": 2 records exported\n");
    r = Run({"import-cellar", Path("all.csv"), Path("back.dat")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    Database back = vorlane::testing::ReadCellar(Path("back.dat"));
    ASSERT_EQ(back.records.size(), 2u);
    EXPECT_EQ(back.labels, db.labels);
    EXPECT_EQ(back.records[0].Name, db.records[0].Name);
    EXPECT_EQ(back.records[0].NoteLists, db.records[0].NoteLists);
    EXPECT_EQ(back.records[0].Description(1), "Margaux : Bordeaux : France");
}

}  // namespace
}  // namespace vorlane::cli::test
