// Texts between the files' Windows-1252 and the widgets, and the guard
// that keeps unstorable characters out of the edits.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTest>

#include "widgets/key_typing.h"
#include "widgets/qt_dialogs.h"
#include "widgets/text_codec.h"
#include "widgets/text_guard.h"

namespace vorlane {
namespace {

TEST(TextCodecTest, EveryByteSurvivesTheTripThroughQString) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    QString shown = ToQString(all);
    EXPECT_EQ(shown.size(), 256);
    EXPECT_EQ(shown.at(0x80), QChar(0x20AC));
    EXPECT_EQ(shown.at(0x81), QChar(0x81));
    EXPECT_EQ(shown.at(0xE9), QChar(0xE9));
    std::string back;
    ASSERT_TRUE(FromQString(shown, back));
    EXPECT_EQ(back, all);
}

TEST(TextCodecTest, UnstorableCharactersAreRefusedAndNamed) {
    std::string out = "unchanged";
    EXPECT_FALSE(FromQString(QStringLiteral("Zolt\u0103n"), out));
    EXPECT_EQ(out, "unchanged");
    EXPECT_EQ(FirstUnstorable(QStringLiteral("ab\u20ac\u0142c")), "U+0142");
    EXPECT_EQ(FirstUnstorable(QString::fromUtf8("glass \xF0\x9F\x8D\xB7")), "U+1F377");
    EXPECT_EQ(FirstUnstorable(QStringLiteral("Caf\u00e9 \u201cquoted\u201d")), "");
    QString lone(QChar(0xD800));
    EXPECT_EQ(FirstUnstorable(lone), "U+D800");
}

TEST(TextCodecTest, MessagesShowUtf8PathsAndWindows1252TextsAlike) {
    EXPECT_EQ(MessageToQString("/home/jos\xC3\xA9/cave.dat opened."), QStringLiteral("/home/jos\u00e9/cave.dat opened."));
    EXPECT_EQ(MessageToQString("Remove Jos\xE9? "), QStringLiteral("Remove Jos\u00e9? "));
    EXPECT_EQ(MessageToQString("File Saved"), "File Saved");
    EXPECT_EQ(PathFromQString(PathToQString("/tmp/caf\xC3\xA9.dat")), "/tmp/caf\xC3\xA9.dat");
}

TEST(QtDialogsTest, FiltersAndDefaultExtensions) {
    EXPECT_EQ(QtFileFilter("Vorlane File|*.dat"), "Vorlane File (*.dat)");
    EXPECT_EQ(QtFileFilter("Windows Bitmap|*.bmp|JPEG Bitmat|*.jpg"), "Windows Bitmap (*.bmp);;JPEG Bitmat (*.jpg)");
    EXPECT_EQ(WithDefaultExtension("/a/cellar", ".dat"), "/a/cellar.dat");
    EXPECT_EQ(WithDefaultExtension("/a/cellar", "dat"), "/a/cellar.dat");
    EXPECT_EQ(WithDefaultExtension("/a/v1.2/cellar", ".dat"), "/a/v1.2/cellar.dat");  // the file name's point only
    EXPECT_EQ(WithDefaultExtension("/a/cellar.old", ".dat"), "/a/cellar.old");
    EXPECT_EQ(WithDefaultExtension("", ".dat"), "");
}

class GuardTest : public ::testing::Test {
protected:
    TextGuard guard{[this](const QString& refused) { refusals << refused; }};
    QStringList refusals;
};

TEST_F(GuardTest, ALineEditDropsTheUnstorableCharacterAndKeepsTheRest) {
    QLineEdit edit;
    guard.watch(&edit);
    edit.show();
    edit.setFocus();
    testing::TypeText(&edit, QStringLiteral("a\u0142b"));
    EXPECT_EQ(edit.text(), "ab");
    EXPECT_TRUE(refusals.isEmpty());  // told after the key handling
    QApplication::processEvents();
    EXPECT_EQ(refusals, (QStringList{"U+0142"}));
    edit.insert(QStringLiteral("\u4e2d\u6587"));
    EXPECT_EQ(edit.text(), "ab");
    EXPECT_TRUE(edit.isModified());
}

TEST_F(GuardTest, AMemoRefusesAPasteWithAnUnstorableCharacter) {
    QPlainTextEdit memo;
    guard.watch(&memo);
    memo.setPlainText(QStringLiteral("line one"));
    memo.moveCursor(QTextCursor::End);
    memo.insertPlainText(QStringLiteral("\nto\u0111ay"));
    EXPECT_EQ(memo.toPlainText(), "line one");
    memo.insertPlainText(QStringLiteral("\nfine \u00e9"));
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("line one\nfine \u00e9"));
    QApplication::processEvents();
    EXPECT_EQ(refusals, (QStringList{"U+0111"}));
}

TEST_F(GuardTest, GridCellEditorsAreGuarded) {
    QTableWidget grid(2, 2);
    grid.setItemDelegate(guard.makeDelegate(&grid));
    grid.show();
    grid.setCurrentCell(0, 0);
    grid.setItem(0, 0, new QTableWidgetItem);
    grid.editItem(grid.item(0, 0));
    auto* editor = grid.findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    testing::TypeText(editor, QStringLiteral("x\u0142y"));
    EXPECT_EQ(editor->text(), "xy");
}

}  // namespace
}  // namespace vorlane
