#include "editor/ui/ingredients_actions.h"

#include <QCursor>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>

#include "widgets/text_codec.h"
#include "editor/ingredient_lists.h"
#include "storage/dialogs.h"

namespace vorlane {

namespace {
// Entry texts are shown as they are: an '&' is not a keyboard accelerator.
QString MenuText(const std::string& text) { return ToQString(text).replace(QLatin1Char('&'), QStringLiteral("&&")); }

QString CellText(const QTableWidget& grid, int row, int column) {
    const QTableWidgetItem* item = grid.item(row, column);
    return item ? item->text() : QString();
}
}  // namespace

void SetGridCell(QTableWidget& grid, int row, int column, const QString& text) {
    if (row < 0 || row >= grid.rowCount() || column < 0 || column >= grid.columnCount()) return;
    if (QTableWidgetItem* item = grid.item(row, column))
        item->setText(text);
    else
        grid.setItem(row, column, new QTableWidgetItem(text));
}

IngredientsActions::IngredientsActions(QTableWidget* grid, Dialogs& dialogs)
    : QObject(grid),
      grid_(grid),
      dialogs_(dialogs),
      ingredientMenu_(new QMenu(grid)),
      unitMenu_(new QMenu(grid)),
      conversionMenu_(new QMenu(grid)),
      printMenu_(new QMenu(grid)),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      chooser_(RunPrintDialog) {
    ingredientMenu_->setObjectName(QStringLiteral("IngredientMenu"));
    unitMenu_->setObjectName(QStringLiteral("UnitMenu"));
    conversionMenu_->setObjectName(QStringLiteral("ConversionMenu"));
    printMenu_->setObjectName(QStringLiteral("PrintIngredientsMenu"));

    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) { menuForCell(pos); });
    connect(ingredientMenu_, &QMenu::triggered, this, [this](QAction* a) { pickCellValue(a, kIngredientColumn); });
    connect(unitMenu_, &QMenu::triggered, this, [this](QAction* a) { pickCellValue(a, kMeasureColumn); });
    connect(conversionMenu_, &QMenu::triggered, this, &IngredientsActions::saveConversion);

    QAction* settings = printMenu_->addAction(QStringLiteral("Print Settings"));
    QAction* print = printMenu_->addAction(QStringLiteral("Print"));
    connect(settings, &QAction::triggered, this, &IngredientsActions::printSetup);
    connect(print, &QAction::triggered, this, &IngredientsActions::print);

    rebuildPickMenus();
}

IngredientsActions::~IngredientsActions() = default;

void IngredientsActions::attachButtons(QPushButton* printIngredients, QPushButton* convertUnits) {
    printButton_ = printIngredients;
    if (printIngredients)
        connect(printIngredients, &QPushButton::clicked, this, &IngredientsActions::printIngredients);
    if (convertUnits) connect(convertUnits, &QPushButton::clicked, this, &IngredientsActions::convertUnits);
}

void IngredientsActions::fillPickMenu(QMenu* menu, const std::vector<std::string>& names) {
    menu->clear();
    for (std::size_t i = 0; i < names.size(); ++i) {
        QAction* entry = menu->addAction(MenuText(names[i]));
        entry->setData(static_cast<int>(i));  // the entry's place in the sorted list
        entry->setProperty("pickText", ToQString(names[i]));
    }
}

void IngredientsActions::rebuildPickMenus() {
    fillPickMenu(ingredientMenu_, IngredientPickList());
    fillPickMenu(unitMenu_, UnitPickList());
}

QMenu* IngredientsActions::menuForCell(const QPoint& pos) {
    QModelIndex index = grid_->indexAt(pos);
    if (index.isValid()) grid_->setCurrentCell(index.row(), index.column());
    if (grid_->currentRow() < 0) return nullptr;
    QMenu* menu = nullptr;
    switch (PickMenuForColumn(grid_->currentColumn())) {
        case PickMenu::Ingredients:
            menu = ingredientMenu_;
            break;
        case PickMenu::Units:
            menu = unitMenu_;
            break;
        case PickMenu::None:
            return nullptr;
    }
    menu->popup(QCursor::pos());
    return menu;
}

void IngredientsActions::pickCellValue(QAction* entry, int column) {
    const int row = grid_->currentRow();
    if (row < 0 || grid_->currentColumn() != column) return;
    SetGridCell(*grid_, row, column, entry->property("pickText").toString());
}

bool IngredientsActions::convertUnits() {
    conversionMenu_->clear();
    conversions_.clear();
    conversionRow_ = grid_->currentRow();
    std::string quantity, unit;
    if (conversionRow_ >= 0) {
        quantity = ShownText(CellText(*grid_, conversionRow_, kQuantityColumn));
        unit = ShownText(CellText(*grid_, conversionRow_, kMeasureColumn));
    }
    conversions_ = OfferUnitConversions(quantity, unit, dialogs_);
    if (conversions_.empty()) return false;
    for (std::size_t i = 0; i < conversions_.size(); ++i)
        conversionMenu_->addAction(MenuText(conversions_[i].caption))->setData(static_cast<int>(i));
    conversionMenu_->popup(QCursor::pos());
    return true;
}

void IngredientsActions::saveConversion(QAction* entry) {
    bool ok = false;
    int i = entry->data().toInt(&ok);
    if (!ok || i < 0 || static_cast<std::size_t>(i) >= conversions_.size()) return;
    SetGridCell(*grid_, conversionRow_, kQuantityColumn, ToQString(conversions_[i].quantity));
    SetGridCell(*grid_, conversionRow_, kMeasureColumn, ToQString(conversions_[i].unit));
}

void IngredientsActions::printIngredients() {
    QPoint where = QCursor::pos();
    if (printButton_) where = printButton_->mapToGlobal(QPoint(printButton_->width() / 2, printButton_->height()));
    printMenu_->popup(where);
}

void IngredientsActions::printSetup() {
    GridPrintSettingsDialog dialog(printSettings_, grid_->window());
    if (dialog.exec() == QDialog::Accepted) printSettings_ = dialog.settings();
}

void IngredientsActions::print() {
    ApplyPageSettings(*printer_, printSettings_);
    int pages = GridPageCount(*printer_, *grid_, printSettings_);
    if (!chooser_(*printer_, grid_->window(), pages)) return;
    QString error;
    if (!PrintGrid(*printer_, *grid_, printSettings_, &error)) dialogs_.Error(ShownText(error));
}

}  // namespace vorlane
