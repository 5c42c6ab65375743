#include "app/cli/load_database.h"

#include "app/cli/command.h"
#include "storage/database_file.h"
#include "storage/safe_file.h"

namespace vorlane::cli {

Database LoadDatabase(const std::string& path) {
    std::string bytes;
    FileResult read = ReadDatabaseBytes(path, bytes);
    if (!read.ok) throw FileProblem(read.error);
    Database db;
    if (DecodeDatabase(bytes, path, db) != ReadStatus::Loaded)
        throw FileProblem(path + " is not a valid Vorlane file");
    return db;
}

}  // namespace vorlane::cli
