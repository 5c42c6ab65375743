#include <gtest/gtest.h>

#include "editor/record_print.h"

using namespace vorlane;
using Lines = std::vector<std::string>;

TEST(RecipeLines, IngredientRowsInQuantityMeasureIngredientNotesOrder) {
    std::vector<IngredientRow> rows = {
        {"Yeast", "1", "teaspoon", "Champagne"},
        {"", "3", "cup", "no ingredient: skipped"},
        {"Sugar", "", "", ""},
        {"Acid Blend", "", "tablespoon", "x"},
    };
    EXPECT_EQ(RecipeLines("Elderberry", rows, {"Mix well.", "", "Rack after a week."}),
              (Lines{"Recipe for Elderberry", "", "Ingredients:", "", "1 teaspoon Yeast Champagne", "  Sugar ",
                     " tablespoon Acid Blend x", "", "Directions", "", "Mix well.", "", "Rack after a week."}));
}

TEST(RecipeLines, EmptyTableStillPrintsHeadingsAndNotes) {
    EXPECT_EQ(RecipeLines("", {}, {"Only notes"}),
              (Lines{"Recipe for ", "", "Ingredients:", "", "", "Directions", "", "Only notes"}));
    EXPECT_EQ(RecipeLines("R", {{"", "", "", ""}}, {}).size(), 7u);
}

TEST(RecipeLines, MemoLinesFollowTheEditorsLineCount) {
    EXPECT_EQ(MemoLines(""), Lines{});
    EXPECT_EQ(MemoLines("one"), Lines{"one"});
    EXPECT_EQ(MemoLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(MemoLines("a\n\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(MemoLines("a\rb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(MemoLines("\r\n"), Lines{""});
    EXPECT_EQ(MemoLines("a\n\n"), (Lines{"a", ""}));
}

TEST(TextPrint, EmbeddedBreaksBecomeLinesAndEmptyLinesStay) {
    EXPECT_EQ(PrintedLines({"a", "", "b\r\nc", "d\n"}), (Lines{"a", "", "b", "c", "d"}));
}

TEST(TextPrint, WideLinesGoOnInTheNextLine) {
    auto chars = [](std::string_view text) { return static_cast<int>(text.size()); };
    EXPECT_EQ(WrapLine("short", 10, chars), Lines{"short"});
    EXPECT_EQ(WrapLine("", 10, chars), Lines{""});
    EXPECT_EQ(WrapLine("the quick brown fox", 10, chars), (Lines{"the quick", "brown fox"}));
    EXPECT_EQ(WrapLine("abcdefghij klm", 10, chars), (Lines{"abcdefghij", "klm"}));
    EXPECT_EQ(WrapLine("aaaa    bbbb", 6, chars), (Lines{"aaaa", "bbbb"}));
    EXPECT_EQ(WrapLine("abcdefghijklmnopqrstuvwxy", 10, chars), (Lines{"abcdefghij", "klmnopqrst", "uvwxy"}));
    // A row without a quantity keeps its leading blank.
    EXPECT_EQ(WrapLine(" tablespoon Acid Blend", 12, chars), (Lines{" tablespoon", "Acid Blend"}));
    EXPECT_EQ(WrapLine("abc", 0, chars), (Lines{"a", "b", "c"}));
}

TEST(TextPrint, LinesAreCutIntoPages) {
    EXPECT_EQ(LinesPerPage(100, 12), 8);
    EXPECT_EQ(LinesPerPage(5, 12), 1);
    EXPECT_EQ(LinesPerPage(100, 0), 1);
    auto pages = PaginateLines({"1", "2", "3", "4", "5", "6", "7"}, 3);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0], (Lines{"1", "2", "3"}));
    EXPECT_EQ(pages[2], Lines{"7"});
    EXPECT_EQ(PaginateLines({"1", "2", "3"}, 3).size(), 1u);
    EXPECT_EQ(PaginateLines({"1", "2"}, 0).size(), 2u);
    EXPECT_TRUE(PaginateLines({}, 10).empty());
}

TEST(FormPicture, PortraitPagesTakeThePagesWidth) {
    EXPECT_EQ(FitPictureToPage(800, 600, 4800, 6800), (PictureSize{4800, 3600}));
    EXPECT_EQ(FitPictureToPage(3, 7, 10, 20), (PictureSize{10, 23}));  // 23.33 rounds down
    EXPECT_EQ(FitPictureToPage(6, 7, 10, 20), (PictureSize{10, 12}));  // 11.67 rounds up
}

TEST(FormPicture, LandscapeAndSquarePagesTakeThePagesHeight) {
    EXPECT_EQ(FitPictureToPage(800, 600, 6800, 4800), (PictureSize{6400, 4800}));
    EXPECT_EQ(FitPictureToPage(400, 300, 1000, 1000), (PictureSize{1333, 1000}));
    EXPECT_EQ(FitPictureToPage(0, 300, 1000, 1000), (PictureSize{0, 0}));
}
