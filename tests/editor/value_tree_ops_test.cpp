#include <gtest/gtest.h>

#include <filesystem>

#include "editor/value_tree_ops.h"
#include "storage/safe_file.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

using namespace vorlane;
using vorlane::testing::ScriptedDialogs;
using vorlane::testing::Shown;
using vorlane::testing::ShownText;
using vorlane::testing::TempFolder;

namespace {

constexpr int kType = 2;  // description 2, labelled "Type"

const char* const kGrapeTree =
    "Grape\r\n"
    "\tRed\r\n"
    "\t\tMerlot\r\n"
    "\t\tCabernet\r\n"
    "\tWhite\r\n"
    "Colour\r\n"
    "\tRed\r\n";

Database Cellar(std::vector<std::string> types) {
    Database db;
    db.valueTrees[kType - 1] = kGrapeTree;
    for (std::size_t i = 0; i < types.size(); ++i) {
        ItemRecord r;
        r.Name = "wine " + std::to_string(i);
        r.Description(kType) = types[i];
        r.Description(1) = types[i];  // another field with the same texts
        db.records.push_back(r);
    }
    return db;
}

std::vector<std::string> Types(const Database& db) {
    std::vector<std::string> out;
    for (const auto& r : db.records) out.push_back(r.Description(kType));
    return out;
}

}  // namespace

TEST(ValueTreeOps, PathsAndLookup) {
    ValueTree tree = ParseTreeText(kGrapeTree);
    EXPECT_EQ(ValuePath(tree, {0, 0, 0}), "Merlot : Red : Grape");
    EXPECT_EQ(ValuePath(tree, {1}), "Colour");
    EXPECT_EQ(ValuePath(tree, {1, 0}), "Red : Colour");
    EXPECT_EQ(ValuePath(tree, {0, 5}), "");
    EXPECT_EQ(ValuePath(tree, {}), "");
    EXPECT_EQ(NodeAt(tree, {0, 0, 1})->text, "Cabernet");
    EXPECT_EQ(NodeAt(tree, {0, 0, 2}), nullptr);
}

TEST(ValueTreeOps, UsesValueMatchesWholePartsIgnoringAsciiCase) {
    EXPECT_TRUE(UsesValue("Merlot : Red : Grape", "Red : Grape"));
    EXPECT_TRUE(UsesValue("Red : Grape", "Red : Grape"));
    EXPECT_TRUE(UsesValue("merlot : RED : grape", "Red : Grape"));
    EXPECT_TRUE(UsesValue("Merlot : Red : Grape", "Grape"));
    EXPECT_FALSE(UsesValue("Red : Colour", "Red : Grape"));
    EXPECT_FALSE(UsesValue("Dark Red : Grape", "Red : Grape"));  // not at a separator
    EXPECT_FALSE(UsesValue("Sour Grape", "Grape"));
    EXPECT_FALSE(UsesValue("", "Grape"));
    EXPECT_FALSE(UsesValue("Grape", "Red : Grape"));
    // Only A-Z fold: a capital E-acute is not a small one.
    EXPECT_FALSE(UsesValue("\xC9t\xE9", "\xE9t\xE9"));
    EXPECT_TRUE(UsesValue("\xC9T\xE9", "\xC9t\xE9"));
    // The empty value would otherwise claim every record.
    EXPECT_FALSE(UsesValue("Red : Grape", ""));
    EXPECT_FALSE(UsesValue("", ""));
}

TEST(ValueTreeOps, RenameIsCarriedIntoEveryRecordOfTheField) {
    Database db = Cellar({"Merlot : Red : Grape", "Red : Grape", "merlot : red : grape", "Red : Colour", "Grape",
                          "White : Grape", "Cabernet : Red : Grape"});
    ScriptedDialogs dialogs;
    DescriptionTreeEditor editor(db, kType, 0, dialogs, "");
    ASSERT_TRUE(editor.Rename({0, 0}, "Rouge"));
    EXPECT_EQ(Types(db), (std::vector<std::string>{"Merlot : Rouge : Grape", "Rouge : Grape",
                                                   "merlot : Rouge : Grape", "Red : Colour", "Grape",
                                                   "White : Grape", "Cabernet : Rouge : Grape"}));
    // Description 1 holds the same texts but has its own tree.
    EXPECT_EQ(db.records[0].Description(1), "Merlot : Red : Grape");
    EXPECT_EQ(TreeToText(editor.tree()), "Grape\r\n\tRouge\r\n\t\tMerlot\r\n\t\tCabernet\r\n\tWhite\r\n"
                                         "Colour\r\n\tRed\r\n");
    EXPECT_TRUE(dialogs.shown().empty());

    // A top-level rename reaches every level below it.
    ASSERT_TRUE(editor.Rename({0}, "Vine"));
    EXPECT_EQ(Types(db)[2], "merlot : Rouge : Vine");
    EXPECT_EQ(Types(db)[4], "Vine");
    EXPECT_EQ(Types(db)[3], "Red : Colour");
}

