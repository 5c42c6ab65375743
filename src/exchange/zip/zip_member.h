#pragma once
// One file out of a ZIP archive, such as the phone app's data download.
// Kept out of the core so that only this library sees libzip.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "storage/database_file.h"

namespace vorlane {

bool IsZipArchive(std::string_view bytes);

// The first member whose base name is baseName, wherever it lies in the
// archive, read up to maxBytes. No value and an empty error: no such member.
std::optional<std::string> ReadZipMember(const std::string& zipPath, std::string_view baseName, std::string& error,
                                         std::size_t maxBytes = kMaxDatabaseBytes);

// When bytes (read from path) are a ZIP archive, replaces them by its
// cellar.csv. False with the error when there is none or it cannot be read.
bool TakeCellarOutOfZip(const std::string& path, std::string& bytes, std::string& error);

}  // namespace vorlane
