#pragma once
// Every record as CSV for other programs, and reading that export back.

#include <string>

#include "storage/database.h"

namespace vorlane {

// UTF-8 with a byte-order mark; a header row of the database's labels and one
// row per record with every field a person sees: name, the ten details, the
// ten descriptions as full value paths, the three flags, the three notes
// lists and the links (lines joined by line breaks inside quotes), and the
// pictures' file names.
std::string ExportAllRecords(const Database& db);

}  // namespace vorlane