TEST(ValueTreeOps, RenameNeedsASelectionAndAText) {
    Database db = Cellar({"Red : Grape"});
    ScriptedDialogs dialogs;
    DescriptionTreeEditor editor(db, kType, 0, dialogs, "");
    EXPECT_FALSE(editor.Rename({}, "Rouge"));
    EXPECT_FALSE(editor.Rename({0, 0}, ""));
    EXPECT_FALSE(editor.Rename({7}, "Rouge"));
    EXPECT_EQ(Types(db)[0], "Red : Grape");
    EXPECT_EQ(TreeToText(editor.tree()), kGrapeTree);
}

TEST(ValueTreeOps, RemoveAsksWithTheCountAndLeavesRecordsAlone) {
    Database db = Cellar({"Merlot : Red : Grape", "Red : Colour", "white : GRAPE", "Grape", ""});
    ScriptedDialogs dialogs;
    DescriptionTreeEditor editor(db, kType, 0, dialogs, "");

    dialogs.No();
    EXPECT_FALSE(editor.Remove({0}));
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{
                                      "3 records will be effected by this change.  Are you sure you want to continue ?"});
    EXPECT_EQ(TreeToText(editor.tree()), kGrapeTree);

    dialogs.clearShown();
    dialogs.Yes();
    EXPECT_TRUE(editor.Remove({1, 0}));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0], (ShownText{Shown::YesNo, "1 record will be effected by this change.  Are you sure "
                                                           "you want to continue ?"}));
    EXPECT_EQ(TreeToText(editor.tree()), "Grape\r\n\tRed\r\n\t\tMerlot\r\n\t\tCabernet\r\n\tWhite\r\nColour\r\n");
    EXPECT_EQ(Types(db)[1], "Red : Colour");

    // Nobody uses Cabernet: removed without a question.
    dialogs.clearShown();
    EXPECT_TRUE(editor.Remove({0, 0, 1}));
    EXPECT_TRUE(dialogs.shown().empty());

    dialogs.Yes();
    EXPECT_TRUE(editor.Remove({0}));
    EXPECT_EQ(TreeToText(editor.tree()), "Colour\r\n");
    EXPECT_EQ(Types(db), (std::vector<std::string>{"Merlot : Red : Grape", "Red : Colour", "white : GRAPE", "Grape", ""}));
    EXPECT_FALSE(editor.Remove({}));
    EXPECT_TRUE(dialogs.scriptUsedUp());
}

TEST(ValueTreeOps, RemoveQuestionWording) {
    EXPECT_EQ(RemoveQuestion(1), "1 record will be effected by this change.  Are you sure you want to continue ?");
    EXPECT_EQ(RemoveQuestion(2), "2 records will be effected by this change.  Are you sure you want to continue ?");
    EXPECT_EQ(CountRecordsUsing(Cellar({"A", "a : B", "B"}).records, kType, "A"), 1u);
}

TEST(ValueTreeOps, InsertAndAddChildAssignTheNewValueToTheCurrentRecord) {
    Database db = Cellar({"", "Grape"});
    ScriptedDialogs dialogs;
    DescriptionTreeEditor editor(db, kType, 1, dialogs, "");

    EXPECT_EQ(editor.Insert({0, 0, 0}, "Syrah"), (NodeIndex{0, 0, 2}));
    EXPECT_EQ(Types(db), (std::vector<std::string>{"", "Syrah : Red : Grape"}));

    EXPECT_EQ(editor.AddChild({0, 1}, "Riesling"), (NodeIndex{0, 1, 0}));
    EXPECT_EQ(Types(db)[1], "Riesling : White : Grape");

    // Nothing selected: a new top-level value, for Insert and Add Child alike.
    EXPECT_EQ(editor.Insert({}, "Grape"), (NodeIndex{2}));
    EXPECT_EQ(editor.AddChild({}, "Other"), (NodeIndex{3}));
    EXPECT_EQ(Types(db)[1], "Other");

    EXPECT_FALSE(editor.Insert({0}, ""));
    EXPECT_FALSE(editor.AddChild({0}, ""));
    EXPECT_EQ(TreeToText(editor.tree()),
              "Grape\r\n\tRed\r\n\t\tMerlot\r\n\t\tCabernet\r\n\t\tSyrah\r\n\tWhite\r\n\t\tRiesling\r\n"
              "Colour\r\n\tRed\r\nGrape\r\nOther\r\n");
    EXPECT_EQ(Types(db)[0], "");
}

