#pragma once

#include <string>

#include "storage/database.h"

namespace vorlane::cli {

// Reads the whole file; throws FileProblem when it cannot be read or is not
// a database. Passwords are not asked for: the tool serves the owner's
// scripts, and the scrambling protects nothing from them.
Database LoadDatabase(const std::string& path);

// Writes db to path safely; throws FileProblem when it cannot, and while a
// program has path open (it would overwrite the file without knowing).
void SaveDatabase(Database& db, const std::string& path);

}  // namespace vorlane::cli
