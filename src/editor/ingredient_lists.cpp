#include "editor/ingredient_lists.h"

#include <algorithm>

#include "storage/ascii_case.h"

namespace vorlane {

namespace {
bool FoldedLess(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(AsciiLower(x)) < static_cast<unsigned char>(AsciiLower(y));
    });
}

bool FoldedEqual(const std::string& a, const std::string& b) { return EqualsIgnoringAsciiCase(a, b); }
}  // namespace

const std::vector<std::string>& CommonIngredients() {
    static const std::vector<std::string> names = {
        "Acid Blend",         "Amylase Enzyme",        "Ascorbic Acid",     "Calcium Carbonate",
        "Calcium Chloride Flakes", "Citric Acid",      "Gypsum",            "Irish Moss",
        "Lactic Acid",        "Licorice Stick",        "Malic Acid",        "Pectic Enzyme Liquid",
        "Potassium Bicarbonate", "Potassium Sorbate",  "Sodium Benzoate",   "Sodium Metabisulfite",
        "Spruce Essence",     "Sweet Woodruff",        "Tannin",            "Tannisol",
        "Tartaric Acid",      "Wine Conditioner",      "Yeast",             "Yeast Energizer",
        "Yeast Starter",
    };
    return names;
}

const std::vector<std::string>& CommonUnits() {
    static const std::vector<std::string> names = {
        "bushel (dry)", "cup",   "dash", "gram",  "kilogram", "liter",      "milliliter", "ounce",
        "peck (dry)",   "pinch", "pint", "pound", "quart",    "tablespoon", "teaspoon",   "units",
    };
    return names;
}

std::vector<std::string> SortedPickList(std::vector<std::string> names) {
    std::stable_sort(names.begin(), names.end(), FoldedLess);
    names.erase(std::unique(names.begin(), names.end(), FoldedEqual), names.end());
    return names;
}

std::vector<std::string> IngredientPickList() { return SortedPickList(CommonIngredients()); }
std::vector<std::string> UnitPickList() { return SortedPickList(CommonUnits()); }

PickMenu PickMenuForColumn(int column) {
    switch (column) {
        case kIngredientColumn:
            return PickMenu::Ingredients;
        case kMeasureColumn:
            return PickMenu::Units;
        default:
            return PickMenu::None;
    }
}

}  // namespace vorlane
