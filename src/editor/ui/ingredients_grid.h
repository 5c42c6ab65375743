#pragma once
// DirGrid: the record's ingredients table. Row 0 of the stored table is the
// header row, shown here as the column headings; data row r is grid row r.

#include <QTableWidget>
#include <string>
#include <vector>

#include "storage/database_file.h"

namespace vorlane {

class TextGuard;

class IngredientsGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kColumns = 4;
    static constexpr int kRows = 100;  // header row included
    // A damaged block may claim any size; the grid shows at most this much.
    static constexpr int kMaxColumns = 64;
    static constexpr int kMaxRows = 10000;

    explicit IngredientsGrid(TextGuard* guard, QWidget* parent = nullptr);

    // Clears every cell, loads block (which may change the column and row
    // counts; an empty block leaves them) and sets the four headings.
    void load(const std::string& block);
    // The grid's text form, header row included.
    std::string store() const;
    // Cell text of the stored table (row 0 = headings).
    std::string cell(int column, int row) const;
    void setCell(int column, int row, const std::string& text);
    // Takes the text of a cell editor that is still open into its cell.
    void commitOpenEditor();
    // A cell changed since the last Load.
    bool edited() const { return edited_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void shareWidth();
    static bool shown(const IngredientsTable::Cell& cell);
    std::vector<IngredientsTable::Cell> hidden_;  // beyond kMaxColumns x kMaxRows
    int declaredColumns_ = 0, declaredRows_ = 0;  // the block's own size line
    bool loading_ = false;
    bool sizedByHand_ = false;  // the person dragged a column border
    bool sharing_ = false;
    bool edited_ = false;
};

}  // namespace vorlane
