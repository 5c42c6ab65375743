// The ingredients grid against blocks from other hands: cells outside the
// size line, beyond what the grid shows, and numbers as large as int goes.

#include <gtest/gtest.h>

#include "editor/ui/ingredients_grid.h"
#include "search/search_evaluation.h"

namespace vorlane::testing {
namespace {

TEST(IngredientsGridBlocks, EveryCellIsShownSearchedOrKeptAndWrittenBack) {
    const std::string block =
        "4,3\r\n0,0,Ingredients\r\n0,1,Sugar\r\n3,5,below the size line\r\n2147483647,1,far right\r\n"
        "70,2,wide\r\n0,2147483647,far down\r\n";
    IngredientsGrid grid(nullptr);
    grid.load(block);
    EXPECT_EQ(grid.cell(3, 5), "below the size line");
    EXPECT_TRUE(IngredientsContain(block, "BELOW THE SIZE"));  // the search reads it as the grid does
    EXPECT_EQ(grid.columnCount(), 4);
    EXPECT_EQ(grid.rowCount(), 5);

    grid.setCell(0, 1, "Salt");
    ASSERT_TRUE(grid.edited());
    IngredientsTable stored = DecodeIngredients(grid.store());
    using Cell = IngredientsTable::Cell;
    EXPECT_EQ(stored.cells, (std::vector<Cell>{{0, 0, "Ingredients"},
                                               {1, 0, "Quantity"},
                                               {2, 0, "Measure"},
                                               {3, 0, "Notes"},
                                               {0, 1, "Salt"},
                                               {2147483647, 1, "far right"},
                                               {70, 2, "wide"},
                                               {3, 5, "below the size line"},
                                               {0, 2147483647, "far down"}}));
}

}  // namespace
}  // namespace vorlane::testing
