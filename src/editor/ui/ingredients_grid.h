#pragma once
// DirGrid: the record's ingredients table. Row 0 of the stored table is the
// header row, shown here as the column headings; data row r is grid row r.

#include <QTableWidget>
#include <string>

namespace vorlane {

class TextGuard;

class IngredientsGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kColumns = 4;
    static constexpr int kRows = 100;  // header row included

    explicit IngredientsGrid(TextGuard* guard, QWidget* parent = nullptr);

    // Clears every cell, loads block (which may change the column and row
    // counts; an empty block leaves them) and sets the four headings.
    void Load(const std::string& block);
    // The grid's text form, header row included.
    std::string Store() const;
    // Cell text of the stored table (row 0 = headings).
    std::string Cell(int column, int row) const;
    void SetCell(int column, int row, const std::string& text);
    // A cell changed since the last Load.
    bool edited() const { return edited_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void shareWidth();
    bool loading_ = false;
    bool sizedByHand_ = false;  // the person dragged a column border
    bool sharing_ = false;
    bool edited_ = false;
};

}  // namespace vorlane
