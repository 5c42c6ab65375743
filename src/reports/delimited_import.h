#pragma once
// Comma-delimited text as new records, one per line, through the regular
// report's item list.

#include <string>
#include <string_view>
#include <vector>

#include "reports/regular_report.h"
#include "storage/database.h"
#include "storage/database_file.h"
#include "storage/outside_text.h"

namespace vorlane {

inline constexpr const char* kFileImported = "File Imported";

// The file's logical lines: a line break inside a quoted field belongs to it.
std::vector<std::string> DelimitedLines(std::string_view text);

// The token of each item-list entry in turn. A field opening with a quote
// is read up to its closing quote (doubled quotes are one); otherwise a
// token runs to the next comma; the text left without a comma is the
// token of every later entry.
std::vector<std::string> DelimitedTokens(std::string line, std::size_t count);

struct ImportCaptions {
    std::string favorite = "Favorite", tested = "Tested", untested = "Untested";
};

// A new record with the import's starting values, filled from one line.
ItemRecord ImportedRecord(const std::vector<ReportItem>& items, const std::string& line, const std::string& today,
                          const ImportCaptions& captions = {});

struct ImportResult {
    std::size_t added = 0;
    // The file bytes of the database with the lines imported so far; past
    // kMaxDatabaseBytes the import stops and adds nothing, as the file could
    // no longer be saved and read back.
    std::size_t databaseBytes = 0;
    bool tooLarge = false;
    std::size_t replaced = 0;  // characters Windows-1252 cannot hold
    std::vector<ReplacedOnLine> replacedLines;
};

// Appends one record per line that is not blank, all of them or none; the
// file's bytes are read as UTF-8 or Windows-1252 (the export has a byte-order mark).
ImportResult ImportDelimited(Database& db, const std::vector<ReportItem>& items, std::string_view bytes,
                             const std::string& today, std::size_t maxDatabaseBytes = kMaxDatabaseBytes);

std::string ImportTooLargeMessage(const ImportResult& result, std::size_t maxDatabaseBytes = kMaxDatabaseBytes);

// "File Imported", followed by which characters had to be replaced.
std::string ImportedMessage(const ImportResult& result);

}  // namespace vorlane
