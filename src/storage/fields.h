#pragma once
// The numberings by which windows name fields, and the helpers every
// window shares to turn a field into text or a number.

#include <array>
#include <string>
#include <string_view>

#include "storage/labels.h"
#include "storage/record.h"

namespace vorlane {

// Field codes: 10*k description k, 110+10*k detail k, then these.
constexpr int kNoField = -1;
constexpr int kStatusCode = 210;
constexpr int kRecordNumberCode = 220;
constexpr int kNameCode = 230;
constexpr int kFirstImageCode = 240;

constexpr int DescriptionCode(int k) { return 10 * k; }
constexpr int DetailCode(int k) { return 110 + 10 * k; }
constexpr int ImageCode(int k) { return 230 + 10 * k; }
constexpr bool IsDescriptionCode(int code) { return code >= 10 && code <= 100 && code % 10 == 0; }
constexpr bool IsDetailCode(int code) { return code >= 110 && code <= 200 && code % 10 == 0; }
constexpr bool IsImageCode(int code) { return code >= 240 && code <= 290 && code % 10 == 0; }
constexpr int FieldIndex(int code) { return code / 10 - 1; }
constexpr int FieldCodeOfIndex(int index) { return (index + 1) * 10; }

// Search field numbers.
constexpr int SearchFieldOfDescription(int k) { return 10 * (k - 1); }
constexpr int SearchFieldOfDetail(int k) { return 100 + 10 * k; }
constexpr int kSearchStatus = 200;
constexpr int kSearchName = 210;
constexpr int SearchFieldOfNotes(int list) { return 220 + 10 * list; }
constexpr int kSearchIngredients = 250;

// Sort keys: 1 ... 10 descriptions, 11 ... 20 details 0 ... 9, 21 name.
constexpr int kSortKeyCount = 21;
constexpr int SortKeyOfDescription(int k) { return k; }
constexpr int SortKeyOfDetail(int k) { return 11 + k; }
constexpr int kSortKeyName = 21;

constexpr int kSpreadsheetColumns = 51;
using ColumnList = std::array<int, kSpreadsheetColumns>;
ColumnList DefaultSpreadsheetColumns();
ColumnList ResetSpreadsheetColumns();  // the same without the status column
constexpr int kDefaultColumnWidth = 136;

// "" for codes that name no field.
std::string FieldName(int code, const LabelTable& labels);

// "Favorite", "Tested" or "Untested": the first flag set, "" when none.
std::string StatusText(const ItemRecord& record);

// Digits and the last decimal point, in order; "0" when nothing is left.
std::string NumericValue(std::string_view text);

}  // namespace vorlane
