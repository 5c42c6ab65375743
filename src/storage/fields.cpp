#include "storage/fields.h"

#include <algorithm>

namespace vorlane {

namespace {
ColumnList columnsWith(bool statusColumn) {
    ColumnList columns;
    columns.fill(kNoField);
    std::size_t n = 0;
    columns[n++] = kRecordNumberCode;
    columns[n++] = kNameCode;
    for (int code = 10; code <= 200; code += 10) columns[n++] = code;
    if (statusColumn) columns[n++] = kStatusCode;
    for (int k = 1; k <= kImageCount; ++k) columns[n++] = ImageCode(k);
    return columns;
}
}  // namespace

ColumnList DefaultSpreadsheetColumns() { return columnsWith(true); }
ColumnList ResetSpreadsheetColumns() { return columnsWith(false); }

std::string FieldName(int code, const LabelTable& labels) {
    static const char* const kImageNames[kImageCount] = {"Image One",  "Image Two",  "Image Three",
                                                         "Image Four", "Image Five", "Image Six"};
    if (IsDescriptionCode(code)) return labels[static_cast<std::size_t>((code - 10) / 10 + 10)];
    if (IsDetailCode(code)) return labels[static_cast<std::size_t>((code - 110) / 10)];
    if (code == kStatusCode) return "Status";
    if (code == kRecordNumberCode) return "Record #";
    if (code == kNameCode) return "Name";
    if (IsImageCode(code)) return kImageNames[(code - kFirstImageCode) / 10];
    return {};
}

std::string StatusText(const ItemRecord& record) {
    if (record.Favorite) return "Favorite";
    if (record.Tested) return "Tested";
    if (record.Untested) return "Untested";
    return {};
}

std::string NumericValue(std::string_view text) {
    std::string reversed;
    bool pointKept = false;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        char c = *it;
        if (c >= '0' && c <= '9') {
            reversed.push_back(c);
        } else if (c == '.' && !pointKept) {
            reversed.push_back(c);
            pointKept = true;
        }
    }
    if (reversed.empty()) return "0";
    return std::string(reversed.rbegin(), reversed.rend());
}

}  // namespace vorlane
