#pragma once
// The shown record printed as a recipe.

#include <QString>
#include <vector>

#include "editor/record_print.h"

class QTableWidget;
class QWidget;

namespace vorlane {

class RecordPrinter;

// The data rows of the ingredients grid as shown (grid row r = data row r + 1).
std::vector<IngredientRow> IngredientRowsOf(const QTableWidget& grid);

// The recipe from the shown name, ingredients grid and "Notes" memo text,
// then "Recipe sent to printer.".
void PrintRecipe(RecordPrinter& printer, QWidget* parent, const QString& recordName, const QTableWidget& grid,
                 const QString& notes);

}  // namespace vorlane
