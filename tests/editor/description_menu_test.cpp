#include <gtest/gtest.h>

#include <functional>

#include "editor/description_menu.h"
#include "support/scripted_dialogs.h"

using namespace vorlane;
using vorlane::testing::ScriptedDialogs;
using vorlane::testing::Shown;
using vorlane::testing::ShownText;

namespace {

// Four levels deep, with a value whose text is reused under another parent.
const char* const kRegions =
    "France\r\n"
    "\tBordeaux\r\n"
    "\t\tM\xE9" "doc\r\n"
    "\t\t\tPauillac\r\n"
    "\t\t\tMargaux\r\n"
    "\t\tGraves\r\n"
    "\tLoire\r\n"
    "Italy\r\n"
    "\tPiedmont\r\n"
    "\t\tBarolo\r\n"
    "Sparkling\r\n";

std::vector<std::string> Captions(const std::vector<DescriptionMenuEntry>& entries) {
    std::vector<std::string> out;
    for (const auto& e : entries) out.push_back(e.caption);
    return out;
}

}  // namespace

TEST(DescriptionMenu, FirstTwoEntriesThenTheTreeToAnyDepth) {
    Database db;
    db.valueTrees[0] = kRegions;
    DescriptionMenu menu = MakeMenu(db, 1);
    EXPECT_EQ(menu.field, 1);
    ASSERT_EQ(menu.entries.size(), 5u);
    EXPECT_EQ(Captions(menu.entries), (std::vector<std::string>{"ADD NEW REGION CATEGORY", "CLEAR FIELD", "France",
                                                               "Italy", "Sparkling"}));
    EXPECT_EQ(menu.entries[0].kind, DescriptionMenuKind::AddNew);
    EXPECT_EQ(menu.entries[1].kind, DescriptionMenuKind::ClearField);
    EXPECT_TRUE(menu.entries[0].children.empty());

    const DescriptionMenuEntry& france = menu.entries[2];
    EXPECT_EQ(france.kind, DescriptionMenuKind::Value);
    EXPECT_EQ(Captions(france.children), (std::vector<std::string>{"Bordeaux", "Loire"}));
    EXPECT_EQ(Captions(france.children[0].children), (std::vector<std::string>{"M\xE9" "doc", "Graves"}));
    EXPECT_EQ(Captions(france.children[0].children[0].children), (std::vector<std::string>{"Pauillac", "Margaux"}));
    EXPECT_TRUE(france.children[0].children[0].children[0].children.empty());
    EXPECT_TRUE(menu.entries[4].children.empty());

    // Every entry, at every depth, carries its field.
    std::function<void(const std::vector<DescriptionMenuEntry>&)> check = [&](const auto& entries) {
        for (const auto& e : entries) {
            EXPECT_EQ(e.field, 1) << e.caption;
            check(e.children);
        }
    };
    check(menu.entries);
}

TEST(DescriptionMenu, ValuePathsFromChosenEntries) {
    DescriptionMenu menu = MakeMenu("Region", kRegions, 1);
    EXPECT_EQ(MenuValuePath(menu, {2, 0, 0, 1}), "Margaux : M\xE9" "doc : Bordeaux : France");
    EXPECT_EQ(MenuValuePath(menu, {2, 0, 0}), "M\xE9" "doc : Bordeaux : France");
    EXPECT_EQ(MenuValuePath(menu, {3, 0, 0}), "Barolo : Piedmont : Italy");
    EXPECT_EQ(MenuValuePath(menu, {2, 1}), "Loire : France");
    EXPECT_EQ(MenuValuePath(menu, {4}), "Sparkling");  // top level: no separator
    // The two command entries and places that are not entries store nothing.
    EXPECT_EQ(MenuValuePath(menu, {0}), "");
    EXPECT_EQ(MenuValuePath(menu, {1}), "");
    EXPECT_EQ(MenuValuePath(menu, {}), "");
    EXPECT_EQ(MenuValuePath(menu, {2, 0, 0, 2}), "");
    EXPECT_EQ(MenuValuePath(menu, {9}), "");
    EXPECT_EQ(MenuEntryAt(menu, {3, 0})->caption, "Piedmont");
    EXPECT_EQ(MenuEntryAt(menu, {3, 1}), nullptr);
}

TEST(DescriptionMenu, AddNewCaptionUpperCasesAsciiLettersOnly) {
    EXPECT_EQ(AddNewCaption("Region"), "ADD NEW REGION CATEGORY");
    EXPECT_EQ(AddNewCaption("Description 5"), "ADD NEW DESCRIPTION 5 CATEGORY");
    EXPECT_EQ(AddNewCaption("R\xE9gion & co"), "ADD NEW R\xE9GION & CO CATEGORY");
    EXPECT_EQ(AddNewCaption(""), "ADD NEW  CATEGORY");

    Database db;
    db.labels[DescriptionLabel(6)] = "Closure";
    EXPECT_EQ(MakeMenu(db, 6).entries[0].caption, "ADD NEW CLOSURE CATEGORY");
    EXPECT_EQ(MakeMenu(db, 10).entries[0].caption, "ADD NEW DESCRIPTION 9 CATEGORY");
}

TEST(DescriptionMenu, EmptyTreeGivesOnlyTheCommands) {
    DescriptionMenu menu = MakeMenu("Type", "", 2);
    EXPECT_EQ(Captions(menu.entries), (std::vector<std::string>{"ADD NEW TYPE CATEGORY", "CLEAR FIELD"}));
    EXPECT_EQ(menu.entries[1].field, 2);
}

TEST(DescriptionMenu, RenamingALabelAsksAndTakesAnyAnswer) {
    LabelTable labels = DefaultLabels();
    ScriptedDialogs dialogs;
    dialogs.Type("Appellation");
    CustomizeLabel(labels, DescriptionLabel(1), dialogs);
    EXPECT_EQ(labels[10], "Appellation");
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0], (ShownText{Shown::Prompt, "Field Name|Please enter a new Filed Name:"}));

    dialogs.Type("");
    CustomizeLabel(labels, DetailLabel(3), dialogs);
    EXPECT_EQ(labels[3], "");

    dialogs.CancelPrompt();
    CustomizeLabel(labels, DetailLabel(0), dialogs);
    EXPECT_EQ(labels[0], "Winery");

    CustomizeLabel(labels, 20, dialogs);  // no such label: nothing asked
    EXPECT_EQ(dialogs.shown().size(), 3u);
    EXPECT_EQ(labels[11], "Type");
}
