#include "app/cli/command.h"
#include "app/cli/load_database.h"
#include "storage/cp1252.h"

namespace vorlane::cli {

void RunInfo(const std::vector<std::string>& arguments, std::ostream& out) {
    Database db = LoadDatabase(arguments[0]);
    out << "Records: " << db.records.size() << '\n';
    out << "Name: " << Cp1252ToUtf8(db.info[InfoDatabaseName]) << '\n';
    for (int i = 0; i < kLabelCount; ++i)
        out << "Label " << i << ": " << Cp1252ToUtf8(db.labels[static_cast<std::size_t>(i)]) << '\n';
    out << "Read password: " << (db.readPassword.empty() ? "no" : "yes") << '\n';
    out << "Save password: " << (db.savePassword.empty() ? "no" : "yes") << '\n';
}

}  // namespace vorlane::cli
