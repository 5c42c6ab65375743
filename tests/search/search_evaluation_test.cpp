#include <gtest/gtest.h>

#include "search/search_evaluation.h"
#include "search/search_list.h"
#include "search_test_support.h"
#include "storage/database_file.h"
#include "storage/fields.h"

using namespace vorlane;
using vorlane::testing_support::AddSearchTerm;
using vorlane::testing_support::Wine;

namespace {

// Which of the records one search finds (list order), on fresh flags.
std::vector<std::string> Found(const SearchTerms& terms, RecordList records, const SearchCaptions& captions = {}) {
    for (auto& r : records) r.clearMemoryFlags();
    RunSearch(records, terms, captions);
    std::vector<std::string> names;
    for (const auto& r : records)
        if (r.OnSearchList) names.push_back(r.Name);
    return names;
}

using Names = std::vector<std::string>;

RecordList WithDescription(int k, std::initializer_list<std::pair<const char*, const char*>> items) {
    RecordList list;
    for (auto [name, value] : items) {
        list.push_back(Wine(name));
        list.back().Description(k) = value;
    }
    return list;
}

RecordList WithDetail(int d, std::initializer_list<std::pair<const char*, const char*>> items) {
    RecordList list;
    for (auto [name, value] : items) {
        list.push_back(Wine(name));
        list.back().Details[static_cast<std::size_t>(d)] = value;
    }
    return list;
}

}  // namespace

TEST(Evaluation, DescriptionIsExactSubstringOfThePath) {
    RecordList wines = WithDescription(1, {{"pauillac", "Pauillac : Bordeaux : France"},
                                           {"bordeaux", "Bordeaux : France"},
                                           {"burgundy", "Beaune : Burgundy : France"},
                                           {"none", ""}});
    SearchTerms terms;
    AddSearchTerm(terms, SearchFieldOfDescription(1), kTypeIncludes, "Bordeaux : France");
    EXPECT_EQ(Found(terms, wines), (Names{"pauillac", "bordeaux"}));

    SearchTerms lower;
    AddSearchTerm(lower, SearchFieldOfDescription(1), kTypeIncludes, "bordeaux : France");
    EXPECT_TRUE(Found(lower, wines).empty());

    SearchTerms negated;
    AddSearchTerm(negated, SearchFieldOfDescription(1), kTypeDoesNotInclude, "Bordeaux : France");
    EXPECT_EQ(Found(negated, wines), (Names{"burgundy", "none"}));

    // Each description field is searched in its own slot of the record.
    SearchTerms other;
    AddSearchTerm(other, SearchFieldOfDescription(10), kTypeIncludes, "France");
    RecordList tenth = WithDescription(10, {{"ten", "Loire : France"}});
    tenth.push_back(Wine("one"));
    tenth.back().Description(1) = "Loire : France";
    EXPECT_EQ(Found(other, tenth), (Names{"ten"}));
}

TEST(Evaluation, EmptyValuesNeverMatchAndAlwaysMatchWhenNegated) {
    ItemRecord full = Wine("full");
    full.Description(3) = "Some Producer";
    full.Details[0] = "Winery";
    full.NoteLists[0] = {"oak", ""};
    full.Ingredients = "4,100\r\n0,1,Yeast\r\n";
    RecordList wines{full, Wine("")};

    for (int number : {SearchFieldOfDescription(3), SearchFieldOfDetail(0), kSearchName, SearchFieldOfNotes(0),
                       kSearchStatus}) {
        SearchTerms includes;
        AddSearchTerm(includes, number, kTypeIncludes, "");
        EXPECT_TRUE(Found(includes, wines).empty()) << number;
        SearchTerms excludes;
        AddSearchTerm(excludes, number, kTypeDoesNotInclude, "");
        EXPECT_EQ(Found(excludes, wines), (Names{"full", ""})) << number;
    }
    SearchTerms ingredients;
    AddSearchTerm(ingredients, kSearchIngredients, kTypeDoesNotInclude, "");
    EXPECT_TRUE(Found(ingredients, wines).empty());
}

