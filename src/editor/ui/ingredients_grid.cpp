#include "editor/ui/ingredients_grid.h"

#include <QHeaderView>
#include <algorithm>

#include "widgets/text_codec.h"
#include "widgets/text_guard.h"
#include "storage/database_file.h"

namespace vorlane {

namespace {
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
    if (guard) setItemDelegate(guard->makeDelegate(this));
    connect(this, &QTableWidget::itemChanged, this, [this] {
        if (!loading_) edited_ = true;
    });
    // The last column follows the width by itself; any other change that is
    // not ours came from the person.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
        if (!sharing_ && column < columnCount() - 1) sizedByHand_ = true;
    });
    load({});
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

void IngredientsGrid::load(const std::string& block) {
    loading_ = true;
    clearContents();
    IngredientsTable table;
    hidden_.clear();
    declaredColumns_ = declaredRows_ = 0;
    if (!block.empty()) {
        table = DecodeIngredients(block);
        declaredColumns_ = table.columns;
        declaredRows_ = table.rows;
        // The file's numbers may be anything up to the largest int: bound
        // them before working with them.
        int columns = std::clamp(table.columns, 1, kMaxColumns);
        int rows = std::clamp(table.rows, 1, kMaxRows);
        for (const auto& cell : table.cells) {
            if (!shown(cell)) continue;
            columns = std::max(columns, cell.column + 1);
            rows = std::max(rows, cell.row + 1);
        }
        setColumnCount(columns);
        setRowCount(rows - 1);
    }
    for (int c = 0; c < columnCount(); ++c) setCell(c, 0, {});
    // Cells beyond what the grid can show are kept as they are and written back.
    for (auto& cell : table.cells) {
        if (shown(cell)) setCell(cell.column, cell.row, cell.text);
        else hidden_.push_back(std::move(cell));
    }
    for (int c = 0; c < std::min(kColumns, columnCount()); ++c) setCell(c, 0, kHeadings[c]);
    loading_ = false;
    edited_ = false;
}

bool IngredientsGrid::shown(const IngredientsTable::Cell& cell) {
    return cell.column < kMaxColumns && cell.row < kMaxRows;
}

void IngredientsGrid::setCell(int column, int row, const std::string& text) {
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

void IngredientsGrid::commitOpenEditor() {
    if (state() != QAbstractItemView::EditingState) return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

std::string IngredientsGrid::cell(int column, int row) const {
    const QTableWidgetItem* source = row == 0 ? horizontalHeaderItem(column) : item(row - 1, column);
    std::string text;
    // Cells only ever hold storable text: it comes from records or guarded editors.
    if (source) FromQString(source->text(), text);
    return text;
}

std::string IngredientsGrid::store() const {
    IngredientsTable table;
    table.columns = std::max(columnCount(), declaredColumns_);
    table.rows = std::max(rowCount() + 1, declaredRows_);
    for (int r = 0; r <= rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c) {
            std::string text = cell(c, r);
            if (!text.empty()) table.cells.push_back({c, r, std::move(text)});
        }
    if (!hidden_.empty()) {
        table.cells.insert(table.cells.end(), hidden_.begin(), hidden_.end());
        std::stable_sort(table.cells.begin(), table.cells.end(), [](const auto& a, const auto& b) {
            return a.row != b.row ? a.row < b.row : a.column < b.column;
        });
    }
    return EncodeIngredients(table);
}

}  // namespace vorlane
