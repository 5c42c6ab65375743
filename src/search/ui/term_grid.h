#pragma once
// The term grid SearchGrid: "Field", "Type" and "Value" columns, one row per
// search term. A key, or a press on the cell that is already current, asks
// the window to act on the current cell; only typed values are edited in place.

#include <QTableWidget>

namespace vorlane {

class TermGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TermGrid(QWidget* parent = nullptr);

    // Where a menu opened from the keyboard appears: below the current cell.
    QPoint currentCellBottomLeft() const;

signals:
    // byMouse: the menu opens at the mouse pointer, otherwise at the cell.
    void actRequested(bool byMouse);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool currentCellEditable() const;
};

}  // namespace vorlane