TEST(Evaluation, DetailRangesNumericAndTextual) {
    RecordList vintages = WithDetail(3, {{"a", "1990"}, {"b", "1993"}, {"c", "1995"}, {"d", "1996"}, {"e", ""}});
    SearchTerms years;
    AddSearchTerm(years, SearchFieldOfDetail(3), kTypeIncludes, "1990", "1995");
    EXPECT_EQ(Found(years, vintages), (Names{"a", "b", "c"}));

    RecordList dates = WithDetail(2, {{"june", "1999/06/15"}, {"y2k", "2000/01/01"}, {"old", "1998/12/31"}});
    SearchTerms received;
    AddSearchTerm(received, SearchFieldOfDetail(2), kTypeIncludes, "1999/01/01", "1999/12/31");
    EXPECT_EQ(Found(received, dates), (Names{"june"}));

    SearchTerms outside;
    AddSearchTerm(outside, SearchFieldOfDetail(2), kTypeDoesNotInclude, "1999/01/01", "1999/12/31");
    EXPECT_EQ(Found(outside, dates), (Names{"y2k", "old"}));

    // An exact value from the dialog: equal as a number, or a prefix ignoring case.
    RecordList wineries = WithDetail(0, {{"m", "Chateau Margaux"}, {"l", "Le Chateau"}, {"n", "7.0"}});
    SearchTerms exact;
    AddSearchTerm(exact, SearchFieldOfDetail(0), kTypeIncludes, "CHATEAU", "", true);
    EXPECT_EQ(Found(exact, wineries), (Names{"m"}));
    SearchTerms seven;
    AddSearchTerm(seven, SearchFieldOfDetail(0), kTypeIncludes, "7", "", true);
    EXPECT_EQ(Found(seven, wineries), (Names{"n"}));
}

TEST(Evaluation, MoneyDetailsCompareTheirNumericValue) {
    for (int d : {1, 8}) {
        RecordList paid = WithDetail(d, {{"big", "$1,250.00"}, {"small", "$99.50"}, {"text", "free"}});
        SearchTerms exact;
        AddSearchTerm(exact, SearchFieldOfDetail(d), kTypeIncludes, "1250", "", true);
        EXPECT_EQ(Found(exact, paid), (Names{"big"})) << d;
        SearchTerms range;
        AddSearchTerm(range, SearchFieldOfDetail(d), kTypeIncludes, "1000", "2000");
        EXPECT_EQ(Found(range, paid), (Names{"big"})) << d;
        // "free" has no digits: its numeric value is 0.
        SearchTerms zero;
        AddSearchTerm(zero, SearchFieldOfDetail(d), kTypeIncludes, "0", "", true);
        EXPECT_EQ(Found(zero, paid), (Names{"text"})) << d;
    }
    // Other details keep their text: "$1,250.00" is no number there.
    RecordList plain = WithDetail(0, {{"big", "$1,250.00"}});
    SearchTerms range;
    AddSearchTerm(range, SearchFieldOfDetail(0), kTypeIncludes, "1000", "2000");
    EXPECT_TRUE(Found(range, plain).empty());
}

TEST(Evaluation, NameContainsTypedTextIgnoringCase) {
    RecordList wines{Wine("Chablis"), Wine("Rich Red"), Wine("Merlot"), Wine("CHIANTI")};
    SearchTerms terms;
    AddSearchTerm(terms, kSearchName, kTypeIncludes, "ch");
    EXPECT_EQ(Found(terms, wines), (Names{"Chablis", "Rich Red", "CHIANTI"}));
    SearchTerms negated;
    AddSearchTerm(negated, kSearchName, kTypeDoesNotInclude, "ch");
    EXPECT_EQ(Found(negated, wines), (Names{"Merlot"}));
}

