#include "reports/regular_report.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "reports/report_numbers.h"
#include "storage/fields.h"

namespace vorlane {

namespace {
// Halves to the even neighbour, as every rounding of the layout.
int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

bool MarginTwips(const std::string& text, int& twips) {
    double inches = 0;
    if (!ReadDecimalText(text, inches) || inches < 0 || inches > 2) return false;
    twips = RoundEven(inches * kTwipsPerInch);
    return true;
}

int LineHeight(const ReportFont& f) { return 21 * f.size; }

class Layout {
public:
    Layout(const RegularReportSettings& s, const LayoutInput& in, ReportPages& pages, int columns,
           const ReportSpace& space)
        : s_(s), in_(in), pages_(pages), columns_(columns), W_(space.width), H_(space.height) {
        for (int c = 0; c < static_cast<int>(s.sections.size()); ++c) widths_.push_back(ColumnWidth(s, c, W_));
    }

    LayoutResult Run() {
        pages_.SetFont(s_.titleFont);
        PrintHead();
        inRecords_ = true;
        for (std::size_t p = 0; p < in_.records.size(); ++p) {
            c_ = 0;
            x_ = 0;
            const ItemRecord& r = in_.records[p];
            if (s_.searchedRecordsOnly && !r.OnSearchList) continue;
            ++result_.recordsLaidOut;
            PreviewRecord(&r, p);
            if (page_ >= kLastReportPage) {
                result_.pageLimitReached = true;
                break;
            }
            NewLine();
            c_ = 0;
        }
        completed_ = !result_.pageLimitReached;
        inRecords_ = false;  // the totals follow even a cut record
        pageFull_ = false;
        if (s_.totalsOn) {
            pages_.SetFont(s_.valueFont);
            NewLine();
            pages_.SetBrush(kWhite);
            pages_.FillRect({0, y_ - 5, W_, H_});
            TotalLine("Total " + in_.labels[1] + " : " + FixedText(result_.paidTotal, 2, 5));
            NewLine();
            TotalLine("Total " + in_.labels[8] + " : " + FixedText(result_.valueTotal, 2, 5));
        }
        pages_.Finish();
        if (result_.pageLimitReached)
            result_.warning = kPageLimitWarningStart + std::to_string(result_.recordsLaidOut) + kPageLimitWarningEnd;
        return std::move(result_);
    }

private:
    int Width(int c) const { return c >= 0 && c < static_cast<int>(widths_.size()) ? widths_[static_cast<std::size_t>(c)] : 0; }

    void PrintHead() {
        inHead_ = true;
        x_ = 0;
        y_ += 10;
        pages_.SetFont(s_.titleFont);
        const int lh = LineHeight(s_.titleFont);
        if (s_.pageNumbersOn) pages_.TextRect({W_ - 250, y_, W_, y_ + lh + 2}, W_ - 250, y_, std::to_string(page_));
        if (s_.titleOn) pages_.TextOut((W_ - pages_.TextWidth(s_.title)) / 2, y_, s_.title);
        if (s_.dateOn) pages_.TextOut(0, y_, in_.today);
        if (s_.pageNumbersOn || s_.titleOn || s_.dateOn) y_ += lh;
        pages_.SetFont(s_.bodyFont);
        y_ += 75;
        x_ = 0;
        int left = 0;
        for (int c = 0; c < static_cast<int>(widths_.size()); ++c) {
            pages_.SetBrush(s_.columnColors[static_cast<std::size_t>(c % kColumnColorCount)]);
            pages_.FillRect({left, y_, left + Width(c), H_});
            left += Width(c);
        }
        pages_.Line(0, y_, W_, y_);
        y_ += 50;
        PreviewRecord(nullptr, 0);
        y_ += 20 * pages_.Font().size + 50;
        pages_.Line(0, y_, W_, y_);
        y_ += 100;
        inHead_ = false;
    }

    // record == nullptr: the line of column titles.
    void PreviewRecord(const ItemRecord* record, std::size_t p) {
        // Only the first page's title line goes to the export table.
        exporting_ = record || result_.exportTable.empty();
        if (exporting_) result_.exportTable.emplace_back();
        if (s_.itemNumbersOn) Text(record ? std::to_string(result_.recordsLaidOut) + "." : "#", 0);
        if (record) AddMoney(*record);
        for (std::size_t i = 0; i < s_.items.size() && !pageFull_; ++i) {
            const int index = s_.items[i].fieldIndex;
            std::string text;
            if (!record) text = index == kRecordNumberIndex ? "Record #" : ReportFieldTitle(index, in_.labels, in_.captions);
            else if (index == kStatusIndex) text = StatusText(*record).empty() ? "None" : StatusText(*record);
            else text = ReportFieldText(*record, index, p + 1, in_.shortValues);
            Text(text, static_cast<int>(i));
        }
    }

    void AddMoney(const ItemRecord& r) {
        long long q = 1;
        if (in_.labels[9] == "Quantity" && !ReadWholeText(r.Details[9], q)) q = 1;
        double number = 0;
        if (ReadDecimalText(NumericValue(r.Details[8]), number)) result_.valueTotal += static_cast<double>(q) * number;
        if (ReadDecimalText(NumericValue(r.Details[1]), number)) result_.paidTotal += static_cast<double>(q) * number;
    }

