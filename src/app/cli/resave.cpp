#include "app/cli/command.h"
#include "app/cli/load_database.h"
#include "storage/database_file.h"

namespace vorlane::cli {

// The save password is not checked: nothing in the file changes, and the
// reader has already filled an empty database name from IN's name, which
// is what the program itself would store.
void RunResave(const std::vector<std::string>& arguments, std::ostream&) {
    Database db = LoadDatabase(arguments[0]);
    SaveDatabase(db, arguments[1]);
}

}  // namespace vorlane::cli
