#pragma once

#include <string>

#include "storage/database.h"

namespace vorlane::cli {

// Reads the whole file; throws FileProblem when it cannot be read or is not
// a database. Passwords are not asked for: the tool serves the owner's
// scripts, and the scrambling protects nothing from them.
Database LoadDatabase(const std::string& path);

}  // namespace vorlane::cli
