// Start-up, the first activation and the window's state after it.

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>

#include "editor/ui/main_window_fixture.h"
#include "support/test_cellars.h"

namespace vorlane::testing {
namespace {

class StartupTest : public ViewTest {};

TEST_F(StartupTest, EmptySettingsGiveDefaultSizeAndOneNewRecordWithoutAQuestion) {
    StartEmpty();
    EXPECT_EQ(view().width(), 634);
    EXPECT_EQ(view().height(), 482);
    EXPECT_TRUE(dialogs.shown().empty());
    ASSERT_EQ(session->records().size(), 1u);
    EXPECT_EQ(text("RecordName"), "Untitled 1");
    EXPECT_EQ(text("number"), "1");
    EXPECT_EQ(text("Detail2"), "2024/05/06");
    EXPECT_EQ(text("Detail3"), "2024");
    EXPECT_EQ(text("Detail9"), "01");
    EXPECT_EQ(view().windowTitle(), "Untitled");
    EXPECT_FALSE(view().action("Save")->isEnabled());
    EXPECT_FALSE(view().action("Save Database")->isEnabled());
    EXPECT_FALSE(view().action("Merge")->isEnabled());
    EXPECT_FALSE(view().action("Delete Record")->isEnabled());
    EXPECT_FALSE(view().action("Insert Record")->isEnabled());
    EXPECT_TRUE(view().action("Save As")->isEnabled());
}

TEST_F(StartupTest, WindowTakesItsSizeFromTheSettings) {
    WriteSettings("[SETTINGS]\nViewW:=900\nviewh:=700\n");
    StartEmpty();
    EXPECT_EQ(view().width(), 900);
    EXPECT_EQ(view().height(), 700);
}

TEST_F(StartupTest, MissingLastFileAnsweredYesEndsSilentlyWithANewDatabase) {
    std::string missing = folder.file("gone.dat");
    WriteSettings("[SETTINGS]\nLAST FILE=" + missing + "\n");
    dialogs.Yes();
    StartEmpty();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0], (ShownText{Shown::YesNo, "Would you like to open the file " + missing + " ?"}));
    EXPECT_EQ(text("RecordName"), "Untitled 1");
    EXPECT_EQ(view().windowTitle(), "Untitled");
    EXPECT_TRUE(dialogs.scriptUsedUp());
}

TEST_F(StartupTest, LastFileIsReopenedOnYesAndForgottenOnNo) {
    std::string path = folder.file("cellar.dat");
    WriteCellar(path, CellarOf({"Barolo", "Chablis"}));
    WriteSettings("[SETTINGS]\nLAST FILE=" + path + "\n");
    dialogs.Yes();
    StartEmpty();
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{"Would you like to open the file " + path + " ?", path + " opened."}));
    EXPECT_EQ(text("RecordName"), "Barolo");
    EXPECT_EQ(view().windowTitle().toStdString(), path);
    EXPECT_TRUE(view().action("Save")->isEnabled());
    EXPECT_TRUE(view().action("Merge")->isEnabled());
    EXPECT_TRUE(view().action("Delete Record")->isEnabled());
}

TEST_F(StartupTest, AnsweringNoToTheLastFileStartsANewDatabase) {
    std::string path = folder.file("cellar.dat");
    WriteCellar(path, CellarOf({"Barolo"}));
    WriteSettings("[SETTINGS]\nLAST FILE=" + path + "\n");
    dialogs.No();
    StartEmpty();
    EXPECT_EQ(text("RecordName"), "Untitled 1");
    EXPECT_TRUE(session->fileName().empty());
}

TEST_F(StartupTest, AFileGivenToTheProgramIsOpenedInsteadOfOfferingTheLastOne) {
    std::string last = folder.file("last.dat");
    std::string given = folder.file("given.dat");
    WriteCellar(last, CellarOf({"Last"}));
    WriteCellar(given, CellarOf({"Given"}));
    WriteSettings("[SETTINGS]\nLAST FILE=" + last + "\n");
    StartWith(given);
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{given + " opened."}));
    EXPECT_EQ(text("RecordName"), "Given");
}

TEST_F(StartupTest, AGivenFileThatCannotBeReadIsReportedAndANewDatabaseStarts) {
    StartWith(folder.file("nowhere.dat"));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, Shown::Error);
    EXPECT_EQ(text("RecordName"), "Untitled 1");
}

TEST_F(StartupTest, ShortDescriptionSettingIsReadAtStartUp) {
    WriteSettings("[SETTINGS]\nDESCSTATE=1\n");
    StartEmpty();
    EXPECT_TRUE(view().action("Short Description Values")->isChecked());
    EXPECT_TRUE(view().viewSettings().shortDescriptions);
}

}  // namespace
}  // namespace vorlane::testing
