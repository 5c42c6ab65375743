#include "editor/ui/ingredients_grid.h"

#include <QHeaderView>
#include <algorithm>

#include "widgets/text_codec.h"
#include "widgets/text_guard.h"
#include "storage/database_file.h"

namespace vorlane {

namespace {
// A damaged block may claim any size; the grid shows at most this much.
constexpr int kMaxColumns = 64;
constexpr int kMaxRows = 10000;
const char* const kHeadings[] = {"Ingredients", "Quantity", "Measure", "Notes"};
}  // namespace

IngredientsGrid::IngredientsGrid(TextGuard* guard, QWidget* parent) : QTableWidget(kRows - 1, kColumns, parent) {
    setObjectName(QStringLiteral("DirGrid"));
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setTabKeyNavigation(true);
    if (guard) setItemDelegate(guard->MakeDelegate(this));
    connect(this, &QTableWidget::itemChanged, this, [this] {
        if (!loading_) edited_ = true;
    });
    // The last column follows the width by itself; any other change that is
    // not ours came from the person.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
        if (!sharing_ && column < columnCount() - 1) sizedByHand_ = true;
    });
    Load({});
}

void IngredientsGrid::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    shareWidth();
}

// Until the person sizes the columns, they share the width: the ingredient
// and its notes get the most.
void IngredientsGrid::shareWidth() {
    if (sizedByHand_ || columnCount() != kColumns) return;
    sharing_ = true;
    int width = viewport()->width();
    const double kShares[] = {0.36, 0.14, 0.18};
    for (int c = 0; c < 3; ++c) setColumnWidth(c, static_cast<int>(width * kShares[c]));
    sharing_ = false;
}

void IngredientsGrid::Load(const std::string& block) {
    loading_ = true;
    clearContents();
    IngredientsTable table;
    if (!block.empty()) {
        table = DecodeIngredients(block);
        int columns = table.columns, rows = table.rows;
        for (const auto& cell : table.cells) {
            columns = std::max(columns, cell.column + 1);
            rows = std::max(rows, cell.row + 1);
        }
        setColumnCount(std::clamp(columns, 1, kMaxColumns));
        setRowCount(std::clamp(rows, 1, kMaxRows) - 1);
    }
    for (int c = 0; c < columnCount(); ++c) SetCell(c, 0, {});
    for (const auto& cell : table.cells) SetCell(cell.column, cell.row, cell.text);
    for (int c = 0; c < std::min(kColumns, columnCount()); ++c) SetCell(c, 0, kHeadings[c]);
    loading_ = false;
    edited_ = false;
}

void IngredientsGrid::SetCell(int column, int row, const std::string& text) {
    if (column < 0 || column >= columnCount() || row < 0 || row > rowCount()) return;
    bool wasLoading = loading_;
    loading_ = true;
    if (row == 0) {
        QTableWidgetItem* header = horizontalHeaderItem(column);
        if (!header) setHorizontalHeaderItem(column, header = new QTableWidgetItem);
        header->setText(ToQString(text));
    } else if (QTableWidgetItem* existing = item(row - 1, column)) {
        existing->setText(ToQString(text));
    } else {
        setItem(row - 1, column, new QTableWidgetItem(ToQString(text)));
    }
    loading_ = wasLoading;
    if (!loading_) edited_ = true;
}

std::string IngredientsGrid::Cell(int column, int row) const {
    const QTableWidgetItem* source = row == 0 ? horizontalHeaderItem(column) : item(row - 1, column);
    std::string text;
    // Cells only ever hold storable text: it comes from records or guarded editors.
    if (source) FromQString(source->text(), text);
    return text;
}

std::string IngredientsGrid::Store() const {
    IngredientsTable table;
    table.columns = columnCount();
    table.rows = rowCount() + 1;
    for (int r = 0; r < table.rows; ++r)
        for (int c = 0; c < table.columns; ++c) {
            std::string text = Cell(c, r);
            if (!text.empty()) table.cells.push_back({c, r, std::move(text)});
        }
    return EncodeIngredients(table);
}

}  // namespace vorlane
