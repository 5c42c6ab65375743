#pragma once
// The shopping list: every record's ingredients summed by ingredient and
// measure.

#include <string>
#include <vector>

#include "storage/record.h"

namespace vorlane {

struct ShoppingLine {
    std::string item;      // "Item"
    std::string quantity;  // "Quantity Required": "2.500 cup"
    bool operator==(const ShoppingLine&) const = default;
};

// In order of first appearance; keys compare without regard to ASCII case
// and keep the first spelling.
std::vector<ShoppingLine> TallyShoppingList(const RecordList& records, bool searchListOnly);

}  // namespace vorlane
