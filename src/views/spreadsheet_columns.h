#pragma once
// The spreadsheet's column list as the grid uses it: which positions are
// shown, their header texts, and a column dragged to another place.

#include <string>
#include <vector>

#include "storage/app_settings.h"
#include "storage/fields.h"
#include "storage/labels.h"

namespace vorlane {

// Positions 0 ... k, k the last position holding a field; empty when none does.
std::vector<int> ShownColumns(const ColumnList& columns);

// The header texts of the shown columns.
std::vector<std::string> ColumnHeaders(const ColumnList& columns, const LabelTable& labels);

// The yellow box above the grid: the header texts joined by "+".
std::string ViewFieldsText(const ColumnList& columns, const LabelTable& labels);

// A header dragged from one position to another: the codes between shift by
// one, and the widths go with their columns. Positions outside 0 ... 50 are ignored.
void MoveColumn(ColumnList& columns, ColumnWidths& widths, int from, int to);

}  // namespace vorlane
