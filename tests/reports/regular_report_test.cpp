// Regular report layout: lines, columns, item numbers, totals, page limit.

#include <gtest/gtest.h>

#include "reports/regular_report.h"
#include "report_test_support.h"

namespace vorlane {
namespace {

using testing::CellCanvas;
using testing::FixedWidthMeasurer;
using Lines = std::vector<std::vector<std::string>>;

constexpr int kPageWidth = 8, kPageHeight = 11;

RegularReportSettings Plain(int fields, int columns) {
    RegularReportSettings s;
    s.pageNumbersOn = s.titleOn = s.dateOn = s.totalsOn = s.itemNumbersOn = false;
    for (int i = 0; i < fields; ++i) s.items.push_back({10 + i, 0, ""});
    s.columnCount = std::to_string(columns);
    DoColumns(s, columns, (kPageWidth - 2) * kTwipsPerInch);
    return s;
}

ItemRecord Record(std::vector<std::string> details) {
    ItemRecord r;
    for (std::size_t i = 0; i < details.size(); ++i) r.Details[i] = details[i];
    return r;
}

struct LaidOut {
    LayoutResult result;
    CellCanvas canvas;
    int pageCount = 0;
};

LaidOut LayOut(const RegularReportSettings& s, const RecordList& records, LabelTable labels = DefaultLabels()) {
    FixedWidthMeasurer measurer;
    ReportPages pages(kPageWidth, kPageHeight, measurer);
    LaidOut run;
    run.result = LayOutReport(s, LayoutInput{records, labels, {}, false, "2026/12/09"}, pages);
    run.pageCount = pages.PageCount();
    for (int p = 1; p <= pages.PageCount(); ++p) pages.Page(p)->PlayOn(run.canvas);
    return run;
}

TEST(RegularReportLayout, PrintableWidthFromMargins) {
    struct Case { std::string left, right; int width; } cases[] = {{"2", "2", 5760}, {"1", "1", 8640}, {"0.75", "1", 9000}, {"0", "0", 11520}};
    for (const auto& c : cases) {
        RegularReportSettings s;
        s.leftMargin = c.left;
        s.rightMargin = c.right;
        ReportSpace space;
        ASSERT_TRUE(CalculateSpace(s, kPageWidth, kPageHeight, space));
        EXPECT_EQ(space.width, c.width) << c.left << " " << c.right;
        EXPECT_EQ(space.height, 11 * 1440 - 2880);
    }
    RegularReportSettings bad;
    bad.topMargin = "2.5";
    ReportSpace space;
    EXPECT_FALSE(CalculateSpace(bad, kPageWidth, kPageHeight, space));
}

TEST(RegularReportLayout, ColumnsShareTheBar) {
    RegularReportSettings s = Plain(1, 3);
    EXPECT_EQ(s.sections.size(), 3u);
    EXPECT_EQ(s.sections[0].text, "2.00");
    EXPECT_EQ(ColumnWidth(s, 0, 8640), 2870);  // 186 of 560 pixels
    s.sections[1].width = 93;  // half a section: the right of the page stays empty
    EXPECT_EQ(ColumnWidth(s, 1, 8640), 1435);  // 93 / 560 * 8640 = 1434.9
    EXPECT_EQ(SectionInches(s, 1, 8640), "1.00");
    EXPECT_EQ(ColumnWidth(s, 5, 8640), 0);
}

TEST(RegularReportLayout, RecordsFlowOverTheColumns) {
    struct Case { int fields, columns; bool items, indent; Lines expected; } cases[] = {
        {5, 2, false, false, {{"a", "b"}, {"c", "d"}, {"e"}}},
        {5, 2, false, true, {{"a", "b"}, {"c"}, {"d"}, {"e"}}},
        {5, 2, true, false, {{"1.", "a"}, {"b", "c"}, {"d", "e"}}},
        {3, 3, true, false, {{"1.", "a", "b"}, {"c"}}},
        {1, 1, true, false, {{"1."}, {"a"}}},  // never past the last column
    };
    for (const auto& c : cases) {
        RegularReportSettings s = Plain(c.fields, c.columns);
        s.itemNumbersOn = c.items;
        s.indent = c.indent;
        LaidOut run = LayOut(s, {Record({"a", "b", "c", "d", "e"})});
        Lines lines = run.canvas.Lines();
        Lines recordLines(lines.end() - static_cast<long>(c.expected.size()), lines.end());
        EXPECT_EQ(recordLines, c.expected) << c.fields << " fields, " << c.columns << " columns";
    }
}

TEST(RegularReportLayout, ItemNumbersCountLaidOutRecordsAndRecordNumbersThePosition) {
    RegularReportSettings s = Plain(0, 2);
    s.itemNumbersOn = true;
    s.items = {{kRecordNumberIndex, 0, ""}, {kStatusIndex, 0, ""}};
    s.searchedRecordsOnly = true;
    RecordList records(4);
    records[0].OnSearchList = records[2].OnSearchList = records[3].OnSearchList = true;
    records[2].Tested = records[2].Untested = true;
    records[3].Favorite = records[3].Untested = true;
    LaidOut run = LayOut(s, records);
    EXPECT_EQ(run.result.exportTable,
              (Lines{{"#", "Record #", "Status"}, {"1.", "1", "None"}, {"2.", "3", "Tested"}, {"3.", "4", "Favorite"}}));
}

TEST(RegularReportLayout, TotalsWeighValueByQuantity) {
    struct Case { std::string label9, quantity, value; double total; std::string shown; } cases[] = {
        {"Quantity", "03", "$12.50", 37.5, "37.50"},
        {"Bottles", "03", "$12.50", 12.5, "12.50"},
        {"Quantity", "three", "$12.50", 12.5, "12.50"},
        {"Quantity", "2", "none", 0, " 0.00"},
    };
    for (const auto& c : cases) {
        RegularReportSettings s = Plain(1, 1);
        s.totalsOn = true;
        LabelTable labels = DefaultLabels();
        labels[9] = c.label9;
        ItemRecord r = Record({"x", "$1.25"});
        r.Details[8] = c.value;
        r.Details[9] = c.quantity;
        LaidOut run = LayOut(s, {r}, labels);
        EXPECT_DOUBLE_EQ(run.result.valueTotal, c.total) << c.label9 << " " << c.quantity;
        ASSERT_GE(run.result.exportTable.size(), 2u);
        const auto& last = run.result.exportTable.back();
        EXPECT_EQ(last, std::vector<std::string>{"Total " + labels[8] + " : " + c.shown});
    }
}

TEST(RegularReportLayout, StopsOnPageElevenWithWarning) {
    RegularReportSettings s = Plain(1, 1);
    RecordList many(2000, Record({"wine"}));
    LaidOut run = LayOut(s, many);
    EXPECT_TRUE(run.result.pageLimitReached);
    EXPECT_EQ(run.pageCount, 11);
    EXPECT_LT(run.result.recordsLaidOut, 2000);
    EXPECT_EQ(run.result.exportTable.size(), static_cast<std::size_t>(run.result.recordsLaidOut) + 1);
    EXPECT_EQ(run.result.warning, "Warning ... your report contains too much data.  Only the first " +
                                      std::to_string(run.result.recordsLaidOut) + " records will be displayed.");

    LaidOut few = LayOut(s, RecordList(10, Record({"wine"})));
    EXPECT_EQ(few.result.warning, "");
    EXPECT_EQ(few.pageCount, 1);
}

TEST(RegularReportLayout, ARecordLongerThanTheReportIsCutOnPageEleven) {
    // A title line taller than a page: every line of a record starts a page.
    RegularReportSettings s = Plain(1, 1);
    s.items.assign(400, {10, 0, ""});
    LaidOut run = LayOut(s, RecordList(3, Record({"wine"})));
    EXPECT_EQ(run.pageCount, kLastReportPage);
    EXPECT_TRUE(run.result.pageLimitReached);
    EXPECT_EQ(run.result.recordsLaidOut, 1);
}

TEST(RegularReportLayout, PageHeadShowsTitleDateAndPageNumber) {
    RegularReportSettings s = Plain(1, 1);
    s.titleOn = s.dateOn = s.pageNumbersOn = true;
    s.title = "Cellar";
    LaidOut run = LayOut(s, RecordList(200, Record({"wine"})));
    ASSERT_GE(run.pageCount, 2);
    std::vector<std::string> numbers;
    for (const auto& c : run.canvas.cells)
        if (c.x == 8640 - 250) numbers.push_back(c.text);
    EXPECT_EQ(numbers.size(), static_cast<std::size_t>(run.pageCount));
    EXPECT_EQ(numbers.back(), std::to_string(run.pageCount));
    ASSERT_GE(run.canvas.texts.size(), 2u);
    EXPECT_EQ(run.canvas.texts[0].text, "Cellar");
    EXPECT_EQ(run.canvas.texts[0].x, (8640 - 6 * 100) / 2);  // 6 letters, 10 points
    EXPECT_EQ(run.canvas.texts[1].text, "2026/12/09");
}

}  // namespace
}  // namespace vorlane
