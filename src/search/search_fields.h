#pragma once
// The fields a search term can name: search field numbers, their captions
// and the menus the term grid pops up.

#include <array>
#include <string>
#include <vector>

#include "search/search_record.h"
#include "storage/labels.h"

namespace vorlane {

inline constexpr const char* kRemoveTermCaption = "REMOVE SEARCH TERM";
inline constexpr const char* kIngredientsCaption = "Ingredients";
inline constexpr const char* kIncludesCaption = "Includes";
inline constexpr const char* kDoesNotIncludeCaption = "Does Not Include";

// The main window's captions the search shows beside the label table.
struct SearchCaptions {
    std::string status = "Status";
    std::string name = "Name";
    std::array<std::string, 3> notes{"Keywords", "Food Pairing", "Notes"};
    std::array<std::string, 3> statusFlags{"Favorite", "Tested", "Untested"};
};

// Descriptions 0 ... 90, details 100 ... 190, status, name, notes, ingredients.
const std::vector<int>& SearchFieldNumbers();
bool IsSearchFieldNumber(int number);

// The field-menu caption of a search field number; "" when it names no field.
std::string SearchFieldCaption(int number, const LabelTable& labels, const SearchCaptions& captions);

constexpr int kRemoveTermEntry = -2;  // number of the "REMOVE SEARCH TERM" entry

struct FieldMenuEntry {
    std::string caption;
    int number = kRemoveTermEntry;  // search field number, kRemoveTermEntry for the first entry
    bool enabled = true;
    bool operator==(const FieldMenuEntry&) const = default;
};

// The type menu: "Includes", "Does Not Include".
std::array<std::string, 2> TypeMenu();
// The type a "Type" cell text stands for.
std::int32_t TypeOfCaption(const std::string& caption);
const char* CaptionOfType(std::int32_t type);

// The status menu: the main window's three status captions.
std::array<std::string, 3> StatusMenu(const SearchCaptions& captions);

// How the "Value" cell of a term gets its value.
enum class ValueChooser {
    None,             // a row without criterion, or a number naming no field
    DescriptionMenu,  // the value menu of description field (number / 10 + 1)
    RangeDialog,
    StatusMenu,
    Typed,
};
ValueChooser ChooserFor(int number);
// Description field 1 ... 10 of a number 0 ... 90.
constexpr int DescriptionOfSearchField(int number) { return number / 10 + 1; }
// Detail 0 ... 9 of a number 100 ... 190.
constexpr int DetailOfSearchField(int number) { return (number - 100) / 10; }

}  // namespace vorlane
