// Feeds arbitrary bytes to the comma-delimited import: the first byte picks
// the item list, the rest is the file.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "reports/delimited_import.h"
#include "reports/report_export.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vorlane;
    if (size == 0) return 0;
    std::vector<ReportItem> items;
    for (int i = 0; i < data[0] % 8; ++i) items.push_back({(data[0] * 7 + i * 5) % 23, 0, ""});
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    RecordList records;
    const std::size_t added = ImportDelimited(records, items, text, "2026/12/09").added;
    if (added != records.size()) __builtin_trap();

    // Whatever the lines held, texts exported and imported again are the same.
    std::vector<ReportItem> names = {{22, 0, ""}, {10, 0, ""}};
    ExportTable table;
    for (const auto& r : records) table.push_back({r.Name, r.Details[0]});
    RecordList back;
    ImportDelimited(back, names, ExportCsv(table), "2026/12/09");
    if (back.size() != records.size()) __builtin_trap();
    for (std::size_t i = 0; i < back.size(); ++i)
        if (back[i].Name != records[i].Name || back[i].Details[0] != records[i].Details[0]) __builtin_trap();
    return 0;
}
