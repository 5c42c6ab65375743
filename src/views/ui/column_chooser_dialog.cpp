#include "views/ui/column_chooser_dialog.h"

#include <QCursor>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/text_codec.h"

namespace vorlane {

ColumnChooserDialog::ColumnChooserDialog(const ColumnList& columns, const LabelTable& labels, QWidget* parent)
    : QDialog(parent), chooser_(columns, labels) {
    setWindowTitle(QStringLiteral("Select Spreadsheet Fields"));
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Spreadsheet Items"), this));
    fields_ = new QListWidget(this);
    fields_->setObjectName(QStringLiteral("Fields"));
    left->addWidget(fields_);
    layout->addLayout(left, 1);

    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("ritems"));
    for (int entry = 0; entry < kChooserMenuSize; ++entry)
        connect(menu_->addAction(ToQString(chooser_.menu()[static_cast<std::size_t>(entry)].caption)),
                &QAction::triggered, this, [this, entry] {
                    chooser_.Add(entry);
                    showList(static_cast<int>(chooser_.fields().size()) - 1);
                });

    auto* buttons = new QVBoxLayout;
    auto addButton = [&](const char* caption, void (ColumnChooserDialog::*click)()) {
        auto* button = new QPushButton(QString::fromLatin1(caption), this);
        connect(button, &QPushButton::clicked, this, click);
        buttons->addWidget(button);
        return button;
    };
    addButton("Add", &ColumnChooserDialog::addColumn);
    remove_ = addButton("Remove", &ColumnChooserDialog::removeColumn);
    addButton("Move Up", &ColumnChooserDialog::moveColumnUp);
    addButton("Move Down", &ColumnChooserDialog::moveColumnDown);
    buttons->addStretch(1);
    addButton("OK", &QDialog::accept)->setDefault(true);
    addButton("Cancel", &QDialog::reject);
    layout->addLayout(buttons);
    resize(330, 380);
    showList(chooser_.fields().empty() ? -1 : 0);
}

QPushButton* ColumnChooserDialog::button(const QString& caption) const {
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b->text() == caption) return b;
    return nullptr;
}

void ColumnChooserDialog::showList(int selected) {
    fields_->clear();
    for (const auto& entry : chooser_.fields()) fields_->addItem(ToQString(entry.caption));
    if (selected >= 0 && selected < fields_->count()) fields_->setCurrentRow(selected);
    const auto actions = menu_->actions();
    for (int entry = 0; entry < kChooserMenuSize; ++entry) actions[entry]->setEnabled(chooser_.menuEnabled(entry));
    remove_->setEnabled(chooser_.removeEnabled());
}

void ColumnChooserDialog::addColumn() { menu_->popup(QCursor::pos()); }
void ColumnChooserDialog::removeColumn() { showList(chooser_.Remove(fields_->currentRow())); }
void ColumnChooserDialog::moveColumnUp() { showList(chooser_.MoveUp(fields_->currentRow())); }
void ColumnChooserDialog::moveColumnDown() { showList(chooser_.MoveDown(fields_->currentRow())); }

}  // namespace vorlane
