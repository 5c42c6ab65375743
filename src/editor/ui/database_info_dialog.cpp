#include "editor/ui/database_info_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QVBoxLayout>
#include <limits>

#include "widgets/text_codec.h"
#include "widgets/text_guard.h"
#include "storage/database_forms.h"

namespace vorlane {

namespace {
constexpr std::size_t kFirstAddressField = 2;  // Street ... Country sit under "Owner Address"
constexpr std::size_t kLastAddressField = 5;
}  // namespace

DatabaseInfoDialog::DatabaseInfoDialog(Database& db, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), db_(db) {
    setWindowTitle(QStringLiteral("Database Information"));
    setObjectName(QStringLiteral("DatabaseInfoDialog"));
    auto* guard = new TextGuard([&dialogs](const QString& refused) { dialogs.Error(UnstorableMessage(refused)); }, this);

    // One form, so that every field starts at the same place.
    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < kInfoDialogFields.size(); ++i) {
        fields_[i] = new QLineEdit;
        fields_[i]->setMaxLength(std::numeric_limits<int>::max());
        guard->watch(fields_[i]);
        QString label = QString::fromLatin1(kInfoDialogFields[i].label);
        fields_[i]->setObjectName(QString(label).remove(u' '));
        if (i == kFirstAddressField) {
            auto* heading = new QLabel(QStringLiteral("Owner Address"));
            QFont bold = heading->font();
            bold.setBold(true);
            heading->setFont(bold);
            form->addRow(heading);
        }
        auto* caption = new QLabel(label);
        if (i >= kFirstAddressField && i <= kLastAddressField) caption->setIndent(16);
        caption->setBuddy(fields_[i]);
        form->addRow(caption, fields_[i]);
        if (i == kLastAddressField) form->addItem(new QSpacerItem(0, 6));
    }
    notes_ = new QPlainTextEdit;
    notes_->setObjectName(QStringLiteral("Notes"));
    notes_->setTabChangesFocus(true);
    guard->watch(notes_);
    form->addRow(QStringLiteral("Notes"), notes_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &DatabaseInfoDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DatabaseInfoDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form, 1);
    layout->addWidget(buttons);
    resize(460, 560);
}

void DatabaseInfoDialog::showEvent(QShowEvent* event) {
    for (std::size_t i = 0; i < kInfoDialogFields.size(); ++i) {
        fields_[i]->setText(ToQString(db_.info[static_cast<std::size_t>(kInfoDialogFields[i].field)]));
        fields_[i]->setModified(false);
    }
    notes_->setPlainText(ToQString(JoinLines(db_.notes)));
    notes_->document()->setModified(false);
    QDialog::showEvent(event);
}

void DatabaseInfoDialog::accept() {
    // Untouched fields keep their bytes even where an edit cannot show them.
    for (std::size_t i = 0; i < kInfoDialogFields.size(); ++i) {
        std::string text;
        if (fields_[i]->isModified() && FromQString(fields_[i]->text(), text))
            db_.info[static_cast<std::size_t>(kInfoDialogFields[i].field)] = std::move(text);
    }
    std::string notes;
    if (notes_->document()->isModified() && FromQString(notes_->toPlainText(), notes)) db_.notes = SplitLines(notes);
    QDialog::accept();
}

}  // namespace vorlane
