// Arbitrary bytes as another program's cellar export: the reader, the layout
// recognition and the import into a new database.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "exchange/cellar_import.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vorlane;
    static const auto layouts = KnownLayouts();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const DelimitedText text = ReadDelimitedText(bytes, "in.csv");
    if (!text.refusal.empty()) {
        if (!text.rows.empty()) __builtin_trap();
        return 0;
    }
    Database db;
    db.valueTrees[3] = "Points\r\n\t90-94 - Outstanding\r\n\tBelow 75 - Not Recommended\r\n";
    const ImportPlan plan = PlanImport(text, db.labels, layouts);
    if (!plan.layout) return 0;
    if (plan.targets.size() != plan.header.size()) __builtin_trap();
    const CellarImportReport report = ImportCellar(db, text, plan, true);
    if (report.error.empty() && report.imported != db.records.size()) __builtin_trap();
    return 0;
}
