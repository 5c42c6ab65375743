#include "editor/ui/recipe_print.h"

#include <QTableWidget>

#include "editor/ingredient_lists.h"
#include "widgets/window_print.h"

namespace vorlane {

std::vector<IngredientRow> IngredientRowsOf(const QTableWidget& grid) {
    auto cell = [&grid](int row, int column) {
        const QTableWidgetItem* item = grid.item(row, column);
        return item ? ShownText(item->text()) : std::string();
    };
    std::vector<IngredientRow> rows;
    for (int r = 0; r < grid.rowCount(); ++r)
        rows.push_back({cell(r, kIngredientColumn), cell(r, kQuantityColumn), cell(r, kMeasureColumn),
                        cell(r, kNotesColumn)});
    return rows;
}

void PrintRecipe(RecordPrinter& printer, QWidget* parent, const QString& recordName, const QTableWidget& grid,
                 const QString& notes) {
    printer.printLines(parent, RecipeLines(ShownText(recordName), IngredientRowsOf(grid), MemoLines(ShownText(notes))),
                       kRecipePrintedMessage);
}

}  // namespace vorlane
