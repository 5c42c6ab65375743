#include "app/cli/command.h"
#include "app/cli/load_database.h"
#include "app/cli/report_options.h"

namespace vorlane::cli {

void RunSearch(const std::vector<std::string>& arguments, std::ostream& out) {
    Database db = LoadDatabase(arguments[0]);

    // Nothing is on the search list of a freshly read database, so every
    // flagged record is one the search found.
    ApplySavedSearch(db, arguments[1]);
    for (std::size_t i = 0; i < db.records.size(); ++i)
        if (db.records[i].OnSearchList) out << i + 1 << '\n';
}

}  // namespace vorlane::cli
