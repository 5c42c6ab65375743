#pragma once
// A database that uses every part of the file, with the UTF-8 the tool
// should print for its Windows-1252 texts written out by hand.

#include <string>

#include "storage/database.h"
#include "storage/database_file.h"

namespace vorlane::cli::test {

inline constexpr const char* kReadPassword = "Zq7-cellar-read";
inline constexpr const char* kSavePassword = "Zq7-cellar-save";

// 300 bytes of "Ch\xE2teau \x80 " and the same as UTF-8.
std::string LongCp1252();
std::string LongUtf8();

// Row 0 holds the headings; every one of the 4 x 100 cells is filled.
IngredientsTable FullIngredients();

// Three records: a full one, a new one, a locked favourite.
Database RichCellar();

}  // namespace vorlane::cli::test
