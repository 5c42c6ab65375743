#pragma once
// Draws the spreadsheet's picture cells and makes its cell editors: the
// detail's mask or digit rule, every keystroke written into the record at
// once, characters the file cannot store refused.

#include <QCache>
#include <QImage>
#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>
#include <functional>
#include <string>

#include "storage/database_session.h"


namespace vorlane {

class PictureLoader;
class TextGuard;

class SpreadsheetDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    SpreadsheetDelegate(DatabaseSession& session, PictureLoader& loader, TextGuard& guard, QObject* parent);

    // Hands the open editor's text to the record and closes it; nothing when none is open.
    void commitOpenEditor();
    QLineEdit* openEditor() const { return editor_; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    // Escape gives the field back the text it held when the editor opened.
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // A picture larger than its cell was drawn: the row and column grow to it.
    void pictureSize(int row, int column, QSize size) const;

private:
    DatabaseSession& session_;
    PictureLoader& loader_;
    TextGuard& guard_;
    // The picture as the grid shows it: scaled down to a bounded cell, never up.
    QImage shownPicture(const QByteArray& name) const;

    mutable QCache<QString, QImage> scaled_{16 * 1024};  // cost in KB
    mutable QPointer<QLineEdit> editor_;
    mutable QPersistentModelIndex openedAt_;
    mutable QVariant openedText_;
};

}  // namespace vorlane
