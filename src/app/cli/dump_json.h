#pragma once

#include <ostream>

#include <nlohmann/json.hpp>

#include "storage/database.h"

namespace vorlane::cli {

// Texts are turned from Windows-1252 into UTF-8; keys keep the file's order.
nlohmann::ordered_json RecordJson(const ItemRecord& record);

// Pretty-printed with two-space indent and a final newline. Records are
// written one at a time so that a large cellar is never held twice.
void WriteDatabaseJson(const Database& db, std::ostream& out);

}  // namespace vorlane::cli
