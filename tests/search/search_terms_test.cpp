#include <gtest/gtest.h>

#include "search/range_masks.h"
#include "search/search_terms.h"
#include "search/value_menu.h"
#include "search_test_support.h"
#include "storage/fields.h"

using namespace vorlane;
using vorlane::testing_support::AddSearchTerm;

namespace {
const LabelTable kLabels = DefaultLabels();
const SearchCaptions kCaptions;

const FieldMenuEntry* Entry(const std::vector<FieldMenuEntry>& menu, int number) {
    for (const auto& e : menu)
        if (e.number == number) return &e;
    return nullptr;
}
}  // namespace

TEST(TermGrid, StartsWithOneRowWithoutCriterionAndAllSlotsFree) {
    SearchTerms terms;
    ASSERT_EQ(terms.rows().size(), 1u);
    EXPECT_EQ(terms.rows()[0], TermRow{});
    EXPECT_EQ(terms.rows()[0].link, -1);
    EXPECT_EQ(terms.gridRowCount(), 2);
    for (const auto& slot : terms.criteria()) EXPECT_EQ(slot, (SearchRecord{-1, 0, "", ""}));
}

TEST(TermGrid, AddTermStopsAtFiftyRows) {
    SearchTerms terms;
    for (int i = 2; i <= 49; ++i) ASSERT_EQ(terms.AddTerm(), "");
    ASSERT_EQ(terms.rows().size(), 49u);
    EXPECT_EQ(terms.AddTerm(), "");  // the 50th
    EXPECT_EQ(terms.rows().size(), 50u);
    EXPECT_EQ(terms.rows().back().link, 0);
    EXPECT_EQ(terms.AddTerm(), "You may add a maximum of 50 search terms per search.");
    EXPECT_EQ(terms.rows().size(), 50u);
}

TEST(TermGrid, FieldMenuListsEveryFieldInOrderWithCaptions) {
    SearchCaptions captions;
    captions.status = "State";
    captions.notes = {"Tags", "Food", "Memo"};
    LabelTable labels = kLabels;
    labels[10] = "Appellation";
    SearchTerms terms;
    auto menu = terms.FieldMenu(labels, captions);
    ASSERT_EQ(menu.size(), 27u);
    EXPECT_EQ(menu[0], (FieldMenuEntry{"REMOVE SEARCH TERM", kRemoveTermEntry, true}));
    EXPECT_EQ(menu[1], (FieldMenuEntry{"Appellation", 0, true}));
    EXPECT_EQ(menu[5], (FieldMenuEntry{"Rarity", 40, true}));
    EXPECT_EQ(menu[6], (FieldMenuEntry{"Description 5", 50, true}));
    EXPECT_EQ(menu[11], (FieldMenuEntry{"Winery", 100, true}));
    EXPECT_EQ(menu[19], (FieldMenuEntry{"Value", 180, true}));
    EXPECT_EQ(menu[20], (FieldMenuEntry{"Quantity", 190, true}));
    EXPECT_EQ(menu[21], (FieldMenuEntry{"State", 200, true}));
    EXPECT_EQ(menu[22], (FieldMenuEntry{"Name", 210, true}));
    EXPECT_EQ(menu[23], (FieldMenuEntry{"Tags", 220, true}));
    EXPECT_EQ(menu[25], (FieldMenuEntry{"Memo", 240, true}));
    EXPECT_EQ(menu[26], (FieldMenuEntry{"Ingredients", 250, true}));
}

TEST(TermGrid, UsedFieldsAreDisabledExceptIngredients) {
    SearchTerms terms;
    ASSERT_EQ(AddSearchTerm(terms, kSearchName, kTypeIncludes, "ch"), 0);
    ASSERT_EQ(AddSearchTerm(terms, kSearchIngredients, kTypeIncludes, "yeast"), 1);
    auto menu = terms.FieldMenu(kLabels, kCaptions);
    EXPECT_FALSE(Entry(menu, kSearchName)->enabled);
    EXPECT_TRUE(Entry(menu, kSearchIngredients)->enabled);
    EXPECT_TRUE(Entry(menu, kSearchStatus)->enabled);

    // A second name term is refused and changes nothing; a second ingredients term is fine.
    terms.AddTerm();
    const SearchTerms before = terms;
    EXPECT_FALSE(terms.ChooseField(2, kSearchName, "Name"));
    EXPECT_EQ(terms.rows(), before.rows());
    EXPECT_EQ(terms.criteria(), before.criteria());
    EXPECT_TRUE(terms.ChooseField(2, kSearchIngredients, "Ingredients"));
    EXPECT_EQ(terms.rows()[2].link, 3);

    // Removing the name term frees its entry again.
    terms.RemoveTerm(0);
    EXPECT_TRUE(Entry(terms.FieldMenu(kLabels, kCaptions), kSearchName)->enabled);
}

