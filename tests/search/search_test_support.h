#pragma once
// Building terms the way the window does: choose a field, a type, a value.

#include <string>

#include "search/range_masks.h"
#include "search/search_fields.h"
#include "search/search_terms.h"
#include "storage/record.h"

namespace vorlane::testing_support {

// Puts a term into the first row without criterion, adding a row when needed.
// high empty: typed/menu value, or the dialog's exact value when the field uses it.
inline int AddSearchTerm(SearchTerms& terms, int number, std::int32_t type, const std::string& value,
                         const std::string& high = {}, bool exact = false) {
    int row = -1;
    for (int r = 0; r < static_cast<int>(terms.rows().size()); ++r)
        if (!terms.criterionOf(r)) row = row < 0 ? r : row;
    if (row < 0) {
        if (!terms.AddTerm().empty()) return -1;
        row = static_cast<int>(terms.rows().size()) - 1;
    }
    if (!terms.ChooseField(row, number, SearchFieldCaption(number, DefaultLabels(), SearchCaptions{}))) return -1;
    terms.ChooseType(row, type);
    switch (terms.ChooserOf(row)) {
        case ValueChooser::RangeDialog:
            if (exact) terms.ApplyRange(row, AcceptSpecificValue(value));
            else if (!value.empty() || !high.empty()) terms.ApplyRange(row, AcceptRange(value, high));
            break;
        case ValueChooser::Typed:
            terms.SetTypedValue(row, value);
            break;
        default:
            if (!value.empty()) terms.SetChosenValue(row, value);
    }
    return row;
}

inline ItemRecord Wine(const std::string& name) {
    ItemRecord r;
    r.Name = name;
    return r;
}

}  // namespace vorlane::testing_support
