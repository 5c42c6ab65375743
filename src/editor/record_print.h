#pragma once
// Printing the shown record: the recipe as plain text lines.

#include <string>
#include <vector>

#include "storage/print_pages.h"

namespace vorlane {

inline constexpr const char* kRecipePrintedMessage = "Recipe sent to printer.";

// One data row of the ingredients grid as shown.
struct IngredientRow {
    std::string ingredient;
    std::string quantity;
    std::string measure;
    std::string notes;
};

// "Recipe for <name>", the ingredient lines (rows without an ingredient
// left out), "Directions" and the notes.
std::vector<std::string> RecipeLines(const std::string& recordName, const std::vector<IngredientRow>& rows,
                                     const std::vector<std::string>& notes);

}  // namespace vorlane
