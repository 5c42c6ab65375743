// Feeds arbitrary bytes to the regular report format reader, then lays a
// small report out with what it loaded.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "reports/report_format_file.h"

namespace {
class Measurer : public vorlane::TextMeasurer {
public:
    int TextWidth(const vorlane::ReportFont& font, std::string_view text) const override {
        return static_cast<int>(text.size()) * font.size * 10;
    }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vorlane;
    RegularReportSettings s;
    const bool ok = DecodeReportFormat(std::string_view(reinterpret_cast<const char*>(data), size), s);
    if (ok) {
        RegularReportSettings again;
        if (!DecodeReportFormat(EncodeReportFormat(s), again) || again.items != s.items ||
            again.sections != s.sections || again.columnColors != s.columnColors)
            __builtin_trap();
    }
    if (s.sections.size() > 64) return 0;  // a layout per section: keep runs short
    RecordList records(40);
    records[3].Details[8] = "$12.50";
    records[5].Tested = true;
    Measurer measurer;
    ReportPages pages(8, 11, measurer);
    LayoutResult result = LayOutReport(s, LayoutInput{records, DefaultLabels(), {}, false, "2026/12/09"}, pages);
    if (result.error.empty() && (pages.PageCount() < 1 || !pages.finished())) __builtin_trap();
    return 0;
}
