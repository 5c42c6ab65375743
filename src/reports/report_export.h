#pragma once
// The export table of the regular report as comma-delimited text and as HTML,
// both UTF-8 with a byte-order mark for the programs that open them.

#include <string>
#include <vector>

namespace vorlane {

using ExportTable = std::vector<std::vector<std::string>>;

// One line per row, CR LF ends; a cell holding a comma, a quote, CR or LF
// is quoted with its quotes doubled; an empty cell is "".
std::string ExportCsv(const ExportTable& table);

// A bare table of the rows, cell texts escaped.
std::string ExportHtml(const ExportTable& table);

}  // namespace vorlane
