#include <gtest/gtest.h>

#include "storage/database_forms.h"
#include "storage/scramble.h"
#include "support/scripted_dialogs.h"

using namespace vorlane;
using vorlane::testing::ScriptedDialogs;
using vorlane::testing::Shown;
using vorlane::testing::ShownText;

namespace {

Database WithPasswords(const std::string& read, const std::string& save) {
    Database db;
    db.readPassword = Scramble(read);
    db.savePassword = Scramble(save);
    return db;
}

TEST(PasswordFieldsTest, EachPasswordAppearsUnscrambledInBothOfItsFields) {
    PasswordFields fields = PasswordFieldsOf(WithPasswords("cellar", "Keller\xE9"));
    EXPECT_EQ(fields.read, "cellar");
    EXPECT_EQ(fields.readAgain, "cellar");
    EXPECT_EQ(fields.save, "Keller\xE9");
    EXPECT_EQ(fields.saveAgain, "Keller\xE9");
}

TEST(PasswordFieldsTest, MatchingFieldsAreScrambledIntoTheDatabase) {
    Database db;
    ScriptedDialogs dialogs;
    ASSERT_TRUE(ApplyPasswordFields({"r", "r", "s2", "s2"}, db, dialogs));
    EXPECT_EQ(db.readPassword, Scramble("r"));
    EXPECT_EQ(db.savePassword, Scramble("s2"));
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST(PasswordFieldsTest, OnlyTheReadMismatchIsReportedWhenBothPairsDiffer) {
    Database db = WithPasswords("old", "old");
    ScriptedDialogs dialogs;
    EXPECT_FALSE(ApplyPasswordFields({"a", "b", "c", "d"}, db, dialogs));
    EXPECT_EQ(dialogs.shown(), (std::vector<ShownText>{{Shown::Information, "The read passwords do not match."}}));
    EXPECT_EQ(db.readPassword, Scramble("old"));
}

TEST(PasswordFieldsTest, SaveMismatchIsReportedAndNothingChanges) {
    Database db = WithPasswords("old", "old");
    ScriptedDialogs dialogs;
    EXPECT_FALSE(ApplyPasswordFields({"new", "new", "x", "X"}, db, dialogs));
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"The save passwords do not match."}));
    EXPECT_EQ(db.readPassword, Scramble("old"));
    EXPECT_EQ(db.savePassword, Scramble("old"));
}

TEST(PasswordFieldsTest, EmptyFieldsRemoveBothPasswords) {
    Database db = WithPasswords("old", "older");
    ScriptedDialogs dialogs;
    ASSERT_TRUE(ApplyPasswordFields({}, db, dialogs));
    EXPECT_TRUE(db.readPassword.empty());
    EXPECT_TRUE(db.savePassword.empty());
}

TEST(InfoDialogFieldsTest, ScreenOrderPutsZipCodeBeforeCountryAndCoversEveryText) {
    EXPECT_STREQ(kInfoDialogFields[4].label, "Zip Code");
    EXPECT_EQ(kInfoDialogFields[4].field, InfoZipCode);
    EXPECT_STREQ(kInfoDialogFields[5].label, "Country");
    EXPECT_EQ(kInfoDialogFields[5].field, InfoCountry);
    std::array<int, kInfoFieldCount> seen{};
    for (const auto& f : kInfoDialogFields) ++seen[static_cast<std::size_t>(f.field)];
    for (int count : seen) EXPECT_EQ(count, 1);
}

TEST(LinesTest, SplitAndJoinAreInverse) {
    EXPECT_TRUE(SplitLines("").empty());
    EXPECT_EQ(SplitLines("a\nb"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(SplitLines("a\n"), (std::vector<std::string>{"a"}));  // a trailing break adds no entry
    EXPECT_EQ(SplitLines("a\n\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(SplitLines("\n\n"), (std::vector<std::string>{"", ""}));
    for (const std::vector<std::string>& lines :
         {std::vector<std::string>{}, {"one"}, {"a", "", "c"}, {"", "x"}, {"tail", ""}, {""}})
        EXPECT_EQ(SplitLines(JoinLines(lines)), lines);
}

}  // namespace
