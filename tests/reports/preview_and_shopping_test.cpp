// Preview scales and page box; the shopping-list tally.

#include <gtest/gtest.h>

#include "reports/preview_scale.h"
#include "reports/regular_report_state.h"
#include "reports/shopping_list.h"
#include "storage/database_file.h"

namespace vorlane {
namespace {

PreviewGeometry Screen() {
    PreviewGeometry g;
    g.windowWidth = 1000;
    g.windowHeight = 745;
    g.pageWidth = 8;
    g.pageHeight = 11;
    g.margins = {1440, 720, 1440, 720};
    return g;
}

TEST(PreviewScale, ZoomEntriesAndTypedPercentages) {
    struct Case { std::string zoom; std::optional<int> scale; } cases[] = {
        {"200", 192}, {"150", 144}, {"100", 96}, {"50", 48}, {"25", 24},
        {"Fit Width", 116},  // round(950 / 8) = 119
        {"Fit Both", 64},    // round(700 / 11) = 64
        {"75", 72}, {"1", 4}, {"0", 4}, {"abc", std::nullopt}, {"12.5", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ZoomScale(c.zoom, Screen()), c.scale) << c.zoom;
    PreviewGeometry bare = Screen();
    bare.showMargins = false;
    EXPECT_EQ(ZoomScale("Fit Width", bare), 156);  // round(950 / 6) = 158
}

TEST(PreviewScale, PageBoxAndGrid) {
    PreviewGeometry g = Screen();
    PageBox box = PreviewPageBox(116, g);
    EXPECT_EQ(box.width, 928);
    EXPECT_EQ(box.height, 1276);
    EXPECT_EQ(box.left, 24);  // (1000 - 928) / 2 - 12
    g.showMargins = false;
    box = PreviewPageBox(100, g);
    EXPECT_EQ(box.width, 600);
    EXPECT_EQ(box.height, 1000);
    EXPECT_EQ(PreviewPageBox(200, Screen()).left, 10);
    Margins px = MarginPixels(116, g.margins);
    EXPECT_EQ(px.left, 116);
    EXPECT_EQ(px.top, 58);
    EXPECT_EQ(GridPositions(96, 100), (std::vector<int>{0, 24, 48, 72, 96}));
    EXPECT_TRUE(GridPositions(3, 100).empty());  // step 0 must not loop
}

std::string Ingredients(const std::vector<std::array<std::string, 3>>& rows) {
    IngredientsTable t;
    t.cells.push_back({0, 0, "Ingredients"});
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < 3; ++c)
            if (!rows[r][static_cast<std::size_t>(c)].empty())
                t.cells.push_back({c, static_cast<int>(r + 1), rows[r][static_cast<std::size_t>(c)]});
    return EncodeIngredients(t);
}

TEST(ShoppingList, TalliesByIngredientAndMeasure) {
    RecordList records(4);
    records[0].Ingredients = Ingredients({{"Yeast", "1", "teaspoon"}, {"Sugar", "2.5", "cup"}});
    records[1].Ingredients = Ingredients({{"Yeast", "1", "teaspoon"}, {"", "4", "cup"}, {"Yeast", "3", "gram"}});
    records[2].Ingredients = Ingredients({{"yeast", "1", "Teaspoon"}, {"Salt", "1/2", ""}});
    records[3].Ingredients = Ingredients({{"Sugar", "1", "cup"}});
    records[3].OnSearchList = true;
    std::vector<ShoppingLine> expected = {
        {"Yeast", "3.000 teaspoon"}, {"Sugar", "3.500 cup"}, {"Yeast", "3.000 gram"}, {"Salt", "0.000 "}};
    EXPECT_EQ(TallyShoppingList(records, false), expected);
    EXPECT_EQ(TallyShoppingList(records, true), (std::vector<ShoppingLine>{{"Sugar", "1.000 cup"}}));
    records[3].OnSearchList = false;
    EXPECT_TRUE(TallyShoppingList(records, true).empty());
}

}  // namespace
}  // namespace vorlane

namespace vorlane {
namespace {

TEST(RegularReportState, ItemListDrivesMenuAndControls) {
    RegularReportState box;
    EXPECT_EQ(box.Controls(true), RegularReportControls{});
    EXPECT_TRUE(box.Add(kRecordNumberIndex, "Record #"));
    EXPECT_TRUE(box.Add(kNameIndex, "Name"));
    EXPECT_FALSE(box.Add(kNameIndex, "Name"));
    EXPECT_EQ(box.MemoText(), "Record #\r\nName\r\n");
    EXPECT_EQ(box.Controls(false), (RegularReportControls{true, true, true, true, false, false, false}));
    EXPECT_EQ(box.Controls(true), (RegularReportControls{true, true, true, true, true, true, true}));
    box.Undo();
    EXPECT_TRUE(box.MenuEnabled(kNameIndex));
    EXPECT_FALSE(box.MenuEnabled(kRecordNumberIndex));
    box.Clear();
    EXPECT_TRUE(box.MenuEnabled(kRecordNumberIndex));
    box.ToggleMode();
    EXPECT_EQ(box.Caption(), "Report (Searched Records)");
    EXPECT_EQ(RegularReportState::TotalsCaption(DefaultLabels()), "Paid and Value");
    EXPECT_EQ(PreviewPageLabel(2, 5), "Page 2 of 5");
}

}  // namespace
}  // namespace vorlane