TEST(TermGrid, ChoosingAFieldTakesTheLowestFreeSlot) {
    SearchTerms terms;
    EXPECT_TRUE(terms.ChooseField(0, SearchFieldOfDetail(3), "Vintage"));
    const TermRow& row = terms.rows()[0];
    EXPECT_EQ(row, (TermRow{"Vintage", "Includes", "", 1}));
    EXPECT_EQ(terms.slot(1), (SearchRecord{130, 1, "", ""}));

    terms.ApplyRange(0, AcceptRange("1990", "1995"));
    EXPECT_EQ(terms.rows()[0].value, "1990 < 1995");
    // Choosing another field for the same row keeps the slot, empties the value.
    terms.ChooseType(0, kTypeDoesNotInclude);
    EXPECT_TRUE(terms.ChooseField(0, SearchFieldOfDetail(2), "Date Received"));
    EXPECT_EQ(terms.rows()[0], (TermRow{"Date Received", "Does Not Include", "", 1}));
    EXPECT_EQ(terms.slot(1), (SearchRecord{120, 2, "", ""}));

    terms.AddTerm();
    terms.AddTerm();
    EXPECT_TRUE(terms.ChooseField(2, kSearchName, "Name"));
    EXPECT_EQ(terms.rows()[2].link, 2);
    EXPECT_TRUE(terms.ChooseField(1, kSearchStatus, "Status"));
    EXPECT_EQ(terms.rows()[1].link, 3);
}

TEST(TermGrid, CriterionFollowsATypeChosenBeforeTheField) {
    SearchTerms terms;
    AddSearchTerm(terms, kSearchName, kTypeDoesNotInclude, "x");
    terms.RemoveTerm(0);  // slot 1 keeps type 2 while free
    EXPECT_EQ(terms.slot(1).type, 2);
    terms.ChooseType(0, kTypeIncludes);  // only the cell: no criterion yet
    EXPECT_EQ(terms.rows()[0].type, "Includes");
    EXPECT_EQ(terms.slot(1).type, 2);
    ASSERT_TRUE(terms.ChooseField(0, kSearchName, "Name"));
    EXPECT_EQ(terms.rows()[0].link, 1);
    EXPECT_EQ(terms.slot(1).type, 1);
}

TEST(TermGrid, NoFreeSlotChangesNothing) {
    SearchTerms terms;
    for (int s = 1; s <= kSlotCount; ++s) terms.mutableSlot(s).code = kSearchIngredients;
    const SearchTerms before = terms;
    EXPECT_FALSE(terms.ChooseField(0, kSearchName, "Name"));
    EXPECT_EQ(terms.rows(), before.rows());
    EXPECT_EQ(terms.criteria(), before.criteria());
}

TEST(TermGrid, FreeSlotStillLinkedByAnotherRowIsNotReused) {
    SearchTerms terms;
    terms.mutableRows()[0].link = 1;  // as a loaded file may leave it: slot 1 is free
    terms.AddTerm();
    ASSERT_TRUE(terms.ChooseField(1, kSearchName, "Name"));
    EXPECT_EQ(terms.rows()[1].link, 2);
}

TEST(TermGrid, RemoveTermFreesTheSlotAndKeepsTheLastRow) {
    SearchTerms terms;
    AddSearchTerm(terms, kSearchName, kTypeIncludes, "ch");
    AddSearchTerm(terms, kSearchStatus, kTypeDoesNotInclude, "Favorite");
    terms.RemoveTerm(0);
    ASSERT_EQ(terms.rows().size(), 1u);
    EXPECT_EQ(terms.rows()[0].link, 2);
    EXPECT_EQ(terms.slot(1), (SearchRecord{-1, 1, "ch", ""}));  // texts and type stay

    terms.RemoveTerm(0);
    ASSERT_EQ(terms.rows().size(), 1u);
    EXPECT_EQ(terms.rows()[0], TermRow{});
    EXPECT_EQ(terms.slot(2).code, -1);
    EXPECT_EQ(terms.slot(2).value, "Favorite");

    // A row just added, without criterion, is deleted too.
    terms.AddTerm();
    terms.RemoveTerm(1);
    EXPECT_EQ(terms.rows().size(), 1u);
}

