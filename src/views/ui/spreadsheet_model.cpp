#include "views/ui/spreadsheet_model.h"

#include <QColor>
#include <algorithm>

#include "views/record_browse.h"
#include "views/spreadsheet_cells.h"
#include "views/spreadsheet_columns.h"
#include "widgets/text_codec.h"

namespace vorlane {

SpreadsheetModel::SpreadsheetModel(DatabaseSession& session, QObject* parent)
    : QAbstractTableModel(parent), session_(session) {}

void SpreadsheetModel::fill(int mode, const ColumnList& columns) {
    beginResetModel();
    rows_ = FillRows(session_.records(), mode);
    codes_ = ShownColumns(columns);
    headers_.clear();
    for (const auto& header : ColumnHeaders(columns, session_.db().labels)) headers_.push_back(ToQString(header));
    endResetModel();
}

void SpreadsheetModel::setHighlight(bool on) {
    if (highlight_ == on) return;
    highlight_ = on;
    if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::BackgroundRole, Qt::ForegroundRole});
}

int SpreadsheetModel::recordOf(int row) const {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return -1;
    const int record = rows_[static_cast<std::size_t>(row)];
    // Records may have been removed elsewhere since the fill.
    return record < static_cast<int>(session_.records().size()) ? record : -1;
}

int SpreadsheetModel::rowOf(int recordIndex) const {
    // The rows hold record positions in ascending order.
    auto found = std::lower_bound(rows_.begin(), rows_.end(), recordIndex);
    if (found == rows_.end() || *found != recordIndex) return -1;
    return static_cast<int>(found - rows_.begin());
}

int SpreadsheetModel::codeAt(int column) const {
    return column >= 0 && column < static_cast<int>(codes_.size()) ? codes_[static_cast<std::size_t>(column)] : kNoField;
}

ItemRecord* SpreadsheetModel::recordAt(int row) {
    const int record = recordOf(row);
    return record < 0 ? nullptr : &session_.records()[static_cast<std::size_t>(record)];
}

void SpreadsheetModel::refreshRow(int row) {
    if (row >= 0 && row < rowCount()) emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int SpreadsheetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int SpreadsheetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(codes_.size());
}

QVariant SpreadsheetModel::data(const QModelIndex& index, int role) const {
    const int record = recordOf(index.row());
    if (record < 0) return {};
    const ItemRecord& r = session_.records()[static_cast<std::size_t>(record)];
    const int code = codeAt(index.column());
    switch (role) {
        case Qt::DisplayRole: return ToQString(CellText(r, record, code, shortDescriptions_));
        case Qt::EditRole: return ToQString(EditorText(r, code));
        case kStoredTextRole: return CellEditOf(code) == CellEdit::Typed ? QVariant(ToQString(StoredText(r, code))) : QVariant();
        case kPictureRole:
            if (!IsImageCode(code)) return {};
            return QByteArray::fromStdString(r.Images[static_cast<std::size_t>((code - kFirstImageCode) / 10)].FileName);
        case Qt::ForegroundRole:
            // Dark green rows keep their text legible.
            return HighlightColour(r, highlight_) == RowColour::Green ? QVariant(QColor(Qt::white)) : QVariant();
        case Qt::BackgroundRole:
            switch (HighlightColour(r, highlight_)) {
                case RowColour::Cyan: return QColor(0, 255, 255);
                case RowColour::Green: return QColor(0, 128, 0);
                case RowColour::Yellow: return QColor(255, 255, 0);
                case RowColour::Normal: return {};
            }
            return {};
        default: return {};
    }
}

QVariant SpreadsheetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return section >= 0 && section < static_cast<int>(headers_.size()) ? headers_[static_cast<std::size_t>(section)]
                                                                        : QVariant();
}

Qt::ItemFlags SpreadsheetModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const int record = recordOf(index.row());
    if (record < 0) return flags;
    const ItemRecord& r = session_.records()[static_cast<std::size_t>(record)];
    if (!r.ReadOnly && CellEditOf(codeAt(index.column())) == CellEdit::Typed) flags |= Qt::ItemIsEditable;
    return flags;
}

bool SpreadsheetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole) return false;
    ItemRecord* record = recordAt(index.row());
    std::string text;
    if (!record || !FromQString(value.toString(), text)) return false;
    if (!AcceptTypedText(*record, codeAt(index.column()), text)) return false;
    emit dataChanged(index, index);
    if (typed_) typed_(recordOf(index.row()));
    return true;
}

}  // namespace vorlane
