#pragma once
// The regular report (RegularReportWindow): its settings, the column bar, and the
// layout of records onto report pages in twips.

#include <array>
#include <string>
#include <vector>

#include "reports/report_fields.h"
#include "reports/report_pages.h"
#include "reports/report_style.h"
#include "storage/database.h"

namespace vorlane {

struct ReportItem {
    int fieldIndex = 0;  // 0 ... 22
    int spare = 0;       // kept from a format file, no effect
    std::string caption;
    bool operator==(const ReportItem&) const = default;
};

struct ColumnSection {
    int width = 0;  // screen pixels
    std::string text;
    bool operator==(const ColumnSection&) const = default;
};

constexpr int kMaxColumns = 9;
constexpr int kColumnColorCount = 10;
constexpr int kDefaultBarWidth = 560;
// The widest column bar or section a format file may bring, in pixels.
constexpr int kMaxBarPixels = 1 << 14;
// Records are laid out until one reaches this page; nothing goes past it.
constexpr int kLastReportPage = 11;

inline constexpr const char* kPageLimitWarningStart = "Warning ... your report contains too much data.  Only the first ";
inline constexpr const char* kPageLimitWarningEnd = " records will be displayed.";

struct RegularReportSettings {
    std::string title = "Report Title";
    bool titleOn = true;
    bool dateOn = true;
    bool headerOn = true;
    bool pageNumbersOn = true;
    bool itemNumbersOn = true;
    bool totalsOn = true;
    std::vector<ReportItem> items;
    // As the boxes show them: inches 0 ... 2.
    std::string leftMargin = "1", rightMargin = "1", topMargin = "1", bottomMargin = "1";
    std::string columnCount = "3";
    int barWidth = kDefaultBarWidth;
    std::vector<ColumnSection> sections;
    std::array<Rgb, kColumnColorCount> columnColors = [] {
        std::array<Rgb, kColumnColorCount> c{};
        c.fill(kWhite);
        return c;
    }();
    bool indent = false;
    bool portrait = false;
    bool landscape = false;
    ReportFont titleFont, bodyFont, valueFont;
    // The sample boxes' texts ("Title", "Body", "Value" once chosen).
    std::string titleFontText, bodyFontText, valueFontText;
    bool searchedRecordsOnly = false;
};

// Margins in twips; false when a box holds no number from 0 to 2.
bool MarginsInTwips(const RegularReportSettings& s, Margins& margins);
// 1 ... 9, or the conversion error to show.
bool ColumnCountOf(const RegularReportSettings& s, int& columns, std::string& error);

struct ReportSpace {
    int width = 0, height = 0;  // W, H in twips
    Margins margins;
};
// W and H from whole-inch page sizes; nullopt-like ok=false for bad margins.
bool CalculateSpace(const RegularReportSettings& s, int pageWidthInches, int pageHeightInches, ReportSpace& space);

// Replaces the sections by `columns` equal ones, each showing W / 1440 / n.
void DoColumns(RegularReportSettings& s, int columns, int printableWidth);
// A column's width on paper: its share of the bar times W.
int ColumnWidth(const RegularReportSettings& s, int column, int printableWidth);
// Section text after a drag: section width / bar width * W / 1440.
std::string SectionInches(const RegularReportSettings& s, int column, int printableWidth);

struct LayoutInput {
    const RecordList& records;
    const LabelTable& labels;
    ReportCaptions captions;
    bool shortValues = false;
    std::string today;  // "YYYY/MM/DD"
};

struct LayoutResult {
    std::vector<std::vector<std::string>> exportTable;
    int recordsLaidOut = 0;
    bool pageLimitReached = false;
    double paidTotal = 0, valueTotal = 0;
    std::string warning;  // the page-limit message, or ""
    std::string error;    // a setting that cannot be used; nothing laid out
};

// Draws the whole report into pages (reset first) and finishes them.
LayoutResult LayOutReport(const RegularReportSettings& settings, const LayoutInput& input, ReportPages& pages);

}  // namespace vorlane