TEST(Evaluation, StatusValueMustEqualACaptionWhoseFlagIsSet) {
    RecordList wines{Wine("fav"), Wine("tested"), Wine("untested"), Wine("none"), Wine("all")};
    wines[0].Favorite = true;
    wines[1].Tested = true;
    wines[2].Untested = true;
    wines[4].Favorite = wines[4].Tested = wines[4].Untested = true;
    const std::pair<const char*, Names> cases[] = {{"Favorite", {"fav", "all"}},
                                                   {"Tested", {"tested", "all"}},
                                                   {"Untested", {"untested", "all"}},
                                                   {"favorite", {}},
                                                   {"Favorite ", {}}};
    for (const auto& [value, expected] : cases) {
        SearchTerms terms;
        AddSearchTerm(terms, kSearchStatus, kTypeIncludes, value);
        EXPECT_EQ(Found(terms, wines), expected) << value;
    }
    SearchTerms notFavorite;
    AddSearchTerm(notFavorite, kSearchStatus, kTypeDoesNotInclude, "Favorite");
    EXPECT_EQ(Found(notFavorite, wines), (Names{"tested", "untested", "none"}));

    // Renamed captions are what the value is compared with.
    SearchCaptions renamed;
    renamed.statusFlags = {"Keeper", "Opened", "Sealed"};
    SearchTerms keeper;
    AddSearchTerm(keeper, kSearchStatus, kTypeIncludes, "Keeper");
    EXPECT_EQ(Found(keeper, wines, renamed), (Names{"fav", "all"}));
    SearchTerms favorite;
    AddSearchTerm(favorite, kSearchStatus, kTypeIncludes, "Favorite");
    EXPECT_TRUE(Found(favorite, wines, renamed).empty());
}

TEST(Evaluation, NotesMatchAnyLineOfTheirOwnListIgnoringAsciiCase) {
    RecordList wines{Wine("k"), Wine("f"), Wine("accent")};
    wines[0].NoteLists[0] = {"Earthy", "OAK barrel"};
    wines[1].NoteLists[1] = {"oak-smoked lamb"};
    wines[2].NoteLists[2] = {"CAF\xC9"};
    SearchTerms keywords;
    AddSearchTerm(keywords, SearchFieldOfNotes(0), kTypeIncludes, "Oak");
    EXPECT_EQ(Found(keywords, wines), (Names{"k"}));
    SearchTerms food;
    AddSearchTerm(food, SearchFieldOfNotes(1), kTypeIncludes, "OAK");
    EXPECT_EQ(Found(food, wines), (Names{"f"}));
    SearchTerms notOak;
    AddSearchTerm(notOak, SearchFieldOfNotes(0), kTypeDoesNotInclude, "oak");
    EXPECT_EQ(Found(notOak, wines), (Names{"f", "accent"}));
    // Only A ... Z fold.
    SearchTerms accent;
    AddSearchTerm(accent, SearchFieldOfNotes(2), kTypeIncludes, "caf\xE9");
    EXPECT_TRUE(Found(accent, wines).empty());
    SearchTerms same;
    AddSearchTerm(same, SearchFieldOfNotes(2), kTypeIncludes, "caf\xC9");
    EXPECT_EQ(Found(same, wines), (Names{"accent"}));
}

TEST(Evaluation, IngredientsSkipTheTitleRowAndIgnoreType) {
    IngredientsTable table;
    table.cells = {{0, 0, "Ingredients"}, {1, 0, "Quantity"}, {0, 1, "Yeast Starter"}, {3, 2, "stir\r\ngently"}};
    RecordList wines{Wine("yeast"), Wine("title only"), Wine("empty")};
    wines[0].Ingredients = EncodeIngredients(table);
    wines[1].Ingredients = EncodeIngredients(IngredientsTable{4, 100, {{0, 0, "Ingredients"}}});

    auto find = [&](std::int32_t type, const std::string& value) {
        SearchTerms terms;
        AddSearchTerm(terms, kSearchIngredients, type, value);
        return Found(terms, wines);
    };
    EXPECT_EQ(find(kTypeIncludes, "yeast"), (Names{"yeast"}));
    EXPECT_EQ(find(kTypeIncludes, "STARTER"), (Names{"yeast"}));
    EXPECT_TRUE(find(kTypeIncludes, "ingredients").empty());  // the title row
    EXPECT_TRUE(find(kTypeIncludes, "quantity").empty());
    EXPECT_EQ(find(kTypeIncludes, "stir\r\ngently"), (Names{"yeast"}));  // CR LF as stored
    // "Does Not Include" still tests as "Includes".
    EXPECT_EQ(find(kTypeDoesNotInclude, "yeast"), (Names{"yeast"}));
}

