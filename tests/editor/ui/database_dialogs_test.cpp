// The "Set Database Password" and "Database Information" dialogs.

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

#include "storage/scramble.h"
#include "editor/ui/database_info_dialog.h"
#include "editor/ui/password_dialog.h"
#include "support/scripted_dialogs.h"

namespace vorlane::testing {
namespace {

QStringList Texts(const QWidget& dialog) {
    QStringList texts;
    for (QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
    for (QGroupBox* box : dialog.findChildren<QGroupBox*>()) texts << box->title();
    return texts;
}

TEST(PasswordDialogTest, ShowsBothPasswordsHiddenUnderTheirExactLabels) {
    Database db;
    db.readPassword = Scramble("r3d");
    db.savePassword = Scramble("s4v");
    ScriptedDialogs dialogs;
    PasswordDialog dialog(db, dialogs);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Set Database Password");
    QStringList texts = Texts(dialog);
    for (const char* caption : {"Read Password", "Re-type Read Password", "Save Pasword", "Re-type Save Password",
                                "Password to Read", "Password to Save"})
        EXPECT_TRUE(texts.contains(caption)) << caption;
    bool warned = false;
    for (const QString& t : texts) warned |= t.contains("not encryption") && t.contains("anyone who has the file");
    EXPECT_TRUE(warned);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(dialog.field(i)->echoMode(), QLineEdit::Password);
    EXPECT_EQ(dialog.field(0)->text(), "r3d");
    EXPECT_EQ(dialog.field(1)->text(), "r3d");
    EXPECT_EQ(dialog.field(2)->text(), "s4v");
    EXPECT_EQ(dialog.field(3)->text(), "s4v");
}

TEST(PasswordDialogTest, MismatchesKeepTheDialogOpenAndMatchingFieldsSetThePasswords) {
    Database db;
    ScriptedDialogs dialogs;
    PasswordDialog dialog(db, dialogs);
    dialog.show();
    dialog.field(0)->setText("a");
    dialog.field(1)->setText("b");
    dialog.field(2)->setText("c");
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    dialog.field(1)->setText("a");
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{"The read passwords do not match.", "The save passwords do not match."}));
    EXPECT_TRUE(db.readPassword.empty());
    dialog.field(3)->setText("c");
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(db.readPassword, Scramble("a"));
    EXPECT_EQ(db.savePassword, Scramble("c"));
}

TEST(PasswordDialogTest, CancelChangesNothing) {
    Database db;
    db.readPassword = Scramble("keep");
    ScriptedDialogs dialogs;
    PasswordDialog dialog(db, dialogs);
    dialog.show();
    dialog.field(0)->setText("x");
    dialog.field(1)->setText("x");
    dialog.reject();
    EXPECT_EQ(db.readPassword, Scramble("keep"));
}

TEST(DatabaseInfoDialogTest, FieldsFollowTheScreenOrderAndWriteBackWhereTheyBelong) {
    Database db;
    for (int i = 0; i < kInfoFieldCount; ++i) db.info[static_cast<std::size_t>(i)] = "text " + std::to_string(i);
    db.notes = {"first", "", "third"};
    ScriptedDialogs dialogs;
    DatabaseInfoDialog dialog(db, dialogs);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Database Information");
    EXPECT_TRUE(Texts(dialog).contains("Owner Address"));
    EXPECT_EQ(dialog.field(0)->text(), "text 0");
    EXPECT_EQ(dialog.field(4)->objectName(), "ZipCode");
    EXPECT_EQ(dialog.field(4)->text(), "text 5");  // the zip code is the sixth text of the file
    EXPECT_EQ(dialog.field(5)->text(), "text 4");
    EXPECT_EQ(dialog.notes()->toPlainText(), "first\n\nthird");

    dialog.field(5)->setText("Portugal");
    dialog.field(5)->setModified(true);
    dialog.notes()->setPlainText("one line");
    dialog.notes()->document()->setModified(true);
    dialog.accept();
    EXPECT_EQ(db.info[InfoCountry], "Portugal");
    EXPECT_EQ(db.info[InfoZipCode], "text 5");
    EXPECT_EQ(db.notes, (std::vector<std::string>{"one line"}));
}

TEST(DatabaseInfoDialogTest, CancelKeepsEverything) {
    Database db;
    db.info[InfoOwner] = "Ana";
    ScriptedDialogs dialogs;
    DatabaseInfoDialog dialog(db, dialogs);
    dialog.show();
    dialog.field(1)->setText("Bob");
    dialog.field(1)->setModified(true);
    dialog.reject();
    EXPECT_EQ(db.info[InfoOwner], "Ana");
}

}  // namespace
}  // namespace vorlane::testing
