// Lays a report out with settings and records taken from arbitrary bytes,
// past what the format reader would accept: the layout must stay within its
// page limit (libFuzzer's time and memory limits catch a layout that is not
// linear in what it draws).

#include <cstddef>
#include <cstdint>
#include <string>

#include "reports/regular_report.h"

namespace {
class Measurer : public vorlane::TextMeasurer {
public:
    int TextWidth(const vorlane::ReportFont& font, std::string_view text) const override {
        return static_cast<int>(text.size()) * font.size * 10;
    }
};

class Bytes {
public:
    Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t Next() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::string Text() {
        std::string t;
        for (uint8_t n = Next() % 24; n > 0 && pos_ < size_; --n) t.push_back(static_cast<char>(Next()));
        return t;
    }
    bool More() const { return pos_ < size_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vorlane;
    Bytes in(data, size);
    RegularReportSettings s;
    const uint8_t flags = in.Next();
    s.titleOn = flags & 1, s.dateOn = flags & 2, s.pageNumbersOn = flags & 4, s.itemNumbersOn = flags & 8;
    s.totalsOn = flags & 16, s.indent = flags & 32, s.searchedRecordsOnly = flags & 64;
    s.title = in.Text();
    const int columns = 1 + in.Next() % kMaxColumns;
    s.columnCount = std::to_string(columns);
    for (auto* m : {&s.leftMargin, &s.rightMargin, &s.topMargin, &s.bottomMargin}) *m = std::to_string(in.Next() % 3);
    for (auto* f : {&s.titleFont, &s.bodyFont, &s.valueFont}) f->size = 1 + in.Next() % 48;
    s.barWidth = in.Next() * 64;
    for (int c = in.Next() % 12; c > 0; --c) s.sections.push_back({in.Next() * 4 - 64, ""});
    for (int i = in.Next(); i > 0; --i) s.items.push_back({in.Next() % kReportFieldCount, 0, ""});
    const int pageWidth = 4 + in.Next() % 14, pageHeight = 4 + in.Next() % 14;

    RecordList records;
    while (in.More() && records.size() < 400) {
        ItemRecord r;
        r.Name = in.Text();
        r.Details[1] = in.Text();
        r.Details[8] = in.Text();
        r.OnSearchList = in.Next() & 1;
        records.push_back(std::move(r));
    }
    Measurer measurer;
    ReportPages pages(pageWidth, pageHeight, measurer);
    LayoutResult result = LayOutReport(s, LayoutInput{records, DefaultLabels(), {}, false, "2026/12/09"}, pages);
    if (!result.error.empty()) return 0;
    // Each of the two total lines may open a page past the last one records reach.
    if (!pages.finished() || pages.PageCount() < 1 || pages.PageCount() > kLastReportPage + 2) __builtin_trap();
    if (result.recordsLaidOut > static_cast<int>(records.size())) __builtin_trap();
    // One row per record laid out, the title line and the two totals.
    if (result.exportTable.size() > static_cast<std::size_t>(result.recordsLaidOut) + 3) __builtin_trap();
    return 0;
}
