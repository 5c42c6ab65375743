// The real message boxes and prompts, answered by a timer as a person would.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "widgets/key_typing.h"
#include "support/temp_folder.h"
#include "widgets/qt_dialogs.h"

namespace vorlane {
namespace {

// Runs answer on the first modal window of type T that opens.
template <class T>
void WhenShown(std::function<void(T*)> answer) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(dialog);
        }
    });
    timer->start();
}

TEST(QtDialogsRealTest, APasswordPromptHidesTheTypedCharactersAndReturnsThemAsWindows1252) {
    QtDialogs dialogs;
    QString title, label;
    QLineEdit::EchoMode echo = QLineEdit::Normal;
    WhenShown<QInputDialog>([&](QInputDialog* dialog) {
        title = dialog->windowTitle();
        label = dialog->labelText();
        auto* edit = dialog->findChild<QLineEdit*>();
        echo = edit->echoMode();
        testing::TypeText(edit, QStringLiteral("s3cr\u00e9t\u20ac"));
        dialog->accept();
    });
    std::string typed = dialogs.Prompt("Enter Save Password", "Please Enter Save Password", "", true);
    EXPECT_EQ(typed, "s3cr\xE9t\x80");
    EXPECT_EQ(echo, QLineEdit::Password);
    EXPECT_EQ(title, "Enter Save Password");
    EXPECT_EQ(label, "Please Enter Save Password");
}

TEST(QtDialogsRealTest, ACancelledPromptGivesBackTheDefault) {
    QtDialogs dialogs;
    QLineEdit::EchoMode echo = QLineEdit::Password;
    WhenShown<QInputDialog>([&](QInputDialog* dialog) {
        echo = dialog->findChild<QLineEdit*>()->echoMode();
        testing::TypeText(dialog->findChild<QLineEdit*>(), QStringLiteral("ignored"));
        dialog->reject();
    });
    EXPECT_EQ(dialogs.Prompt("Enter URL", "Please enter URL:", "HTTP://"), "HTTP://");
    EXPECT_EQ(echo, QLineEdit::Normal);
}

TEST(QtDialogsRealTest, QuestionsReturnTheButtonPressedAndMessagesShowTheExactText) {
    QtDialogs dialogs;
    QString text;
    WhenShown<QMessageBox>([&](QMessageBox* box) {
        text = box->text();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(dialogs.AskYesNo("Remove x? "));
    EXPECT_EQ(text, "Remove x? ");

    WhenShown<QMessageBox>([&](QMessageBox* box) { box->button(QMessageBox::Cancel)->click(); });
    EXPECT_EQ(dialogs.AskYesNoCancel("Save first ?"), Answer::Cancel);

    WhenShown<QMessageBox>([&](QMessageBox* box) {
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    dialogs.Information("Two  blanks.  Kept \x80");
    EXPECT_EQ(text, QStringLiteral("Two  blanks.  Kept \u20ac"));
}

TEST(QtDialogsRealTest, ChoosersOpenInAFolderThatExistsOnTheFilterAsked) {
    // A person with no Documents folder: the chooser opens at home, its name box empty.
    testing::TempFolder home;
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QByteArray::fromStdString(home.path().string()));
    qunsetenv("XDG_CONFIG_HOME");
    QtDialogs dialogs;
    QString nameBox = QStringLiteral("?"), filter, folder;
    auto look = [&](QFileDialog* chooser) {
        nameBox = chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        filter = chooser->selectedNameFilter();
        folder = chooser->directory().absolutePath();
        chooser->reject();
    };
    WhenShown<QFileDialog>(look);
    EXPECT_FALSE(dialogs.ChooseFileToOpenOnFilter("Load a Report Format", "Comma Delimated|*.txt|Report|*.rpt", "", 1));
    EXPECT_EQ(nameBox, QString());
    EXPECT_EQ(filter, QStringLiteral("Report (*.rpt)"));
    EXPECT_EQ(folder, QDir(QString::fromStdString(home.path().string())).absolutePath());
    WhenShown<QFileDialog>(look);
    EXPECT_FALSE(dialogs.ChooseFileToSave("Save HTML", "HTML File|*.htm", "htm", home.file("gone/folder")));
    EXPECT_EQ(nameBox, QString());
    qputenv("HOME", oldHome);
    if (oldConfig.isEmpty()) qunsetenv("XDG_CONFIG_HOME");
    else qputenv("XDG_CONFIG_HOME", oldConfig);
}

TEST(QtDialogsRealTest, TheDefaultExtensionLooksAtTheFileNameOnly) {
    EXPECT_EQ(WithDefaultExtension(QStringLiteral("/home/j.smith/cellar-report"), "htm"),
              QStringLiteral("/home/j.smith/cellar-report.htm"));
    EXPECT_EQ(WithDefaultExtension(QStringLiteral("/home/j.smith/cellar.dat"), ".dat"),
              QStringLiteral("/home/j.smith/cellar.dat"));
}

}  // namespace
}  // namespace vorlane
