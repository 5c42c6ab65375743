#include "app/cli/load_database.h"

#include "app/cli/command.h"
#include "storage/database_file.h"
#include "storage/file_lock.h"
#include "storage/safe_file.h"
#include "widgets/qt_file_locks.h"

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

void SaveDatabase(Database& db, const std::string& path) {
    QtFileLocks locks;
    LockHolder holder;
    // Held while writing, so that the program does not open a half-made file.
    std::unique_ptr<HeldLock> lock = locks.TryLock(path, holder);
    if (!lock && !holder.program.empty())
        throw FileProblem(path + " is open in " + DescribeHolder(holder) + "; nothing was written");
    FileResult saved = SaveDatabaseFile(db, path);
    if (!saved.ok) throw FileProblem(saved.error);
}

}  // namespace vorlane::cli
