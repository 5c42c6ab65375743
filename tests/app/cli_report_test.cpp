// vorlane-cli report, shopping and import, checked with a real browser and
// the PDF tools.

#include <cstdio>
#include <cstdlib>
#include <memory>

#include <gtest/gtest.h>

#include "cli_runner.h"
#include "reports/html_report.h"
#include "reports/report_format_file.h"
#include "search/saved_search_file.h"
#include "search/search_test_support.h"
#include "storage/database_file.h"
#include "storage/fields.h"
#include "support/test_cellars.h"

namespace vorlane::cli::test {
namespace {

// Standard output of a shell command.
std::string Capture(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    std::string out;
    char buffer[4096];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe.get())) out += buffer;
    return out;
}

int Count(const std::string& text, const std::string& piece) {
    int n = 0;
    for (std::size_t p = text.find(piece); p != std::string::npos; p = text.find(piece, p + 1)) ++n;
    return n;
}

constexpr const char* kHostile = "<script>document.body.setAttribute('data-ran','yes')</script>";

class ReportCommandTest : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        Database db = vorlane::testing::CellarOf({"Barolo", kHostile, "Chablis, \"Grand\" Cru"});
        db.labels[9] = "Quantity";
        db.records[0].Details[8] = "$12.50";
        db.records[0].Details[9] = "03";
        db.records[0].Details[1] = "$20.00";
        db.records[1].Tested = db.records[1].Untested = true;
        db.records[2].Favorite = true;
        db.records[2].Ingredients = "4,100\r\n0,1,Yeast\r\n1,1,1.5\r\n2,1,teaspoon\r\n";
        db.records[0].Ingredients = "4,100\r\n0,1,yeast\r\n1,1,2\r\n2,1,Teaspoon\r\n";
        vorlane::testing::WriteCellar(Path("cellar.dat"), db);
    }
    std::string Hrf() {
        HtmlReport report;
        for (int e : {kRecordNumberIndex, kNameIndex, kStatusIndex}) report.Add(e, "");
        report.header = {"<html><body>"};
        report.footer = {"</body></html>"};
        WriteBytes(Path("f.hrf"), report.EncodeFormat());
        return Path("f.hrf");
    }
    std::string Rpt(int copies = 1) {
        RegularReportSettings s;
        s.title = "Cellar Book";
        s.dateOn = false;
        s.itemNumbersOn = false;
        for (int i = 0; i < copies; ++i) s.items.push_back({kNameIndex, 0, "Name"});
        s.columnCount = "1";
        WriteBytes(Path("f.rpt"), EncodeReportFormat(s));
        return Path("f.rpt");
    }
};

