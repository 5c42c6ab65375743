#pragma once
// ColumnChooserDialog: "Select Spreadsheet Fields", the modal chooser of
// the spreadsheet's columns. Shows the chooser's list and forwards its buttons.

#include <QDialog>

#include "views/column_chooser.h"

class QListWidget;
class QMenu;
class QPushButton;

namespace vorlane {

class ColumnChooserDialog : public QDialog {
    Q_OBJECT
public:
    ColumnChooserDialog(const ColumnList& columns, const LabelTable& labels, QWidget* parent = nullptr);

    // The list as a column list ("OK" writes it).
    ColumnList columns() const { return chooser_.Columns(); }
    QListWidget* fields() const { return fields_; }
    QMenu* fieldMenu() const { return menu_; }
    QPushButton* button(const QString& caption) const;

    void addColumn();
    void removeColumn();
    void moveColumnUp();
    void moveColumnDown();

private:
    void showList(int selected);

    ColumnChooser chooser_;
    QListWidget* fields_ = nullptr;
    QMenu* menu_ = nullptr;
    QPushButton* remove_ = nullptr;
};

}  // namespace vorlane
