#include "views/spreadsheet_columns.h"

#include <algorithm>

namespace vorlane {

std::vector<int> ShownColumns(const ColumnList& columns) {
    auto last = std::find_if(columns.rbegin(), columns.rend(), [](int code) { return code != kNoField; });
    return {columns.begin(), last.base()};
}

std::vector<std::string> ColumnHeaders(const ColumnList& columns, const LabelTable& labels) {
    std::vector<std::string> headers;
    for (int code : ShownColumns(columns)) headers.push_back(FieldName(code, labels));
    return headers;
}

std::string ViewFieldsText(const ColumnList& columns, const LabelTable& labels) {
    std::string text;
    for (const auto& header : ColumnHeaders(columns, labels)) {
        if (!text.empty()) text += '+';
        text += header;
    }
    return text;
}

namespace {
template <class Array>
void moveEntry(Array& entries, std::size_t from, std::size_t to) {
    if (from < to) std::rotate(entries.begin() + from, entries.begin() + from + 1, entries.begin() + to + 1);
    else std::rotate(entries.begin() + to, entries.begin() + from, entries.begin() + from + 1);
}
}  // namespace

void MoveColumn(ColumnList& columns, ColumnWidths& widths, int from, int to) {
    if (from < 0 || to < 0 || from >= kSpreadsheetColumns || to >= kSpreadsheetColumns || from == to) return;
    moveEntry(columns, static_cast<std::size_t>(from), static_cast<std::size_t>(to));
    moveEntry(widths, static_cast<std::size_t>(from), static_cast<std::size_t>(to));
}

}  // namespace vorlane
