#include "search/ui/term_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace vorlane {

TermGrid::TermGrid(QWidget* parent) : QTableWidget(0, 3, parent) {
    setObjectName(QStringLiteral("SearchGrid"));
    setHorizontalHeaderLabels({QStringLiteral("Field"), QStringLiteral("Type"), QStringLiteral("Value")});
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    setColumnWidth(0, 160);
    setColumnWidth(1, 130);
}

QPoint TermGrid::currentCellBottomLeft() const {
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return viewport()->mapToGlobal(QPoint(0, 0));
    const QRect cell = visualRect(current);
    return viewport()->mapToGlobal(cell.bottomLeft());
}

bool TermGrid::currentCellEditable() const {
    const QTableWidgetItem* item = currentItem();
    return item && (item->flags() & Qt::ItemIsEditable);
}

void TermGrid::keyPressEvent(QKeyEvent* event) {
    // Character keys act on the cell; moving around and leaving the grid stay as they are.
    const bool character = !event->text().isEmpty() && event->key() != Qt::Key_Tab &&
                           event->key() != Qt::Key_Backtab && event->key() != Qt::Key_Escape &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (state() == QAbstractItemView::EditingState || !character || currentRow() < 0) {
        QTableWidget::keyPressEvent(event);
        return;
    }
    if (currentCellEditable()) {
        QTableWidget::keyPressEvent(event);  // the key starts the edit and goes into it
        return;
    }
    event->accept();
    emit actRequested(false);
}

void TermGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex pressed = indexAt(event->position().toPoint());
    const bool wasCurrent = pressed.isValid() && pressed == currentIndex();
    QTableWidget::mousePressEvent(event);
    if (wasCurrent) emit actRequested(true);
}

}  // namespace vorlane
