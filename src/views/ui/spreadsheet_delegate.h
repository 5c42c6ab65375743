#pragma once
// Draws the spreadsheet's picture cells and makes its cell editors: the
// detail's mask or digit rule, every keystroke written into the record at
// once, characters the file cannot store refused.

#include <QLineEdit>
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

signals:
    // A picture larger than its cell was drawn: the row and column grow to it.
    void pictureSize(int row, int column, QSize size) const;

private:
    DatabaseSession& session_;
    PictureLoader& loader_;
    TextGuard& guard_;
    mutable QPointer<QLineEdit> editor_;
};

}  // namespace vorlane
