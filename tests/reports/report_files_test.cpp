// Report format file, exports with hostile texts, and the import that reads them.

#include <gtest/gtest.h>

#include <limits>

#include "reports/delimited_import.h"
#include "reports/report_export.h"
#include "reports/report_format_file.h"

namespace vorlane {
namespace {

using Rows = std::vector<std::vector<std::string>>;

RegularReportSettings Unusual() {
    RegularReportSettings s;
    s.title = "Cellar Book";
    s.dateOn = false;
    s.totalsOn = false;
    s.items = {{22, 0, "Name"}, {11, 7, "Paid"}, {3, 0, "Rating"}};
    s.leftMargin = "0.75";
    s.bottomMargin = "2";
    s.columnCount = "4";
    DoColumns(s, 4, 9000);
    s.sections[2].width = 60;
    s.columnColors[3] = 0xFFC0C0;
    s.indent = true;
    s.landscape = true;
    s.titleFont = {"Georgia", 16, 0x800000, true, false, false, false};
    s.bodyFont = {"Arial", 9, kBlack, false, true, false, false};
    s.titleFontText = "Title";
    return s;
}

TEST(ReportFormatFile, RoundTripsAllEighteenValues) {
    const RegularReportSettings s = Unusual();
    const std::string bytes = EncodeReportFormat(s);
    RegularReportSettings loaded;
    ASSERT_TRUE(DecodeReportFormat(bytes, loaded));
    EXPECT_EQ(loaded.title, s.title);
    EXPECT_EQ(loaded.dateOn, s.dateOn);
    EXPECT_EQ(loaded.totalsOn, s.totalsOn);
    EXPECT_EQ(loaded.items, s.items);
    EXPECT_EQ(loaded.leftMargin, "0.75");
    EXPECT_EQ(loaded.bottomMargin, "2");
    EXPECT_EQ(loaded.sections, s.sections);
    EXPECT_EQ(loaded.barWidth, s.barWidth);
    EXPECT_EQ(loaded.columnColors, s.columnColors);
    EXPECT_EQ(loaded.titleFont, s.titleFont);
    EXPECT_EQ(loaded.bodyFont, s.bodyFont);
    EXPECT_EQ(loaded.titleFontText, "Title");
    EXPECT_TRUE(loaded.indent && loaded.landscape && !loaded.portrait);
    EXPECT_EQ(loaded.columnCount, "4");
    EXPECT_EQ(EncodeReportFormat(loaded), bytes);
    EXPECT_FALSE(ReportMenuEntryEnabled(loaded, 22));
    EXPECT_TRUE(ReportMenuEntryEnabled(loaded, 21));
}

TEST(ReportFormatFile, RefusesBrokenAndOutOfRangeFiles) {
    const std::string bytes = EncodeReportFormat(Unusual());
    for (std::size_t cut : {std::size_t{0}, std::size_t{14}, bytes.size() / 2, bytes.size() - 1}) {
        RegularReportSettings s;
        EXPECT_FALSE(DecodeReportFormat(bytes.substr(0, cut), s)) << cut;
    }
    auto patched = [&](std::string from, std::string to) {
        std::string b = bytes;
        b.replace(b.find(from), from.size(), to);
        return b;
    };
    struct Case { std::string from, to; } cases[] = {
        {std::string("\x02\x16\x02\x00", 4), std::string("\x02\x17\x02\x00", 4)},  // field index 23
        {std::string("\x06\x04" "0.75", 6), std::string("\x06\x04" "2.50", 6)},    // margin past 2 inches
        {std::string("\x06\x01" "4", 3), std::string("\x06\x01" "0", 3)},          // no columns
    };
    for (const auto& c : cases) {
        RegularReportSettings s;
        EXPECT_FALSE(DecodeReportFormat(patched(c.from, c.to), s));
        EXPECT_EQ(s.title, "Cellar Book");  // applied before the bad value
    }
    EXPECT_EQ(InvalidReportFileMessage("a.rpt"), "Sorry a.rpt is not a valid report file");
}

TEST(ReportFormatFile, RefusesMoreEntriesOrSectionsThanTheWindowHasAndClampsWidths) {
    RegularReportSettings full = Unusual();
    full.items.assign(kReportFieldCount, {22, 0, "Name"});
    RegularReportSettings loaded;
    EXPECT_TRUE(DecodeReportFormat(EncodeReportFormat(full), loaded));
    full.items.push_back({3, 0, "Rating"});
    EXPECT_FALSE(DecodeReportFormat(EncodeReportFormat(full), loaded));

    RegularReportSettings sections = Unusual();
    sections.sections.resize(kMaxColumns + 1);
    EXPECT_FALSE(DecodeReportFormat(EncodeReportFormat(sections), loaded));

    RegularReportSettings wide = Unusual();
    wide.barWidth = 1;
    wide.sections[1].width = 0x7fffffff;
    wide.sections[2].width = -5;
    ASSERT_TRUE(DecodeReportFormat(EncodeReportFormat(wide), loaded));
    EXPECT_EQ(loaded.sections[1].width, kMaxBarPixels);
    EXPECT_EQ(loaded.sections[2].width, 0);
    const int paper = ColumnWidth(loaded, 1, 8640);
    EXPECT_GT(paper, 0);
    EXPECT_LT(paper, std::numeric_limits<int>::max() / kMaxColumns);
}

TEST(ReportExport, CsvQuotesWhatWouldBreakTheLine) {
    Rows rows = {{"#", "Name", "Notes"}, {"1.", "Chateau, \"Grand\"", "line\r\nbreak"}, {"2.", "", "Ch\xE2teau"}};
    EXPECT_EQ(ExportCsv(rows), "\xEF\xBB\xBF#,Name,Notes\r\n1.,\"Chateau, \"\"Grand\"\"\",\"line\r\nbreak\"\r\n2.,\"\",Ch\xC3\xA2teau\r\n");
    EXPECT_EQ(ExportHtml({{"<b>x</b>", ""}}),
              "\xEF\xBB\xBF<table border=\"1\" cellspacing=\"0\" cellpadding=\"0\" width=\"100%\">\r\n<tr>\r\n"
              "<td nowrap>&lt;b&gt;x&lt;/b&gt;</td>\r\n<td nowrap><br></td>\r\n</tr>\r\n</table><p>\r\n");
}

TEST(DelimitedImport, CutsUnquotedLinesAtCommas) {
    struct Case { std::string line; std::size_t count; std::vector<std::string> tokens; } cases[] = {
        {"a,b,c", 3, {"a", "b", "c"}},
        {"a,b", 4, {"a", "b", "b", "b"}},  // the rest stays the token of later entries
        {"a,b,c,d", 2, {"a", "b"}},
        {"\"x, y\",\"say \"\"hi\"\"\",z", 3, {"x, y", "say \"hi\"", "z"}},
        {"\"last\"", 2, {"last", "last"}},
        {"a \"b\" c,d", 2, {"a \"b\" c", "d"}},
    };
    for (const auto& c : cases) EXPECT_EQ(DelimitedTokens(c.line, c.count), c.tokens) << c.line;
    EXPECT_EQ(DelimitedLines("a\r\n\"b\r\nc\",d\ne\r"), (std::vector<std::string>{"a", "\"b\r\nc\",d", "e"}));
}

TEST(DelimitedImport, NewRecordsTakeTheTokens) {
    std::vector<ReportItem> items = {{22, 0, ""}, {11, 0, ""}, {18, 0, ""}, {20, 0, ""}, {21, 0, ""}, {0, 0, ""}};
    ItemRecord r = ImportedRecord(items, "Barolo,12.5,1234567890,Tested,99,Piedmont", "2026/12/09");
    EXPECT_EQ(r.Name, "Barolo");
    EXPECT_EQ(r.Details[1], "$12.50");
    EXPECT_EQ(r.Details[8], "$1,234,567,890.00");
    EXPECT_TRUE(r.Tested && !r.Favorite && !r.Untested);
    EXPECT_EQ(r.Description(1), "Piedmont");
    EXPECT_EQ(r.Details[2], "2026/12/09");
    EXPECT_EQ(r.Details[0], " ");
    EXPECT_EQ(r.Details[9], "01");
    EXPECT_EQ(r.Images[5].Title, "Untitled 6");
}

TEST(DelimitedImport, SkipsBlankLinesAndStopsBeforeTheFileLimit) {
    const std::vector<ReportItem> name = {{22, 0, ""}};
    Database db;
    db.records.push_back(ImportedRecord(name, "Kept", "2026/12/09"));
    EXPECT_EQ(ImportDelimited(db, name, "a\n\n \t\r\n\r\n\nb\n\n", "2026/12/09").added, 2u);
    ASSERT_EQ(db.records.size(), 3u);
    EXPECT_EQ(db.records[2].Name, "b");

    // One record more than the limit leaves the database as it was.
    const std::size_t limit = EncodedDatabaseSize(db) + EncodedRecordSize(db.records[2]);
    const ImportResult refused = ImportDelimited(db, name, "c\nd\n", "2026/12/09", limit);
    EXPECT_TRUE(refused.tooLarge);
    EXPECT_EQ(refused.added, 0u);
    EXPECT_EQ(db.records.size(), 3u);
    EXPECT_GT(refused.databaseBytes, limit);
    EXPECT_NE(ImportTooLargeMessage(refused, limit).find(std::to_string(limit) + " bytes"), std::string::npos);
    EXPECT_FALSE(ImportDelimited(db, name, "c\n", "2026/12/09", limit).tooLarge);
}

TEST(DelimitedImport, MoneyTokensThatReadAsNumbersTakeTheMoneyForm) {
    const std::vector<ReportItem> items = {{11, 0, ""}, {18, 0, ""}};
    const struct { std::string line, paid, value; } cases[] = {
        {"25,100", "$25.00", "$100.00"},
        {"1234.5,0.005", "$1,234.50", "$0.01"},
        {"$25,about 30", "$25", "about 30"},  // not a number: as typed
        {"-3,", "-$3.00", ""},
    };
    for (const auto& c : cases) {
        const ItemRecord r = ImportedRecord(items, c.line, "2026/12/09");
        EXPECT_EQ(r.Details[1], c.paid) << c.line;
        EXPECT_EQ(r.Details[8], c.value) << c.line;
    }
}

TEST(DelimitedImport, ReadsUtf8AndSaysWhichCharactersWereReplaced) {
    const std::vector<ReportItem> items = {{22, 0, ""}};
    Database db;
    RecordList& records = db.records;
    const ImportResult result =
        ImportDelimited(db, items, "\xEF\xBB\xBF" "Ch\xC3\xA2teau Margaux\nK\xC5\x91 Tokaji\n", "2026/12/09");
    ASSERT_EQ(result.added, 2u);
    EXPECT_EQ(records[0].Name, "Ch\xE2teau Margaux");
    EXPECT_EQ(records[1].Name, "Ko Tokaji");
    EXPECT_EQ(ImportedMessage(result), "File Imported\n\n1 character replaced by the nearest letter on line 2.");
    records.clear();
    EXPECT_EQ(ImportedMessage(ImportDelimited(db, items, "Ch\xE2teau\n", "2026/12/09")), "File Imported");
    EXPECT_EQ(records[0].Name, "Ch\xE2teau");  // Windows-1252 as it was
}

TEST(DelimitedImport, ReadsBackWhatTheExportWrote) {
    std::vector<ReportItem> items = {{22, 0, ""}, {10, 0, ""}, {12, 0, ""}, {1, 0, ""}};
    Rows rows = {{"Ch\xE2teau, \"Grand\"", "<script>alert(1)</script>", "line\r\nbreak", "\x80 \x81"},
                 {"plain", "\"", ",", "x\ny"}};
    Database db;
    ASSERT_EQ(ImportDelimited(db, items, ExportCsv(rows), "2026/12/09").added, rows.size());
    const RecordList& records = db.records;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(records[i].Name, rows[i][0]);
        EXPECT_EQ(records[i].Details[0], rows[i][1]);
        EXPECT_EQ(records[i].Details[2], rows[i][2]);
        EXPECT_EQ(records[i].Description(2), rows[i][3]);
    }
}

}  // namespace
}  // namespace vorlane