    void Indent() {
        if (s_.indent && columns_ > 1) {
            x_ += Width(0);
            ++c_;
        }
    }

    void Text(const std::string& text, int i) {
        if (pageFull_) return;
        // A cell never goes past the last column (item number, one column).
        if (c_ >= columns_) {
            NewLine();
            if (pageFull_) return;
            Indent();
        }
        pages_.SetBrush(completed_ ? kWhite : s_.columnColors[static_cast<std::size_t>(c_ % kColumnColorCount)]);
        pages_.TextRect({x_, y_, x_ + Width(c_), y_ + LineHeight(pages_.Font()) + 2}, x_, y_, text);
        if (exporting_) result_.exportTable.back().push_back(text);
        x_ += Width(c_);
        ++c_;
        if (c_ >= columns_ && i < static_cast<int>(s_.items.size()) - 1) {
            NewLine();
            Indent();
        }
    }

    void TotalLine(const std::string& text) {
        exporting_ = true;
        result_.exportTable.push_back({});
        Text(text, static_cast<int>(s_.items.size()));
    }

    void NewLine() {
        const int lh = LineHeight(pages_.Font());
        y_ += lh;
        // A head that does not fit one page must not start page after page.
        if (y_ + lh > H_ && !inHead_) {
            if (page_ >= kLastReportPage && inRecords_) {
                pageFull_ = true;
                return;
            }
            pages_.NewPage();
            ++page_;
            y_ = 0;
            c_ = 0;
            const bool was = exporting_;
            PrintHead();
            exporting_ = was;
        }
        x_ = 0;
        c_ = 0;
    }

    const RegularReportSettings& s_;
    const LayoutInput& in_;
    ReportPages& pages_;
    int columns_;
    int W_, H_;
    std::vector<int> widths_;
    int x_ = 0, y_ = 0, c_ = 0, page_ = 1;
    bool completed_ = false;
    // The last page is full: the record being laid out is cut there.
    bool pageFull_ = false;
    bool inRecords_ = false;
    bool exporting_ = false;
    bool inHead_ = false;
    LayoutResult result_;
};
}  // namespace

bool MarginsInTwips(const RegularReportSettings& s, Margins& m) {
    return MarginTwips(s.leftMargin, m.left) && MarginTwips(s.rightMargin, m.right) &&
           MarginTwips(s.topMargin, m.top) && MarginTwips(s.bottomMargin, m.bottom);
}

bool ColumnCountOf(const RegularReportSettings& s, int& columns, std::string& error) {
    long long n = 0;
    if (!ReadWholeText(s.columnCount, n) || n < 1 || n > kMaxColumns) {
        error = "'" + s.columnCount + "' is not a valid integer value";
        return false;
    }
    columns = static_cast<int>(n);
    return true;
}

bool CalculateSpace(const RegularReportSettings& s, int pageWidthInches, int pageHeightInches, ReportSpace& space) {
    if (!MarginsInTwips(s, space.margins)) return false;
    space.width = pageWidthInches * kTwipsPerInch - space.margins.left - space.margins.right;
    space.height = pageHeightInches * kTwipsPerInch - space.margins.top - space.margins.bottom;
    return true;
}

void DoColumns(RegularReportSettings& s, int columns, int printableWidth) {
    s.sections.clear();
    const std::string inches = FixedText(static_cast<double>(printableWidth) / kTwipsPerInch / columns, 2);
    for (int c = 0; c < columns; ++c) s.sections.push_back({s.barWidth / columns, inches});
}

int ColumnWidth(const RegularReportSettings& s, int column, int printableWidth) {
    if (column < 0 || column >= static_cast<int>(s.sections.size()) || s.barWidth <= 0) return 0;
    const int section = std::max(0, s.sections[static_cast<std::size_t>(column)].width);
    // Far wider than any paper, and nine of them still add up within an int.
    constexpr double kWidest = 1 << 24;
    return RoundEven(std::min(static_cast<double>(section) / s.barWidth * printableWidth, kWidest));
}

std::string SectionInches(const RegularReportSettings& s, int column, int printableWidth) {
    if (column < 0 || column >= static_cast<int>(s.sections.size()) || s.barWidth <= 0) return FixedText(0, 2);
    return FixedText(static_cast<double>(s.sections[static_cast<std::size_t>(column)].width) / s.barWidth *
                         printableWidth / kTwipsPerInch, 2);
}

LayoutResult LayOutReport(const RegularReportSettings& settings, const LayoutInput& input, ReportPages& pages) {
    LayoutResult failed;
    int columns = 0;
    if (!ColumnCountOf(settings, columns, failed.error)) return failed;
    ReportSpace space;
    if (!CalculateSpace(settings, pages.pageWidth(), pages.pageHeight(), space) || space.width <= 0 ||
        space.height <= 0) {
        failed.error = "The margins leave no room on the page.";
        return failed;
    }
    pages.SetMargins(space.margins);
    pages.Reset();
    return Layout(settings, input, pages, columns, space).Run();
}

}  // namespace vorlane