TEST(Evaluation, NameAndIngredientsContainmentFoldAccentedLetters) {
    RecordList wines{Wine("\xC1lvaro Palacios"), Wine("Other")};
    wines[0].Ingredients = "4,100\r\n0,1,cr\xE8me br\xFBl\xE9" "e\r\n";
    for (int field : {kSearchName, kSearchIngredients}) {
        SearchTerms terms;
        AddSearchTerm(terms, field, kTypeIncludes, field == kSearchIngredients ? "CR\xC8ME BR\xDBL\xC9" "E" : "\xE1lvaro");
        EXPECT_EQ(Found(terms, wines), (Names{"\xC1lvaro Palacios"})) << field;
    }
}

TEST(Evaluation, IngredientsScanAgreesWithTheTableReader) {
    const std::string blocks[] = {
        "4,100\r\n0,0,Ingredients\r\n0,1,Acid Blend\r\n2,1,gram\r\n",
        "4,100\r\n0,1,a,b,c\r\n",        // commas belong to the text
        "2,3\r\n3,1,outside\r\n0,3,below\r\n1,2,inside\r\n",
        "\r\n0,1,default size\r\n",      // empty first line keeps 4 x 100
        "4,100\r\n-1,1,neg\r\nx,1,bad\r\n0,1\r\n0,1,tab\there\r\n",
        "4,100",                          // size line only
        "",
    };
    const std::string needles[] = {"ACID", "GRAM", "A,B", "OUTSIDE", "BELOW", "INSIDE", "DEFAULT",
                                   "NEG", "BAD", "TAB\tHERE", "INGREDIENTS", "X"};
    for (const auto& block : blocks) {
        IngredientsTable table = DecodeIngredients(block);
        for (const auto& needle : needles) {
            bool expected = false;
            for (const auto& cell : table.cells) {
                if (cell.row < 1) continue;
                std::string upper = UpperCp1252(cell.text);
                expected = expected || upper.find(needle) != std::string::npos;
            }
            EXPECT_EQ(IngredientsContain(block, needle), expected) << block << " / " << needle;
        }
    }
}

TEST(Evaluation, TermsJoinByAnd) {
    RecordList wines{Wine("Chablis"), Wine("Chablis Premier"), Wine("Merlot")};
    wines[1].Favorite = true;
    wines[2].Favorite = true;
    SearchTerms terms;
    AddSearchTerm(terms, kSearchName, kTypeIncludes, "ch");
    AddSearchTerm(terms, kSearchStatus, kTypeIncludes, "Favorite");
    EXPECT_EQ(Found(terms, wines), (Names{"Chablis Premier"}));
}

TEST(Evaluation, RowsWithoutUsableCriterionTakeNoPart) {
    RecordList wines{Wine("a"), Wine("b")};
    SearchTerms none;
    EXPECT_TRUE(Found(none, wines).empty());
    none.AddTerm();  // row link 0
    EXPECT_TRUE(Found(none, wines).empty());

    // A row that points at a slot naming no field is skipped like a row without criterion.
    SearchTerms odd;
    AddSearchTerm(odd, kSearchName, kTypeIncludes, "a");
    odd.AddTerm();
    odd.mutableRows().back().link = 7;
    odd.mutableSlot(7).code = 35;
    odd.mutableSlot(7).value = "zzz";
    EXPECT_EQ(Found(odd, wines), (Names{"a"}));
    odd.mutableRows().front().link = 9;  // the only real term now points at a free slot
    EXPECT_TRUE(Found(odd, wines).empty());
}