TEST(ValueTreeOps, TypedTabsAndLineBreaksCannotReshapeTheTree) {
    Database db = Cellar({""});
    ScriptedDialogs dialogs;
    DescriptionTreeEditor editor(db, kType, 0, dialogs, "");
    auto added = editor.AddChild({1}, "\tDeep\r\nRed");
    ASSERT_TRUE(added);
    editor.Commit();
    ValueTree reread = ParseTreeText(db.valueTrees[kType - 1]);
    EXPECT_EQ(reread, editor.tree());
    EXPECT_EQ(NodeAt(reread, *added)->text, " Deep  Red");
}

TEST(ValueTreeOps, InsertWithoutACurrentRecordOnlyGrowsTheTree) {
    Database db = Cellar({"Grape"});
    ScriptedDialogs dialogs;
    DescriptionTreeEditor editor(db, kType, -1, dialogs, "");
    EXPECT_TRUE(editor.Insert({}, "Rose"));
    EXPECT_EQ(Types(db)[0], "Grape");
}

TEST(ValueTreeOps, SortChildrenAndSortEverything) {
    Database db;
    db.valueTrees[0] = "b\r\n\tz\r\n\t\ty\r\n\t\tx\r\n\t\xC9t\xE9\r\n\tapple\r\n\tEte\r\na\r\n\tc\r\n\tB\r\n";
    ScriptedDialogs dialogs;
    DescriptionTreeEditor editor(db, 1, -1, dialogs, "");

    EXPECT_FALSE(editor.SortChildren({}));
    auto order = editor.SortChildren({0});
    ASSERT_TRUE(order);
    // Accented and plain letters sort together, whatever their case.
    EXPECT_EQ(*order, (std::vector<std::size_t>{2, 3, 1, 0}));
    EXPECT_EQ(TreeToText(editor.tree()), "b\r\n\tapple\r\n\tEte\r\n\t\xC9t\xE9\r\n\tz\r\n\t\ty\r\n\t\tx\r\na\r\n\tc\r\n\tB\r\n");

    editor.SortEverything();
    EXPECT_EQ(TreeToText(editor.tree()), "a\r\n\tB\r\n\tc\r\nb\r\n\tapple\r\n\tEte\r\n\t\xC9t\xE9\r\n\tz\r\n\t\tx\r\n\t\ty\r\n");
    EXPECT_EQ(db.valueTrees[0].substr(0, 3), "b\r\n");  // not committed yet
    editor.Commit();
    EXPECT_EQ(db.valueTrees[0], TreeToText(editor.tree()));
}

TEST(ValueTreeOps, SortedOrderIsStableForEqualTexts) {
    EXPECT_EQ(SortedOrder({"b", "a", "b", "a"}), (std::vector<std::size_t>{1, 3, 0, 2}));
    EXPECT_TRUE(ValueLess("Ete", "\xC9t\xE9"));
    EXPECT_FALSE(ValueLess("\xC9t\xE9", "Ete"));
    EXPECT_TRUE(ValueLess("Ab", "abc"));
    EXPECT_TRUE(ValueLess("\xE6", "B"));  // ae sorts with the a's
    EXPECT_TRUE(ValueLess("Zinfandel", "\xF7"));
}

TEST(ValueTreeOps, DragAndDropStaysAtOneDepth) {
    Database db = Cellar({"Merlot : Red : Grape"});
    ScriptedDialogs dialogs;
    DescriptionTreeEditor editor(db, kType, 0, dialogs, "");

    EXPECT_FALSE(DescriptionTreeEditor::CanDrop({1}, {0, 0}));
    EXPECT_FALSE(editor.Move({1}, {0, 0}));  // top level onto second level
    EXPECT_FALSE(editor.Move({0, 0}, {0, 0}));
    EXPECT_FALSE(editor.Move({0, 9}, {0, 0}));
    EXPECT_EQ(TreeToText(editor.tree()), kGrapeTree);

    // A later sibling before an earlier one.
    EXPECT_EQ(editor.Move({0, 1}, {0, 0}), (NodeIndex{0, 0}));
    EXPECT_EQ(TreeToText(editor.tree()), "Grape\r\n\tWhite\r\n\tRed\r\n\t\tMerlot\r\n\t\tCabernet\r\nColour\r\n\tRed\r\n");
    // Already just before its target: stays.
    EXPECT_EQ(editor.Move({0, 0}, {0, 1}), (NodeIndex{0, 0}));
    EXPECT_EQ(NodeAt(editor.tree(), {0, 0})->text, "White");
    EXPECT_EQ(editor.Move({0, 1}, {0, 0}), (NodeIndex{0, 0}));
    EXPECT_EQ(TreeToText(editor.tree()), kGrapeTree);

    // Across parents at the same depth, everything below moves along.
    EXPECT_EQ(editor.Move({0, 0}, {1, 0}), (NodeIndex{1, 0}));
    EXPECT_EQ(TreeToText(editor.tree()), "Grape\r\n\tWhite\r\nColour\r\n\tRed\r\n\t\tMerlot\r\n\t\tCabernet\r\n\tRed\r\n");
    EXPECT_EQ(editor.Move({1}, {0}), (NodeIndex{0}));
    EXPECT_EQ(TreeToText(editor.tree()).substr(0, 8), "Colour\r\n");
    EXPECT_EQ(Types(db)[0], "Merlot : Red : Grape");

    db.valueTrees[0] = "a\r\nb\r\nc\r\nd\r\n";
    DescriptionTreeEditor flat(db, 1, 0, dialogs, "");
    EXPECT_EQ(flat.Move({0}, {2}), (NodeIndex{1}));
    EXPECT_EQ(TreeToText(flat.tree()), "b\r\na\r\nc\r\nd\r\n");
    EXPECT_EQ(flat.Move({3}, {0}), (NodeIndex{0}));
    EXPECT_EQ(TreeToText(flat.tree()), "d\r\nb\r\na\r\nc\r\n");
}

