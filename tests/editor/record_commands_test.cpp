#include <gtest/gtest.h>

#include "editor/record_commands.h"
#include "support/scripted_dialogs.h"

using namespace vorlane;
using vorlane::testing::ScriptedDialogs;

namespace {

struct FakeScreen : RecordScreen {
    DatabaseSession* session = nullptr;
    std::string typedName;  // an unsaved edit of the shown record
    std::vector<int> shown;
    void WriteBack() override {
        if (typedName.empty()) return;
        session->records()[static_cast<std::size_t>(session->currentIndex)].Name = typedName;
        typedName.clear();
    }
    void ShowCurrent() override { shown.push_back(session->currentIndex); }
};

class CommandsTest : public ::testing::Test {
protected:
    CommandsTest() : session(dialogs, DataFolders{}, [] { return std::string("2026/12/08"); }), commands(session) {
        dialogs.clearShown();  // no default trees here
        screen.session = &session;
        session.SetScreen(&screen);
        session.RunStartup("");
    }
    void fill(int n) {
        session.records().clear();
        for (int i = 0; i < n; ++i) {
            session.records().push_back(ItemRecord{});
            session.records().back().Name = "r" + std::to_string(i);
        }
        session.currentIndex = 0;
    }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& r : session.records()) out.push_back(r.Name);
        return out;
    }

    ScriptedDialogs dialogs;
    FakeScreen screen;
    DatabaseSession session;
    RecordCommands commands;
};

}  // namespace

TEST_F(CommandsTest, OneRecordCannotMoveOrBeDeleted) {
    dialogs.clearShown();
    commands.Next();
    commands.Previous();
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"You are already on the last record in the database.",
                                                            "You are already on the first item in the database."}));
    EXPECT_FALSE(commands.deleteEnabled());
    commands.Delete(false);
    EXPECT_EQ(session.records().size(), 1u);
}

TEST_F(CommandsTest, NextAndPreviousWriteBackTheEdits) {
    fill(3);
    screen.typedName = "edited";
    commands.Next();
    EXPECT_EQ(session.currentIndex, 1);
    EXPECT_EQ(session.records()[0].Name, "edited");
    commands.Previous();
    EXPECT_EQ(session.currentIndex, 0);
}

TEST_F(CommandsTest, GoToClampsAndRefusesText) {
    fill(5);
    commands.GoTo("0");
    EXPECT_EQ(session.currentIndex, 0);
    commands.GoTo("-3");
    EXPECT_EQ(session.currentIndex, 0);
    commands.GoTo("99");
    EXPECT_EQ(session.currentIndex, 4);
    commands.GoTo(" 3 ");
    EXPECT_EQ(session.currentIndex, 2);
    commands.GoTo("99999999999999999999");
    EXPECT_EQ(session.currentIndex, 4);
    dialogs.clearShown();
    commands.GoTo("abc");
    commands.GoTo("2.5");
    commands.GoTo("");
    EXPECT_EQ(session.currentIndex, 4);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>(3, "You have entered an invalid number, please try again"));
}

TEST_F(CommandsTest, SearchListSteppingAndItsFourMessages) {
    fill(6);
    session.records()[2].OnSearchList = true;
    session.records()[4].OnSearchList = true;
    commands.NextSearch();
    EXPECT_EQ(session.currentIndex, 2);
    commands.NextSearch();
    EXPECT_EQ(session.currentIndex, 4);
    dialogs.clearShown();
    commands.NextSearch();
    EXPECT_EQ(session.currentIndex, 4);
    EXPECT_EQ(dialogs.messages().back(), "There are no records on the Search List after this one.");
    session.currentIndex = 5;
    commands.NextSearch();
    EXPECT_EQ(dialogs.messages().back(), "There are no records in the search list after this one.");
    commands.PreviousSearch();
    EXPECT_EQ(session.currentIndex, 4);
    commands.PreviousSearch();
    EXPECT_EQ(session.currentIndex, 2);
    commands.PreviousSearch();
    EXPECT_EQ(session.currentIndex, 2);
    EXPECT_EQ(dialogs.messages().back(), "There are no records on the Search List prior to this one.");
    session.currentIndex = 0;
    commands.PreviousSearch();
    EXPECT_EQ(dialogs.messages().back(), "There are no records in the search list prior to this one.");
}

TEST_F(CommandsTest, NewRecordsTakeTheFirstFreeNumber) {
    commands.NewRecord();
    EXPECT_EQ(names(), (std::vector<std::string>{"Untitled 1", "Untitled 2"}));
    EXPECT_EQ(session.currentIndex, 1);
    EXPECT_TRUE(commands.deleteEnabled());
    session.records()[0].Name = "Claret";
    commands.NewRecord();
    EXPECT_EQ(session.records().back().Name, "Untitled 1");
}

TEST_F(CommandsTest, DeleteThenInsertPutsTheRecordBack) {
    fill(4);
    session.records()[1].Links = {"https://example.org"};
    session.currentIndex = 1;
    commands.Delete(false);
    EXPECT_EQ(names(), (std::vector<std::string>{"r0", "r2", "r3"}));
    EXPECT_EQ(session.currentIndex, 1);
    EXPECT_TRUE(session.recordListChanged);
    ASSERT_TRUE(commands.insertEnabled());
    commands.Insert();
    EXPECT_EQ(names(), (std::vector<std::string>{"r0", "r1", "r2", "r3"}));
    EXPECT_EQ(session.records()[1].Links, std::vector<std::string>{"https://example.org"});
    EXPECT_FALSE(commands.insertEnabled());
    commands.Insert();
    EXPECT_EQ(session.records().size(), 4u);
}

TEST_F(CommandsTest, DeletingTheLastRecordStepsBack) {
    fill(2);
    session.currentIndex = 1;
    commands.Delete(false);
    EXPECT_EQ(session.currentIndex, 0);
    EXPECT_FALSE(commands.deleteEnabled());
}

TEST_F(CommandsTest, ReadOnlyRecordsAreNotDeleted) {
    fill(3);
    dialogs.clearShown();
    commands.Delete(true);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"You may not delete read only records."});
    EXPECT_EQ(session.records().size(), 3u);
}

TEST_F(CommandsTest, CopyTakesEditsMadeBeforeInsert) {
    fill(3);
    session.currentIndex = 2;
    commands.Copy();
    screen.typedName = "r2 edited";
    commands.Insert();
    EXPECT_EQ(names(), (std::vector<std::string>{"r0", "r1", "r2 edited", "r2 edited"}));
    EXPECT_EQ(session.currentIndex, 2);
}

TEST_F(CommandsTest, SortKeepsTheIndexAndFollowsTheCopiedRecord) {
    fill(3);
    session.records()[0].Name = "c";
    session.records()[1].Name = "a";
    session.records()[2].Name = "b";
    session.currentIndex = 0;
    commands.Copy();
    commands.Sort(21);
    EXPECT_EQ(names(), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(session.currentIndex, 0);
    commands.Insert();
    EXPECT_EQ(names(), (std::vector<std::string>{"c", "a", "b", "c"}));
}
