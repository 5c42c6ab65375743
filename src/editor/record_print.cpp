#include "editor/record_print.h"

namespace vorlane {

std::vector<std::string> RecipeLines(const std::string& recordName, const std::vector<IngredientRow>& rows,
                                     const std::vector<std::string>& notes) {
    std::vector<std::string> lines = {"Recipe for " + recordName, "", "Ingredients:", ""};
    for (const IngredientRow& row : rows) {
        if (row.ingredient.empty()) continue;
        lines.push_back(row.quantity + " " + row.measure + " " + row.ingredient + " " + row.notes);
    }
    lines.insert(lines.end(), {"", "Directions", ""});
    lines.insert(lines.end(), notes.begin(), notes.end());
    return lines;
}

}  // namespace vorlane
