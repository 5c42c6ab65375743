#include "views/ui/spreadsheet_delegate.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include "storage/fields.h"
#include "views/album_pages.h"
#include "views/ui/spreadsheet_model.h"
#include "widgets/detail_rules.h"
#include "widgets/picture_loader.h"
#include "widgets/text_guard.h"

namespace vorlane {

SpreadsheetDelegate::SpreadsheetDelegate(DatabaseSession& session, PictureLoader& loader, TextGuard& guard,
                                         QObject* parent)
    : QStyledItemDelegate(parent), session_(session), loader_(loader), guard_(guard) {}

QWidget* SpreadsheetDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                           const QModelIndex& index) const {
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    const auto* model = qobject_cast<const SpreadsheetModel*>(index.model());
    const int code = model ? model->codeAt(index.column()) : kNoField;
    if (IsDetailCode(code)) ApplyDetailRule(edit, (code - DetailCode(0)) / 10);
    guard_.watch(edit);
    // Every keystroke reaches the record at once.
    auto* self = const_cast<SpreadsheetDelegate*>(this);
    connect(edit, &QLineEdit::textEdited, self, [self, edit] { emit self->commitData(edit); });
    editor_ = edit;
    openedAt_ = index;
    openedText_ = index.data(SpreadsheetModel::kStoredTextRole);
    return edit;
}

void SpreadsheetDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* edit = static_cast<QLineEdit*>(editor);
    const QString text = index.data(Qt::EditRole).toString();
    if (edit->text() != text) edit->setText(text);
}

bool SpreadsheetDelegate::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && openedAt_.isValid() &&
        openedAt_.data(SpreadsheetModel::kStoredTextRole) != openedText_) {
        // Putting the old text back is itself an edit, written at once.
        const_cast<QAbstractItemModel*>(openedAt_.model())->setData(openedAt_, openedText_, Qt::EditRole);
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

void SpreadsheetDelegate::commitOpenEditor() {
    if (!editor_) return;
    QLineEdit* edit = editor_;
    emit commitData(edit);
    emit closeEditor(edit, QAbstractItemDelegate::NoHint);
    editor_ = nullptr;
}

QImage SpreadsheetDelegate::shownPicture(const QByteArray& name) const {
    const QImage full = loader_.loadRecordPicture(name.toStdString(), session_.fileName());
    const AlbumRect fitted = FittedPicture(full.width(), full.height(), kGridPictureSide, kGridPictureSide);
    if (full.isNull() || (fitted.width == full.width() && fitted.height == full.height())) return full;
    // Scaled once per decoded picture (the loader hands the same image back while it is cached).
    const QString key = QString::fromLatin1(name.toHex()) + QLatin1Char(':') + QString::number(full.cacheKey());
    if (const QImage* scaled = scaled_.object(key)) return *scaled;
    QImage scaled = full.scaled(fitted.width, fitted.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled_.insert(key, new QImage(scaled), std::max<qsizetype>(1, scaled.sizeInBytes() / 1024));
    return scaled;
}

void SpreadsheetDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    const QByteArray name = index.data(SpreadsheetModel::kPictureRole).toByteArray();
    if (name.isEmpty()) return;
    // A picture that cannot be loaded leaves the cell as it is.
    const QImage picture = shownPicture(name);
    if (picture.isNull()) return;
    painter->save();
    painter->setClipRect(option.rect);
    painter->drawImage(option.rect.topLeft(), picture);
    painter->restore();
    if (picture.width() > option.rect.width() || picture.height() > option.rect.height())
        emit pictureSize(index.row(), index.column(), picture.size());
}

}  // namespace vorlane
