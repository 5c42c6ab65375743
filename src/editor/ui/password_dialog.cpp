#include "editor/ui/password_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "widgets/text_codec.h"
#include "widgets/text_guard.h"
#include "storage/database_forms.h"

namespace vorlane {

PasswordDialog::PasswordDialog(Database& db, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), db_(db), dialogs_(dialogs) {
    setWindowTitle(QStringLiteral("Set Database Password"));
    setObjectName(QStringLiteral("PasswordDialog"));
    // Every typed character shows as "*".
    setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));

    auto* guard = new TextGuard([this](const QString& refused) { dialogs_.Error(UnstorableMessage(refused)); }, this);
    const char* const kLabels[] = {"Read Password", "Re-type Read Password", "Save Pasword", "Re-type Save Password"};
    const char* const kNames[] = {"ReadPassword", "ReadPassword2", "SavePassword", "SavePassword2"};
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        fields_[i] = new QLineEdit;
        fields_[i]->setObjectName(QString::fromLatin1(kNames[i]));
        fields_[i]->setEchoMode(QLineEdit::Password);
        guard->watch(fields_[i]);
    }

    auto group = [&](const QString& title, std::size_t first) {
        auto* box = new QGroupBox(title);
        auto* form = new QFormLayout(box);
        form->addRow(QString::fromLatin1(kLabels[first]), fields_[first]);
        form->addRow(QString::fromLatin1(kLabels[first + 1]), fields_[first + 1]);
        return box;
    };

    auto* note = new QLabel(QStringLiteral(
        "These passwords stop casual opening and saving of this database in this program. They are not "
        "encryption: anyone who has the file can read its contents with other tools. Leave both fields of a "
        "password empty to remove it. The new passwords are stored the next time the database is saved."));
    note->setObjectName(QStringLiteral("PasswordNote"));
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &PasswordDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PasswordDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group(QStringLiteral("Password to Read"), 0));
    layout->addWidget(group(QStringLiteral("Password to Save"), 2));
    layout->addWidget(note);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

void PasswordDialog::showEvent(QShowEvent* event) {
    PasswordFields current = PasswordFieldsOf(db_);
    for (auto [edit, text] : {std::pair{fields_[0], &current.read}, std::pair{fields_[1], &current.readAgain},
                              std::pair{fields_[2], &current.save}, std::pair{fields_[3], &current.saveAgain}})
        edit->setText(ToQString(*text));
    QDialog::showEvent(event);
}

void PasswordDialog::accept() {
    PasswordFields typed;
    // The fields are guarded, so every text converts.
    FromQString(fields_[0]->text(), typed.read);
    FromQString(fields_[1]->text(), typed.readAgain);
    FromQString(fields_[2]->text(), typed.save);
    FromQString(fields_[3]->text(), typed.saveAgain);
    if (ApplyPasswordFields(typed, db_, dialogs_)) QDialog::accept();
}

}  // namespace vorlane
