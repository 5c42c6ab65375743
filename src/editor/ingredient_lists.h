#pragma once
// The ingredients table's columns and the two pick lists offered when an
// Ingredients or Measure cell is right-clicked.

#include <string>
#include <vector>

namespace vorlane {

// Column positions of the table (0-based, as stored).
inline constexpr int kIngredientColumn = 0;
inline constexpr int kQuantityColumn = 1;
inline constexpr int kMeasureColumn = 2;
inline constexpr int kNotesColumn = 3;

// The names as they are shipped, before sorting.
const std::vector<std::string>& CommonIngredients();
const std::vector<std::string>& CommonUnits();

// names sorted without regard to ASCII letter case; of names that differ
// only in case the first one given is kept.
std::vector<std::string> SortedPickList(std::vector<std::string> names);

// The two menus' entries in menu order; an entry's position is its index.
std::vector<std::string> IngredientPickList();
std::vector<std::string> UnitPickList();

enum class PickMenu { None, Ingredients, Units };
// Which pick menu a right-click in a data cell of column opens.
PickMenu PickMenuForColumn(int column);

}  // namespace vorlane
