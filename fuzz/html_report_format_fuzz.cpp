// Feeds arbitrary bytes to the HTML report format reader, then builds and
// writes a report from what it loaded.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "reports/html_report.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vorlane;
    HtmlReport report;
    const bool ok = report.DecodeFormat(std::string_view(reinterpret_cast<const char*>(data), size));
    RecordList records(3);
    records[1].Name = "<b>Barolo</b>";
    records[2].Untested = records[2].OnSearchList = true;
    HtmlReportTable table = report.Generate(records, DefaultLabels(), {}, true);
    report.Html(table.rows);
    for (const auto& row : table.rows)
        if (row.size() != report.fields().size()) __builtin_trap();
    if (ok) {
        HtmlReport again;
        if (!again.DecodeFormat(report.EncodeFormat()) || again.fields() != report.fields() ||
            again.header != report.header || again.footer != report.footer || again.font != report.font)
            __builtin_trap();
    }
    report.Remove(0);
    return 0;
}
