#include "widgets/qt_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

#include "storage/file_choosers.h"
#include "widgets/text_codec.h"
#include "widgets/text_guard.h"

namespace vorlane {

namespace {
const QString kTitle = QStringLiteral("Vorlane");
}

QString QtFileFilter(const std::string& filter) {
    QStringList parts = QString::fromStdString(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(u';', u' '));
    return filters.join(QStringLiteral(";;"));
}

QString WithDefaultExtension(const QString& name, const std::string& defaultExtension) {
    return PathToQString(vorlane::WithDefaultExtension(PathFromQString(name), defaultExtension));
}

QString StartFolder(const std::string& initialDir) {
    const QString given = initialDir.empty() ? QString() : PathToQString(initialDir);
    for (const QString& folder : {given, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)})
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
    return QDir::homePath();
}

QtDialogs::QtDialogs(QWidget* parent) : parent_(parent) {}

QWidget* QtDialogs::parent() const {
    if (QWidget* active = QApplication::activeWindow()) return active;
    return parent_;
}

void QtDialogs::Information(const std::string& text) {
    QMessageBox::information(parent(), kTitle, MessageToQString(text));
}

void QtDialogs::Error(const std::string& text) { QMessageBox::critical(parent(), kTitle, MessageToQString(text)); }

bool QtDialogs::AskYesNo(const std::string& question) {
    return QMessageBox::question(parent(), kTitle, MessageToQString(question), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

Answer QtDialogs::AskYesNoCancel(const std::string& question) {
    switch (QMessageBox::question(parent(), kTitle, MessageToQString(question),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

std::string QtDialogs::Prompt(const std::string& caption, const std::string& prompt,
                              const std::string& defaultText, bool hidden) {
    QInputDialog dialog(parent());
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(ToQString(caption));
    dialog.setLabelText(ToQString(prompt));
    dialog.setTextValue(ToQString(defaultText));
    dialog.setTextEchoMode(hidden ? QLineEdit::Password : QLineEdit::Normal);
    // The answer goes into the database, so it must be storable as typed.
    TextGuard guard([this](const QString& refused) { Error(UnstorableMessage(refused)); });
    if (auto* edit = dialog.findChild<QLineEdit*>()) guard.watch(edit);
    if (dialog.exec() != QDialog::Accepted) return defaultText;
    std::string typed;
    if (!FromQString(dialog.textValue(), typed)) return defaultText;
    return typed;
}

std::optional<std::string> QtDialogs::ChooseFileToOpen(const std::string& title, const std::string& filter,
                                                       const std::string& initialDir) {
    return ChooseFileToOpenOnFilter(title, filter, initialDir, 0);
}

std::optional<std::string> QtDialogs::ChooseFileToOpenOnFilter(const std::string& title, const std::string& filter,
                                                               const std::string& initialDir, int selectedFilter) {
    const QString filters = QtFileFilter(filter);
    QString selected = filters.split(QStringLiteral(";;")).value(selectedFilter);
    QString name = QFileDialog::getOpenFileName(parent(), ToQString(title), StartFolder(initialDir), filters,
                                                &selected);
    if (name.isEmpty()) return std::nullopt;
    return PathFromQString(name);
}

std::optional<std::string> QtDialogs::ChooseFileToSave(const std::string& title, const std::string& filter,
                                                       const std::string& defaultExtension,
                                                       const std::string& initialDir) {
    // The program asks about overwriting itself, with its own words.
    QString name = QFileDialog::getSaveFileName(parent(), ToQString(title), StartFolder(initialDir),
                                                QtFileFilter(filter), nullptr,
                                                QFileDialog::DontConfirmOverwrite);
    if (name.isEmpty()) return std::nullopt;
    return PathFromQString(WithDefaultExtension(name, defaultExtension));
}

std::size_t QtDialogs::AskChoice(const std::string& question, const std::vector<std::string>& choices) {
    QMessageBox box(QMessageBox::Question, kTitle, MessageToQString(question), QMessageBox::NoButton, parent());
    std::vector<QPushButton*> buttons;
    for (std::size_t i = 0; i < choices.size(); ++i)
        buttons.push_back(box.addButton(ToQString(choices[i]), i + 1 == choices.size() ? QMessageBox::RejectRole
                                                                                      : QMessageBox::AcceptRole));
    if (buttons.empty()) return 0;
    box.setDefaultButton(buttons.front());
    box.setEscapeButton(buttons.back());
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i]) return i;
    return buttons.size() - 1;
}

}  // namespace vorlane
