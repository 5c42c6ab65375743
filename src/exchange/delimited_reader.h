#pragma once
// Delimited text as other programs export it: the encoding through the
// outside-text helper, the delimiter sniffed, RFC 4180 quoting, and refusals
// of what is no such text.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "storage/outside_text.h"

namespace vorlane {

// Bounds that keep a hostile file from taking the machine's memory.
inline constexpr std::size_t kMaxImportFieldBytes = std::size_t{1} << 20;
inline constexpr std::size_t kMaxImportColumns = 1000;

struct DelimitedRow {
    std::size_t line = 0;  // where the row starts, 1-based
    std::vector<std::string> fields;
};

struct DelimitedText {
    std::string refusal;  // when not empty, nothing else is filled
    char delimiter = ',';
    std::vector<DelimitedRow> rows;  // blank lines left out
    std::vector<ReplacedOnLine> replacedLines;
};

// Comma, semicolon or tab: whichever stands most often outside quotes on the
// first line that holds any.
char SniffDelimiter(std::string_view text);

// name is how messages call the file.
DelimitedText ReadDelimitedText(std::string_view bytes, const std::string& name);

}  // namespace vorlane
