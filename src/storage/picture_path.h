#pragma once
// Where a record's picture file is: a relative name is looked up beside the
// open database file, so a cellar folder can be moved with its pictures.

#include <string>

namespace vorlane {

// name as it is when it is absolute, when it is empty, or when no database
// file is open; otherwise the folder of databaseFile joined with name.
std::string ResolvePicturePath(const std::string& name, const std::string& databaseFile);

}  // namespace vorlane
