#include <gtest/gtest.h>

#include "editor/ingredient_lists.h"
#include "editor/unit_conversion.h"
#include "support/scripted_dialogs.h"

using namespace vorlane;

namespace {
std::vector<std::string> captions(const std::vector<UnitConversion>& entries) {
    std::vector<std::string> out;
    for (const auto& e : entries) out.push_back(e.caption);
    return out;
}
}  // namespace

TEST(UnitConversion, TablespoonOffersEveryOtherTargetInMenuOrder) {
    auto entries = UnitConversions("1", "tablespoon");
    EXPECT_EQ(captions(entries), (std::vector<std::string>{
                                     "1 tablespoon to 0.5 ounce",
                                     "1 tablespoon to 3 teaspoon",
                                     "1 tablespoon to 0.0313 pound",
                                     "1 tablespoon to 0.0625 cup",
                                     "1 tablespoon to 14.15 gram",
                                     "1 tablespoon to 24 pinch",
                                     "1 tablespoon to 12 dash",
                                     "1 tablespoon to 0.0142 kilogram",
                                     "1 tablespoon to 0.0156 quart",
                                 }));
    ASSERT_EQ(entries.size(), 9u);
    EXPECT_EQ(entries[4].quantity, "14.15");
    EXPECT_EQ(entries[4].unit, "gram");
}

TEST(UnitConversion, GramsGoThroughTheOunce) {
    auto entries = UnitConversions("100", "gram");
    ASSERT_EQ(entries.size(), 9u);
    EXPECT_EQ(entries[0], (UnitConversion{"100 gram to 3.5336 ounce", "3.5336", "ounce"}));
    EXPECT_EQ(entries[7].caption, "100 gram to 0.1 kilogram");
    EXPECT_EQ(entries[4].caption, "100 gram to 0.4417 cup");
    for (const auto& e : entries) EXPECT_NE(e.unit, "gram");
}

TEST(UnitConversion, CaptionKeepsTheQuantityAsTyped) {
    auto entries = UnitConversions("  2", "cup");
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries[0].caption, "  2 cup to 16 ounce");
    EXPECT_EQ(entries[0].quantity, "16");
    EXPECT_EQ(UnitConversions("0.5", "kilogram")[0].caption, "0.5 kilogram to 17.6678 ounce");
    EXPECT_EQ(UnitConversions("3", "ounce")[2].caption, "3 ounce to 0.1875 pound");
}

TEST(UnitConversion, RefusalsGiveTheMessageOnce) {
    for (auto [quantity, unit] : std::vector<std::pair<std::string, std::string>>{
             {"2", "Cup"}, {"1", "liter"}, {"1/2", "cup"}, {"2 ", "cup"}, {"", "cup"}, {"1", ""}, {"1", " cup"},
             {"1", "pint"}, {"1", "units"}}) {
        vorlane::testing::ScriptedDialogs dialogs;
        EXPECT_TRUE(OfferUnitConversions(quantity, unit, dialogs).empty()) << quantity << "|" << unit;
        EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"No valid value is available to convert."});
    }
    vorlane::testing::ScriptedDialogs dialogs;
    EXPECT_EQ(OfferUnitConversions("2", "cup", dialogs).size(), 9u);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST(UnitConversion, ResultFormatting) {
    EXPECT_EQ(FormatConverted(16.0), "16");
    EXPECT_EQ(FormatConverted(0.333), "0.333");
    EXPECT_EQ(FormatConverted(2.5), "2.5");
    EXPECT_EQ(FormatConverted(100.0), "100");
    EXPECT_EQ(FormatConverted(0.03125), "0.0313");  // halves go up
    EXPECT_EQ(FormatConverted(0.12344), "0.1234");
    EXPECT_EQ(FormatConverted(9.99995), "10");  // the carry reaches the whole part
    EXPECT_EQ(FormatConverted(999.99999), "1000");
    EXPECT_EQ(FormatConverted(0.00004), "0");
    EXPECT_EQ(FormatConverted(-0.00004), "0");
    EXPECT_EQ(FormatConverted(-2.5), "-2.5");
    EXPECT_EQ(FormatConverted(1e20), "100000000000000000000");
}

TEST(UnitConversion, ConvertingThereAndBackRestoresTheQuantity) {
    for (const auto& from : ConversionTargets())
        for (const auto& to : ConversionTargets()) {
            auto there = ConvertQuantity(7.25, from, to);
            ASSERT_TRUE(there.has_value()) << from << " -> " << to;
            auto back = ConvertQuantity(*there, to, from);
            ASSERT_TRUE(back.has_value());
            EXPECT_NEAR(*back, 7.25, 1e-9) << from << " -> " << to;
        }
    EXPECT_EQ(ConvertQuantity(1, "quart", "cup"), 4.0);
    EXPECT_EQ(ConvertQuantity(1, "pound", "ounce"), 16.0);
    EXPECT_EQ(ConvertQuantity(1, "pinch", "dash"), 0.5);
    EXPECT_FALSE(ConvertQuantity(1, "ounce", "liter").has_value());
    EXPECT_FALSE(ConvertQuantity(1e308, "quart", "pinch").has_value());  // overflows to infinity
}

TEST(PickLists, BothListsAreOfferedAlphabetically) {
    auto ingredients = IngredientPickList();
    ASSERT_EQ(ingredients.size(), 25u);
    EXPECT_EQ(ingredients.front(), "Acid Blend");
    EXPECT_EQ(ingredients.back(), "Yeast Starter");
    EXPECT_EQ(ingredients[22], "Yeast");
    auto units = UnitPickList();
    EXPECT_EQ(units, (std::vector<std::string>{"bushel (dry)", "cup", "dash", "gram", "kilogram", "liter",
                                               "milliliter", "ounce", "peck (dry)", "pinch", "pint", "pound",
                                               "quart", "tablespoon", "teaspoon", "units"}));
}

TEST(PickLists, SortingIgnoresCaseAndDropsDuplicates) {
    EXPECT_EQ(SortedPickList({"pint", "Cup", "Yeast Starter", "cup", "Yeast", "bushel", "CUP", "yeast"}),
              (std::vector<std::string>{"bushel", "Cup", "pint", "Yeast", "Yeast Starter"}));
    EXPECT_TRUE(SortedPickList({}).empty());
}
