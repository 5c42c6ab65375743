#pragma once
// Small databases written to disk for tests that open, merge and save them.

#include <string>
#include <vector>

#include "storage/database.h"

namespace vorlane::testing {

// One record per name, each with the initial values of a new record.
Database CellarOf(const std::vector<std::string>& names);

// Writes db with the two passwords (plain text, scrambled on the way);
// fails the test when the file cannot be written.
void WriteCellar(const std::string& path, Database db, const std::string& readPassword = "",
                 const std::string& savePassword = "");

// The database in the file; fails the test when it does not read.
Database ReadCellar(const std::string& path);

}  // namespace vorlane::testing