TEST(ValueTreeOps, CaptionUsesTheFieldLabel) {
    Database db;
    ScriptedDialogs dialogs;
    EXPECT_EQ(DescriptionTreeEditor(db, 1, -1, dialogs, "").Caption(), "Add Region Category");
    db.labels[DescriptionLabel(10)] = "Cork";
    EXPECT_EQ(DescriptionTreeEditor(db, 10, -1, dialogs, "").Caption(), "Add Cork Category");
}

TEST(ValueTreeOps, MakeDefaultWritesTheTextFormIntoTheUserFolder) {
    TempFolder temp;
    std::string folder = temp.file("user data");  // not there yet
    Database db;
    // Windows-1252 bytes, an item deeper than its predecessor allows, LF-only lines.
    db.valueTrees[2] = "Ch\xE2teau\n\t\t\x80uro\n\tS\xFC\xDF\r\n";
    ScriptedDialogs dialogs;
    DescriptionTreeEditor editor(db, 3, -1, dialogs, folder);
    ASSERT_TRUE(editor.Insert({0, 1}, "Cr\xE9mant"));
    ASSERT_TRUE(editor.MakeDefault());

    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(folder + "/description3.def", bytes).ok);
    EXPECT_EQ(bytes, "Ch\xE2teau\r\n\t\x80uro\r\n\tS\xFC\xDF\r\n\tCr\xE9mant\r\n");
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_FALSE(std::filesystem::exists(folder + "/description1.def"));

    // Replaces what was there.
    editor.SortEverything();
    ASSERT_TRUE(editor.MakeDefault());
    ASSERT_TRUE(ReadWholeFile(folder + "/description3.def", bytes).ok);
    EXPECT_EQ(bytes, "Ch\xE2teau\r\n\tCr\xE9mant\r\n\tS\xFC\xDF\r\n\t\x80uro\r\n");
}

TEST(ValueTreeOps, MakeDefaultReportsAFolderItCannotWrite) {
    TempFolder temp;
    std::string blocker = temp.file("plain file");
    ASSERT_TRUE(WriteFileSafely(blocker, "x").ok);
    Database db;
    ScriptedDialogs dialogs;
    DescriptionTreeEditor editor(db, 4, -1, dialogs, blocker + "/sub");
    EXPECT_FALSE(editor.MakeDefault());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, Shown::Error);
    EXPECT_NE(dialogs.shown()[0].text.find(blocker), std::string::npos);
}

TEST(ValueTreeOps, NoValueDeeperThanTheTextFormHolds) {
    Database db;
    std::string text;
    for (int depth = 0; depth < kMaxTreeDepth; ++depth) text += std::string(static_cast<std::size_t>(depth), '\t') + "v\r\n";
    db.valueTrees[0] = text;
    ScriptedDialogs dialogs;
    DescriptionTreeEditor editor(db, 1, -1, dialogs, "");
    NodeIndex deepest(static_cast<std::size_t>(kMaxTreeDepth), 0);
    ASSERT_NE(NodeAt(editor.tree(), deepest), nullptr);
    EXPECT_FALSE(editor.AddChild(deepest, "too deep"));
    auto sibling = editor.Insert(deepest, "beside");
    ASSERT_TRUE(sibling);
    EXPECT_EQ(sibling->size(), deepest.size());
    editor.Commit();
    EXPECT_EQ(ParseTreeText(db.valueTrees[0]), editor.tree());
}
