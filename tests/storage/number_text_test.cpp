#include <gtest/gtest.h>

#include "storage/number_text.h"
#include "support/comma_locale.h"

using namespace vorlane;

TEST(NumberText, ReadsTheStoredFormAndNothingElseWhateverTheLocale) {
    struct Case {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"1990", 1990},       {"  12.5", 12.5},     {"-3", -3},           {"+4.25", 4.25},      {"1e3", 1000},
        {"2.5E-1", 0.25},     {".5", 0.5},          {"5.", 5},            {"9.99", 9.99},       {"", {}},
        {"   ", {}},          {"12 ", {}},          {"1,250", {}},        {"1,5", {}},          {"$12", {}},
        {"1e", {}},           {"1e+", {}},          {"e5", {}},           {".", {}},            {"-", {}},
        {"inf", {}},          {"nan", {}},          {"0x10", {}},         {"1999/06/15", {}},   {"+-1", {}},
        {"--1", {}},          {"1.2.3", {}},        {"\t7", {}},          {"1e400", {}},
    };
    vorlane::testing::CommaLocale comma;
    ASSERT_TRUE(comma.active()) << "no comma-decimal locale installed";
    for (const auto& c : cases) EXPECT_EQ(ParseNumberText(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(MoneyValue("$9.50"), 9.5);
    EXPECT_EQ(MoneyValue("1,234.99 EUR"), 1234.99);
    EXPECT_EQ(MoneyValue("none"), 0.0);
}