TEST(TermGrid, OnlyTheValueOfTypedFieldsAcceptsTyping) {
    SearchTerms terms;
    EXPECT_FALSE(terms.AcceptsTyping(0, TermColumn::Value));  // no criterion
    EXPECT_FALSE(terms.SetTypedValue(0, "x"));
    for (int number : SearchFieldNumbers()) {
        SearchTerms t;
        ASSERT_TRUE(t.ChooseField(0, number, "f"));
        EXPECT_FALSE(t.AcceptsTyping(0, TermColumn::Field));
        EXPECT_FALSE(t.AcceptsTyping(0, TermColumn::Type));
        EXPECT_EQ(t.AcceptsTyping(0, TermColumn::Value), number >= 210) << number;
        EXPECT_EQ(t.SetTypedValue(0, "typed"), number >= 210) << number;
        EXPECT_EQ(t.slot(1).value, number >= 210 ? "typed" : "") << number;
        EXPECT_EQ(t.rows()[0].value, number >= 210 ? "typed" : "") << number;
    }
}

TEST(TermGrid, ValueChooserPerField) {
    const std::pair<int, ValueChooser> cases[] = {
        {0, ValueChooser::DescriptionMenu},   {90, ValueChooser::DescriptionMenu}, {100, ValueChooser::RangeDialog},
        {190, ValueChooser::RangeDialog},     {200, ValueChooser::StatusMenu},     {210, ValueChooser::Typed},
        {250, ValueChooser::Typed},           {-1, ValueChooser::None},            {35, ValueChooser::None},
        {260, ValueChooser::None},
    };
    for (const auto& [number, chooser] : cases) EXPECT_EQ(ChooserFor(number), chooser) << number;
    SearchTerms terms;
    EXPECT_EQ(terms.ChooserOf(0), ValueChooser::None);
    EXPECT_EQ(DescriptionOfSearchField(90), 10);
    EXPECT_EQ(DetailOfSearchField(130), 3);
}

TEST(RangeDialog, MasksAndDefaultsPerDetail) {
    EXPECT_EQ(RangeSetupFor(120), (RangeSetup{"!9090/90/00;1;_", "0000/01/01", "2050/12/12"}));
    EXPECT_EQ(RangeSetupFor(130), (RangeSetup{"9090;1;_", "0000", "2050"}));
    EXPECT_EQ(RangeSetupFor(140), (RangeSetup{"", "00:00:00", "99:99:99"}));
    EXPECT_EQ(RangeSetupFor(150), (RangeSetup{"", "000", "999"}));
    EXPECT_EQ(RangeSetupFor(190), (RangeSetup{"99;1;_", "00", "99"}));
    for (int number : {100, 110, 160, 170, 180}) EXPECT_EQ(RangeSetupFor(number), RangeSetup{}) << number;

    EXPECT_EQ(ToQtInputMask("!9090/90/00;1;_"), "0909/09/99;_");
    EXPECT_EQ(ToQtInputMask("9090;1;_"), "0909;_");
    EXPECT_EQ(ToQtInputMask("99;1;_"), "00;_");
    EXPECT_EQ(ToQtInputMask(""), "");
}

TEST(RangeDialog, OpensWithTheTermsValuesOrTheDefaults) {
    SearchTerms terms;
    AddSearchTerm(terms, SearchFieldOfDetail(2), kTypeIncludes, "");
    RangeDialogTexts fresh = terms.RangeDialogFor(0);
    EXPECT_EQ(fresh.mask, "!9090/90/00;1;_");
    EXPECT_EQ(fresh.recordValue, "0000/01/01");
    EXPECT_EQ(fresh.lowValue, "0000/01/01");
    EXPECT_EQ(fresh.highValue, "2050/12/12");

    terms.ApplyRange(0, AcceptRange("1999/01/01", "1999/12/31"));
    RangeDialogTexts again = terms.RangeDialogFor(0);
    EXPECT_EQ(again.recordValue, "1999/01/01");
    EXPECT_EQ(again.lowValue, "1999/01/01");
    EXPECT_EQ(again.highValue, "1999/12/31");
}

