#pragma once
// The spreadsheet's grid as a table model over the record list: one row per
// shown record, one column per chosen field. Cells are worked out only when
// the view asks for them, and a row's record is looked up, never searched.

#include <QAbstractTableModel>
#include <functional>
#include <string>
#include <vector>

#include "storage/database_session.h"
#include "storage/fields.h"

namespace vorlane {

class SpreadsheetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Picture columns hand the slot's file name, as stored, under this role.
    static constexpr int kPictureRole = Qt::UserRole + 1;
    // A typed cell's whole field as the record holds it (the editor may show less).
    static constexpr int kStoredTextRole = Qt::UserRole + 2;

    explicit SpreadsheetModel(DatabaseSession& session, QObject* parent = nullptr);

    // Rows for the mode, columns from the list.
    void fill(int mode, const ColumnList& columns);
    void setShortDescriptions(bool on) { shortDescriptions_ = on; }
    void setHighlight(bool on);
    // A typed edit reached the record.
    void setTypedHandler(std::function<void(int recordIndex)> handler) { typed_ = std::move(handler); }

    int recordOf(int row) const;  // -1 outside the rows
    int rowOf(int recordIndex) const;  // -1 when not shown
    int codeAt(int column) const;
    ItemRecord* recordAt(int row);
    // The cells of a record changed outside the grid.
    void refreshRow(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    DatabaseSession& session_;
    std::vector<int> rows_;  // row -> record position
    std::vector<int> codes_;
    std::vector<QString> headers_;
    bool shortDescriptions_ = false;
    bool highlight_ = false;
    std::function<void(int)> typed_;
};

}  // namespace vorlane
