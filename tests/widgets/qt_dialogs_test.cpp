// The real message boxes and prompts, answered by a timer as a person would.

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "widgets/key_typing.h"
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

}  // namespace
}  // namespace vorlane