TEST(RangeDialog, OkButtonsCheckTheirEditsInOrder) {
    RangeAnswer empty = AcceptSpecificValue("");
    EXPECT_FALSE(empty.accepted);
    EXPECT_EQ(empty.message, "Please enter a value in the search field.");
    EXPECT_EQ(empty.focus, RangeFocus::RecordValue);

    RangeAnswer bothEmpty = AcceptRange("", "");
    EXPECT_EQ(bothEmpty.message, "Please enter a value in the \"from\" search field.");
    EXPECT_EQ(bothEmpty.focus, RangeFocus::LowValue);
    RangeAnswer noTo = AcceptRange("1990", "");
    EXPECT_EQ(noTo.message, "Please enter a value in the \"to\" search field.");
    EXPECT_EQ(noTo.focus, RangeFocus::HighValue);

    // The text as shown counts, mask literals included.
    RangeAnswer blankDate = AcceptSpecificValue("    /  /  ");
    EXPECT_TRUE(blankDate.accepted);

    SearchTerms terms;
    AddSearchTerm(terms, SearchFieldOfDetail(3), kTypeIncludes, "");
    terms.ApplyRange(0, noTo);  // refused answers change nothing
    EXPECT_EQ(terms.slot(1), (SearchRecord{130, 1, "", ""}));
    terms.ApplyRange(0, AcceptSpecificValue("1995"));
    EXPECT_EQ(terms.slot(1), (SearchRecord{130, 1, "1995", "1995"}));
    EXPECT_EQ(terms.rows()[0].value, "1995");
    terms.ApplyRange(0, AcceptRange("1990", "1995"));
    EXPECT_EQ(terms.slot(1), (SearchRecord{130, 1, "1990", "1995"}));
    EXPECT_EQ(terms.rows()[0].value, "1990 < 1995");
}

TEST(TermGrid, MenuValuesGoToTheCriterionAndTheCell) {
    SearchTerms terms;
    AddSearchTerm(terms, kSearchStatus, kTypeIncludes, "Tested");
    EXPECT_EQ(terms.slot(1).value, "Tested");
    EXPECT_EQ(terms.rows()[0].value, "Tested");
    EXPECT_EQ(StatusMenu(kCaptions), (std::array<std::string, 3>{"Favorite", "Tested", "Untested"}));
    EXPECT_EQ(TypeMenu(), (std::array<std::string, 2>{"Includes", "Does Not Include"}));
}

TEST(ValueMenus, ReverseOrderAtEveryLevelWithLeafFirstValues) {
    const std::string tree =
        "France\r\n\tBordeaux\r\n\t\tPauillac\r\n\t\tMargaux\r\n\tBurgundy\r\nItaly\r\n\tTuscany\r\nSpain\r\n";
    ValueMenu menu = BuildValueMenu(tree);
    ASSERT_EQ(menu.size(), 3u);
    EXPECT_EQ(menu[0].caption, "Spain");
    EXPECT_EQ(menu[0].value, "Spain");
    EXPECT_TRUE(menu[0].children.empty());
    EXPECT_EQ(menu[1].caption, "Italy");
    EXPECT_EQ(menu[2].caption, "France");
    ASSERT_EQ(menu[2].children.size(), 2u);
    EXPECT_EQ(menu[2].children[0].value, "Burgundy : France");
    const ValueMenuEntry& bordeaux = menu[2].children[1];
    EXPECT_EQ(bordeaux.caption, "Bordeaux");
    EXPECT_EQ(bordeaux.value, "Bordeaux : France");  // a submenu entry carries its own value
    ASSERT_EQ(bordeaux.children.size(), 2u);
    EXPECT_EQ(bordeaux.children[0].value, "Margaux : Bordeaux : France");
    EXPECT_EQ(bordeaux.children[1].value, "Pauillac : Bordeaux : France");
    EXPECT_EQ(menu[1].children[0].value, "Tuscany : Italy");

    EXPECT_TRUE(BuildValueMenu("").empty());
    Database db;
    db.valueTrees[4] = "Red\r\n\tDry\r\n";
    auto menus = BuildValueMenus(db);
    EXPECT_TRUE(menus[0].empty());
    ASSERT_EQ(menus[4].size(), 1u);
    EXPECT_EQ(menus[4][0].children[0].value, "Dry : Red");
}
