#include "app/cli/command.h"
#include "app/cli/load_database.h"
#include "app/cli/report_options.h"
#include "reports/shopping_list.h"
#include "storage/cp1252.h"

namespace vorlane::cli {

void RunShopping(const std::vector<std::string>& arguments, std::ostream& out) {
    ReportOptions options = ParseReportOptions(arguments, false);
    if (options.positional.size() != 1) throw UsageError("shopping DB [--search SRH]");
    Database db = LoadDatabase(options.positional[0]);
    if (options.search) ApplySavedSearch(db, *options.search);
    // Item, a tab, then the quantity with its measure.
    for (const auto& line : TallyShoppingList(db.records, options.search.has_value()))
        out << Cp1252ToUtf8(line.item) << '\t' << Cp1252ToUtf8(line.quantity) << '\n';
}

}  // namespace vorlane::cli