TEST(Search, IsCumulativeAndReportsOnlyNewRecords) {
    RecordList wines{Wine("Chablis"), Wine("Merlot"), Wine("Chianti"), Wine("Rioja")};
    SearchTerms first;
    AddSearchTerm(first, kSearchName, kTypeIncludes, "chab");
    SearchOutcome one = RunSearch(wines, first, {});
    EXPECT_EQ(one.newRecords, 1);
    EXPECT_EQ(one.message, "");
    EXPECT_EQ(one.resultMessage, "1 new record was found during the previous search.");
    EXPECT_TRUE(wines[0].OnSearchList && wines[0].PreviouslyListed);

    SearchTerms second;
    AddSearchTerm(second, kSearchName, kTypeIncludes, "i");  // Chablis, Chianti, Rioja
    wines[0].PreviouslyListed = false;                       // as the spreadsheet may leave it
    SearchOutcome two = RunSearch(wines, second, {});
    EXPECT_EQ(two.newRecords, 2);
    EXPECT_EQ(two.resultMessage, "2 new records were found during the previous search.");
    EXPECT_TRUE(wines[0].OnSearchList);
    EXPECT_FALSE(wines[0].PreviouslyListed);  // already listed: left as it was
    EXPECT_FALSE(wines[1].OnSearchList);
    EXPECT_TRUE(wines[2].OnSearchList && wines[2].PreviouslyListed);
    EXPECT_TRUE(wines[3].OnSearchList && wines[3].PreviouslyListed);

    // Everything that passes is already listed.
    SearchOutcome three = RunSearch(wines, second, {});
    EXPECT_EQ(three.newRecords, 0);
    EXPECT_EQ(three.message, "No new records were found during this search.");
    EXPECT_EQ(three.resultMessage, "");
    EXPECT_EQ(CountSearchList(wines), 3u);
}

TEST(Search, ReportsProgressInStepsAndAtTheEnd) {
    RecordList wines(10, Wine("x"));
    SearchTerms terms;
    AddSearchTerm(terms, kSearchName, kTypeIncludes, "x");
    std::vector<std::pair<std::size_t, std::size_t>> calls;
    RunSearch(wines, terms, {}, [&](std::size_t done, std::size_t total) { calls.emplace_back(done, total); }, 4);
    const std::vector<std::pair<std::size_t, std::size_t>> expected{{0, 10}, {4, 10}, {8, 10}, {10, 10}};
    EXPECT_EQ(calls, expected);
}

// How fast this runs is measured in bench/ (BM_SearchThreeTerms), not here.
TEST(Search, ThreeTermsOverManyRecordsFindExactlyTheMatches) {
    RecordList wines;
    wines.reserve(100000);
    for (int i = 0; i < 100000; ++i) {
        ItemRecord r = Wine(i % 7 == 0 ? "Chateau " + std::to_string(i) : "Estate " + std::to_string(i));
        r.Details[3] = std::to_string(1960 + i % 60);
        r.Details[1] = "$" + std::to_string(i % 500) + ".00";
        r.Favorite = i % 3 == 0;
        wines.push_back(std::move(r));
    }
    SearchTerms terms;
    AddSearchTerm(terms, kSearchName, kTypeIncludes, "chateau");
    AddSearchTerm(terms, SearchFieldOfDetail(3), kTypeIncludes, "1990", "1999");
    AddSearchTerm(terms, SearchFieldOfDetail(1), kTypeIncludes, "100", "300");
    SearchOutcome outcome = RunSearch(wines, terms, {});
    std::size_t expected = 0;
    for (int i = 0; i < 100000; ++i)
        expected += (i % 7 == 0 && i % 60 >= 30 && i % 60 <= 39 && i % 500 >= 100 && i % 500 <= 300) ? 1 : 0;
    EXPECT_EQ(static_cast<std::size_t>(outcome.newRecords), expected);
}
