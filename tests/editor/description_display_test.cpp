#include <gtest/gtest.h>

#include "editor/description_display.h"

using vorlane::DescriptionDisplay;

TEST(DescriptionDisplayTest, ShortFormKeepsTheChosenValueWithItsBlank) {
    EXPECT_EQ(DescriptionDisplay("Merlot : Red : Grape", true), "Merlot ");
    EXPECT_EQ(DescriptionDisplay("Merlot : Red : Grape", false), "Merlot : Red : Grape");
}

TEST(DescriptionDisplayTest, PathsWithoutAColonAndEmptyValuesShowWhole) {
    EXPECT_EQ(DescriptionDisplay("Grape", true), "Grape");
    EXPECT_EQ(DescriptionDisplay("", true), "");
    EXPECT_EQ(DescriptionDisplay(":x", true), "");
}
