#pragma once
// The commands of the "Ingredients" page around the grid DirGrid: the pick
// menus of common ingredients and units, "Convert Units" and "Print
// Ingredients". Works on any QTableWidget whose columns are Ingredients,
// Quantity, Measure and Notes and whose rows are all data rows.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <memory>
#include <vector>

#include "widgets/window_print.h"
#include "widgets/grid_print.h"
#include "editor/unit_conversion.h"

class QAction;
class QMenu;
class QPrinter;
class QPushButton;
class QTableWidget;

namespace vorlane {

class Dialogs;

class IngredientsActions : public QObject {
    Q_OBJECT
public:
    // Takes over the grid's context menu (right-click opens the pick menus).
    // Owned by the grid.
    IngredientsActions(QTableWidget* grid, Dialogs& dialogs);
    ~IngredientsActions() override;

    // Connects the page's two buttons to their commands.
    void attachButtons(QPushButton* printIngredients, QPushButton* convertUnits);

    // The main window calls this whenever it becomes active.
    void rebuildPickMenus();

    // Right-click at pos (grid viewport coordinates): the clicked cell
    // becomes current; an Ingredients cell opens the ingredient menu, a
    // Measure cell the unit menu. Returns the menu opened, if any.
    QMenu* menuForCell(const QPoint& pos);

    // Offers the current row's conversions, or says there are none.
    // Returns whether the conversion menu opened.
    bool convertUnits();

    // The menu with "Print Settings" and "Print", below the button's middle.
    void printIngredients();
    void printSetup();
    void print();

    GridPrintSettings& printSettings() { return printSettings_; }
    void setPrinterChooser(PrinterChooser chooser) { chooser_ = std::move(chooser); }
    QPrinter& printer() { return *printer_; }

    QMenu* ingredientMenu() const { return ingredientMenu_; }
    QMenu* unitMenu() const { return unitMenu_; }
    QMenu* conversionMenu() const { return conversionMenu_; }
    QMenu* printMenu() const { return printMenu_; }

private:
    void pickCellValue(QAction* entry, int column);
    void saveConversion(QAction* entry);
    void fillPickMenu(QMenu* menu, const std::vector<std::string>& names);

    QTableWidget* grid_;
    Dialogs& dialogs_;
    QMenu* ingredientMenu_;
    QMenu* unitMenu_;
    QMenu* conversionMenu_;
    QMenu* printMenu_;
    QPointer<QPushButton> printButton_;

    std::vector<UnitConversion> conversions_;
    int conversionRow_ = -1;

    GridPrintSettings printSettings_;  // remembered for the run
    std::unique_ptr<QPrinter> printer_;
    PrinterChooser chooser_;
};

// Writes text into a grid cell, creating the item when there is none.
void SetGridCell(QTableWidget& grid, int row, int column, const QString& text);

}  // namespace vorlane