TEST_F(ReportCommandTest, HtmlReportShowsHostileTextAsTextInABrowser) {
    CliResult r = Run({"report", "html", Path("cellar.dat"), Hrf(), Path("out.htm")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "HTML report saved as " + Path("out.htm") + ".\n");

    const std::string dom = Capture("chromium --headless --no-sandbox --disable-gpu --dump-dom file://" + Path("out.htm") + " 2>/dev/null");
    ASSERT_NE(dom, "") << "chromium gave no page";
    EXPECT_EQ(dom.find("data-ran=\"yes\""), std::string::npos) << "the record's script ran";
    EXPECT_EQ(Count(dom, "<tr>"), 4);
    EXPECT_EQ(Count(dom, "<td nowrap"), 12);
    EXPECT_NE(dom.find("&lt;script&gt;document.body"), std::string::npos);
    EXPECT_NE(dom.find(">Untested<"), std::string::npos);
    EXPECT_NE(dom.find("Chablis, \"Grand\" Cru"), std::string::npos);
}

TEST_F(ReportCommandTest, HtmlReportShowsAccentsWhateverTheHeaderDeclares) {
    Database db = vorlane::testing::CellarOf({"Ch\xE2teau Margaux"});
    vorlane::testing::WriteCellar(Path("accents.dat"), db);
    for (const std::string head : {"<html><head><meta charset=\"utf-8\"></head><body>", "<html><body>",
                                   "<html><head><meta charset=\"windows-1252\"></head><body>"}) {
        HtmlReport report;
        report.Add(kNameIndex, "");
        report.header = {head};
        report.footer = {"</body></html>"};
        WriteBytes(Path("accents.hrf"), report.EncodeFormat());
        CliResult r = Run({"report", "html", Path("accents.dat"), Path("accents.hrf"), Path("accents.htm")});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        const std::string dom = Capture("chromium --headless --no-sandbox --disable-gpu --disable-background-networking "
                                        "--dump-dom file://" + Path("accents.htm") + " 2>/dev/null");
        EXPECT_NE(dom.find("Ch\xC3\xA2teau Margaux"), std::string::npos) << head << "\n" << dom;
    }
}

TEST_F(ReportCommandTest, ImportReadsUtf8AndReportsReplacedCharacters) {
    WriteBytes(Path("utf8.csv"), "\xEF\xBB\xBF" "Ch\xC3\xA2teau Margaux\r\nK\xC5\x91 Tokaji\r\n");
    CliResult r = Run({"import", Path("cellar.dat"), Rpt(), Path("utf8.csv"), Path("more.dat")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, Path("utf8.csv") + ": 1 character replaced by the nearest letter on line 2\n");
    Database db = vorlane::testing::ReadCellar(Path("more.dat"));
    ASSERT_EQ(db.records.size(), 5u);
    EXPECT_EQ(db.records[3].Name, "Ch\xE2teau Margaux");
    EXPECT_EQ(db.records[4].Name, "Ko Tokaji");
}

TEST_F(ReportCommandTest, RegularReportPrintsToPdf) {
    CliResult r = Run({"report", "regular", Path("cellar.dat"), Rpt(), Path("out.pdf")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string info = Capture("pdfinfo " + Path("out.pdf"));
    EXPECT_NE(info.find("Title:           Cellar Book"), std::string::npos) << info;
    EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
    const std::string text = Capture("pdftotext -layout " + Path("out.pdf") + " -");
    EXPECT_NE(text.find("Total Value : 37.50"), std::string::npos) << text;
    EXPECT_NE(text.find("Total Paid : 60.00"), std::string::npos) << text;
    EXPECT_NE(text.find("Barolo"), std::string::npos);

    // Each record over many lines: the report runs to the page limit.
    Rpt(23);
    r = Run({"report", "regular", Path("cellar.dat"), Path("f.rpt"), Path("long.pdf")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, Path("long.pdf") + ": 2 pages\n");
    EXPECT_EQ(Capture("pdfinfo " + Path("long.pdf") + " | grep Pages"), "Pages:           2\n");
}

TEST_F(ReportCommandTest, ExportedTableImportsBackAsTheSameTexts) {
    CliResult r = Run({"report", "regular", Path("cellar.dat"), Rpt(), "--csv", Path("t.csv"), "--html", Path("t.htm")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string csv = ReadBytes(Path("t.csv"));
    EXPECT_EQ(csv.substr(0, 40), "\xEF\xBB\xBFName\r\nBarolo\r\n\"<script>document.body.");
    EXPECT_NE(csv.find("\"Chablis, \"\"Grand\"\" Cru\"\r\n"), std::string::npos);
    EXPECT_NE(ReadBytes(Path("t.htm")).find("<td nowrap>&lt;script&gt;"), std::string::npos);

    r = Run({"import", Path("cellar.dat"), Path("f.rpt"), Path("t.csv"), Path("more.dat")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "File Imported: 6 records\n");  // title row, three records, two total lines
    Database db = vorlane::testing::ReadCellar(Path("more.dat"));
    ASSERT_EQ(db.records.size(), 9u);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(db.records[4 + i].Name, db.records[i].Name);
}

TEST_F(ReportCommandTest, ShoppingListAndSearchRestriction) {
    CliResult r = Run({"shopping", Path("cellar.dat")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "yeast\t3.500 Teaspoon\n");

    SearchTerms terms;
    vorlane::testing_support::AddSearchTerm(terms, kSearchName, kTypeIncludes, "Chablis");
    ASSERT_EQ(SaveSearchFile(terms, Path("chablis.srh")), "Search Saved.");
    r = Run({"shopping", Path("cellar.dat"), "--search", Path("chablis.srh")});
    EXPECT_EQ(r.out, "Yeast\t1.500 teaspoon\n");
    r = Run({"report", "html", Path("cellar.dat"), Hrf(), Path("o.htm"), "--search", Path("chablis.srh")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Count(ReadBytes(Path("o.htm")), "<tr>"), 2);
}

TEST_F(ReportCommandTest, FailuresSayWhatWentWrong) {
    WriteBytes(Path("bad.hrf"), "\x01\x06");
    struct Case { std::vector<std::string> args; int exit; std::string err; } cases[] = {
        {{"report", "html", Path("cellar.dat"), Path("bad.hrf"), Path("o.htm")}, 2,
         "vorlane-cli: " + Path("bad.hrf") + ": HTML Report Format file is invalid.  No format loaded.\n"},
        {{"report", "html", Path("cellar.dat"), Hrf(), Path("missing/o.htm")}, 2,
         "vorlane-cli: Cannot create file " + Path("missing/o.htm") + "\n"},
        {{"report", "regular", Path("cellar.dat"), Path("bad.hrf"), Path("o.pdf")}, 2,
         "vorlane-cli: Sorry " + Path("bad.hrf") + " is not a valid report file\n"},
        {{"report", "regular", Path("cellar.dat"), Rpt()}, 1, ""},
        {{"report", "html", Path("cellar.dat"), Hrf(), Path("o.htm"), "--bogus", "x"}, 1, ""},
        {{"shopping"}, 1, ""},
    };
    for (const auto& c : cases) {
        CliResult r = Run(c.args);
        EXPECT_EQ(r.exitCode, c.exit) << c.args[0] << " " << c.args.back();
        if (!c.err.empty()) {
            EXPECT_EQ(r.err, c.err);
        }
        EXPECT_TRUE(IsOneLine(r.err));
    }
    EXPECT_FALSE(std::filesystem::exists(Path("o.htm")));
    EXPECT_FALSE(std::filesystem::exists(Path("o.pdf")));
}

TEST_F(ReportCommandTest, NoOutputIsWrittenOverAnInputOfTheCommand) {
    const std::string db = Path("cellar.dat"), before = ReadBytes(db);
    std::filesystem::create_symlink(db, Path("link.dat"));
    Hrf();
    Rpt();
    WriteBytes(Path("in.csv"), "Chablis\r\n");
    struct Case { std::vector<std::string> args; std::string written, input; } cases[] = {
        {{"report", "html", db, Path("f.hrf"), db}, db, db},
        {{"report", "html", db, Path("f.hrf"), Path("link.dat")}, Path("link.dat"), db},
        {{"report", "html", db, Path("f.hrf"), Path("f.hrf")}, Path("f.hrf"), Path("f.hrf")},
        {{"report", "regular", db, Path("f.rpt"), Path("o.pdf"), "--csv", db}, db, db},
        {{"report", "regular", db, Path("f.rpt"), "--html", Path("f.rpt")}, Path("f.rpt"), Path("f.rpt")},
        {{"import", db, Path("f.rpt"), Path("in.csv"), Path("in.csv")}, Path("in.csv"), Path("in.csv")},
    };
    for (const Case& c : cases) {
        const std::string kept = ReadBytes(c.written);
        CliResult r = Run(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.written;
        EXPECT_EQ(r.err, "vorlane-cli: " + c.written + " is the same file as the input " + c.input +
                             "; nothing was written\n");
        EXPECT_EQ(ReadBytes(c.written), kept) << c.written;
    }
    EXPECT_EQ(ReadBytes(db), before);
    EXPECT_FALSE(std::filesystem::exists(Path("o.pdf")));
    // Writing the database back is the import's own job.
    CliResult r = Run({"import", db, Path("f.rpt"), Path("in.csv"), db});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(vorlane::testing::ReadCellar(db).records.size(), 4u);
}

TEST_F(ReportCommandTest, TheRegularReportsPaperComesFromTheLocaleOrIsChosen) {
    Rpt();
    auto pageSize = [&](std::vector<std::string> extra, const char* locale) {
        std::vector<std::string> args{"report", "regular", Path("cellar.dat"), Path("f.rpt"), Path("p.pdf")};
        args.insert(args.end(), extra.begin(), extra.end());
        ::setenv("LC_ALL", locale, 1);
        CliResult r = Run(args);
        ::unsetenv("LC_ALL");
        EXPECT_EQ(r.exitCode, 0) << r.err;
        const std::string info = Capture("pdfinfo " + Path("p.pdf") + " | grep 'Page size'");
        return info.substr(info.find_first_not_of(' ', info.find(':') + 1));
    };
    EXPECT_EQ(pageSize({}, "de_DE.UTF-8"), "595 x 842 pts (A4)\n");
    EXPECT_EQ(pageSize({}, "en_US.UTF-8"), "612 x 792 pts (letter)\n");
    EXPECT_EQ(pageSize({"--paper", "legal"}, "de_DE.UTF-8"), "612 x 1008 pts\n");
    EXPECT_EQ(pageSize({"--paper", "a4"}, "en_US.UTF-8"), "595 x 842 pts (A4)\n");

    CliResult r = Run({"report", "regular", Path("cellar.dat"), Path("f.rpt"), Path("p.pdf"), "--paper", "a3"});
    EXPECT_EQ(r.exitCode, 1);
    r = Run({"report", "html", Path("cellar.dat"), Path("f.rpt")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "usage: vorlane-cli report html DB HRF OUT [--search SRH]\n");
}

TEST_F(ReportCommandTest, PdfCellsStopAtTheirEdgeSoTheirTextStaysApart) {
    Database db = vorlane::testing::CellarOf({"Chablis Premier Cru Vaillons Vieilles Vignes Grande Reserve Speciale"});
    db.records[0].Details[0] = "Domaine";
    vorlane::testing::WriteCellar(Path("long.dat"), db);
    RegularReportSettings s;
    s.dateOn = s.itemNumbersOn = s.totalsOn = false;
    s.items = {{kNameIndex, 0, "Name"}, {10, 0, "Winery"}};
    s.columnCount = "2";
    WriteBytes(Path("two.rpt"), EncodeReportFormat(s));
    CliResult r = Run({"report", "regular", Path("long.dat"), Path("two.rpt"), Path("two.pdf"), "--paper", "letter"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string text = Capture("pdftotext -layout " + Path("two.pdf") + " -");
    const std::size_t winery = text.find("Domaine");
    ASSERT_NE(winery, std::string::npos) << text;
    EXPECT_EQ(text[winery - 1], ' ') << text;
    EXPECT_EQ(text.find("Speciale"), std::string::npos) << text;
}

}  // namespace
}  // namespace vorlane::cli::test
