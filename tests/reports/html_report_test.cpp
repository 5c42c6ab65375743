// HTML report: menu rules, table, the row limit, output lines, format file.

#include <gtest/gtest.h>

#include "reports/html_report.h"
#include "storage/value_stream.h"
#include "storage/fields.h"

namespace vorlane {
namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t pos = 0, end;
    while ((end = text.find("\r\n", pos)) != std::string::npos) {
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    EXPECT_EQ(pos, text.size()) << "text does not end with CR LF";
    return lines;
}

TEST(HtmlReport, MenuEntriesFollowTheList) {
    HtmlReport twice;
    twice.Add(kNameIndex, "Name");
    twice.Add(0, "Region");
    std::string bytes = twice.EncodeFormat();
    bytes.insert(1, bytes.substr(1, 9));  // a second copy of the Name entry

    HtmlReport report;
    EXPECT_TRUE(report.Add(kNameIndex, "Name"));
    EXPECT_FALSE(report.Add(kNameIndex, "Name"));
    ASSERT_TRUE(report.DecodeFormat(bytes));
    ASSERT_EQ(report.fields().size(), 3u);
    EXPECT_FALSE(report.MenuEnabled(kNameIndex));  // loading keeps the menu as it was
    report.MoveDown(1);
    EXPECT_EQ(report.fields()[2].code, kNameCode);
    EXPECT_FALSE(report.MoveUp(0));
    EXPECT_FALSE(report.MoveDown(2));
    report.Remove(0);
    EXPECT_TRUE(report.MenuEnabled(kNameIndex));
    EXPECT_EQ(report.fields()[1].code, kNameCode);  // the other copy stays
    report.Clear();
    EXPECT_TRUE(report.fields().empty());
    for (int e = 0; e < kReportFieldCount; ++e) EXPECT_TRUE(report.MenuEnabled(e));
}

TEST(HtmlReport, RowsHoldFieldTextsAndTheLastStatus) {
    HtmlReport report;
    for (int e : {kRecordNumberIndex, kNameIndex, kStatusIndex, 10, 0}) report.Add(e, "");
    RecordList records(3);
    records[0].Name = "Barolo";
    records[0].Tested = records[0].Untested = true;
    records[0].Details[0] = "Vietti";
    records[0].Description(1) = "Barolo : Piedmont";
    records[1].Favorite = true;
    records[2].OnSearchList = true;
    HtmlReportTable table = report.Generate(records, DefaultLabels(), {}, false);
    std::vector<std::vector<std::string>> expected = {{"Record #", "Name", "Status", "Winery", "Region"},
                                                      {"1", "Barolo", "Untested", "Vietti", "Barolo : Piedmont"},
                                                      {"2", "", "Favorite", "", ""},
                                                      {"3", "", "", "", ""}};
    EXPECT_EQ(table.rows, expected);
    report.searchListOnly = true;
    EXPECT_EQ(report.Generate(records, DefaultLabels(), {}, true).rows,
              (std::vector<std::vector<std::string>>{expected[0], expected[3]}));
}

TEST(HtmlReport, AtMostAThousandRows) {
    HtmlReport report;
    report.Add(kNameIndex, "Name");
    for (std::size_t n : {999u, 1000u, 1001u, 5000u}) {
        HtmlReportTable table = report.Generate(RecordList(n), DefaultLabels(), {}, false);
        EXPECT_EQ(table.rows.size() - 1, std::min<std::size_t>(n, 1000)) << n;
        EXPECT_EQ(table.truncated, n > 1000) << n;
    }
}

TEST(HtmlReport, WritesHeaderTableAndFooterLines) {
    HtmlReport report;
    report.header = {"<html><body>", "<h1>Cellar</h1>"};
    report.footer = {"</body></html>"};
    report.font.bold = report.font.underline = true;
    report.font.color = 0x112233;
    report.color = 0xFFFFC0;
    std::vector<std::string> lines = SplitLines(report.Html({{"Name", "Notes"}, {"<script>x</script>", "a\r\nb & \"c\""}, {"", "ok"}}));
    const std::string cell = R"(<td nowrap BGCOLOR="#FFFFC0"><font color="#112233"><B><U>)";
    const std::string end = "</U></B></font></td>";
    std::vector<std::string> expected = {
        "\xEF\xBB\xBF<html><body>", "<h1>Cellar</h1>", R"(<table border="1" cellspacing="0" cellpadding="0" width="100%">)",
        "<tr>", R"(<td nowrap BGCOLOR="#D4D0C8"><B>Name</B></td>)", R"(<td nowrap BGCOLOR="#D4D0C8"><B>Notes</B></td>)", "</tr>",
        "<tr>", cell + "&lt;script&gt;x&lt;/script&gt;" + end, cell + "a<br>\nb &amp; &quot;c&quot;" + end, "</tr>",
        "<tr>", cell + "<br>" + end, cell + "ok" + end, "</tr>",
        "</table><p>", "</body></html>"};
    EXPECT_EQ(lines, expected);
}

TEST(HtmlReport, FormatFileRoundTripsAndRefusesBrokenFiles) {
    HtmlReport report;
    report.Add(3, "Rating");
    report.Add(kNameIndex, "Name");
    report.header = {"<p>top</p>"};
    report.footer = {"<p>end</p>", ""};
    report.font = ReportFont{"Times New Roman", 12, 0x0000FF, true, true, false, false};
    report.color = 0xC0FFC0;
    report.searchListOnly = true;
    const std::string bytes = report.EncodeFormat();

    HtmlReport loaded;
    ASSERT_TRUE(loaded.DecodeFormat(bytes));
    EXPECT_EQ(loaded.fields(), report.fields());
    EXPECT_EQ(loaded.header, report.header);
    EXPECT_EQ(loaded.footer, report.footer);
    EXPECT_EQ(loaded.font, report.font);
    EXPECT_EQ(loaded.color, report.color);
    EXPECT_TRUE(loaded.searchListOnly);
    EXPECT_EQ(loaded.EncodeFormat(), bytes);

    for (std::size_t cut : {std::size_t{0}, std::size_t{5}, bytes.size() / 2, bytes.size() - 1}) {
        HtmlReport broken;
        EXPECT_FALSE(broken.DecodeFormat(bytes.substr(0, cut))) << cut;
    }
    HtmlReport partly;
    EXPECT_FALSE(partly.DecodeFormat(bytes.substr(0, bytes.find("TPF0"))));
    EXPECT_EQ(partly.fields(), report.fields());  // what was read stays
}

TEST(HtmlReport, FieldListHoldsEachFieldTwiceAtMost) {
    const std::string rest = HtmlReport().EncodeFormat().substr(2);  // after the empty field list
    auto withFields = [&](std::size_t count) {
        ValueWriter w;
        w.WriteListBegin();
        for (std::size_t i = 0; i < count; ++i) {
            w.WriteString("Name");
            w.WriteInteger(230);
        }
        w.WriteListEnd();
        return w.take() + rest;
    };
    HtmlReport full;
    ASSERT_TRUE(full.DecodeFormat(withFields(kMaxHtmlReportFields)));
    EXPECT_FALSE(full.Add(0, "Region"));  // the menu entry is enabled, the list is full
    HtmlReport over;
    EXPECT_FALSE(over.DecodeFormat(withFields(kMaxHtmlReportFields + 1)));
    EXPECT_EQ(over.fields().size(), kMaxHtmlReportFields);
}

}  // namespace
}  // namespace vorlane
