#include <gtest/gtest.h>

#include <random>

#include "search/text_match.h"
#include "storage/fields.h"

using namespace vorlane;

TEST(NumberText, AcceptsDecimalNumbersAfterLeadingBlanks) {
    struct Case {
        const char* text;
        bool number;
        double value;
    } cases[] = {
        {"1990", true, 1990},   {"  12.5", true, 12.5}, {"-3", true, -3},     {"+4.25", true, 4.25},
        {"1e3", true, 1000},    {"2.5E-1", true, 0.25}, {".5", true, 0.5},    {"5.", true, 5},
        {"", false, 0},         {"   ", false, 0},      {"12 ", false, 0},    {"1,250", false, 0},
        {"$12", false, 0},      {"1e", false, 0},       {"e5", false, 0},     {".", false, 0},
        {"inf", false, 0},      {"nan", false, 0},      {"0x10", false, 0},   {"1999/06/15", false, 0},
        {"+-1", false, 0},      {"--1", false, 0},      {"1.2.3", false, 0},  {"\t7", false, 0},
    };
    for (const auto& c : cases) {
        double v = -999;
        EXPECT_EQ(ParseNumberText(c.text, v), c.number) << '"' << c.text << '"';
        if (c.number) {
            EXPECT_DOUBLE_EQ(v, c.value) << c.text;
        }
    }
}

TEST(TextOrRange, NumbersCompareAsNumbersWhenAllThreeAreNumbers) {
    for (const char* year : {"1990", "1993", "1995", " 1995", "1.99e3"})
        EXPECT_TRUE(TextOrRangeMatch(year, "1990", "1995")) << year;
    EXPECT_FALSE(TextOrRangeMatch("1996", "1990", "1995"));
    EXPECT_FALSE(TextOrRangeMatch("1989", "1990", "1995"));
    // As texts "950" would fall between "1000" and "2000"; as numbers it does not.
    EXPECT_FALSE(TextOrRangeMatch("950", "1000", "2000"));
    EXPECT_TRUE(TextOrRangeMatch("1500", "1000", "2000"));
    // An exact number matches the same number in another spelling.
    EXPECT_TRUE(TextOrRangeMatch("1250.00", "1250", "1250"));
}

TEST(TextOrRange, NonNumbersComparePrefixesIgnoringCase) {
    EXPECT_TRUE(TextOrRangeMatch("1999/06/15", "1999/01/01", "1999/12/31"));
    EXPECT_TRUE(TextOrRangeMatch("1999/01/01", "1999/01/01", "1999/12/31"));
    EXPECT_TRUE(TextOrRangeMatch("1999/12/31", "1999/01/01", "1999/12/31"));
    EXPECT_FALSE(TextOrRangeMatch("2000/01/01", "1999/01/01", "1999/12/31"));
    EXPECT_FALSE(TextOrRangeMatch("1998/12/31", "1999/01/01", "1999/12/31"));
    // An exact value matches every text that begins with it, in any case.
    EXPECT_TRUE(TextOrRangeMatch("Chateau Margaux", "chateau", "chateau"));
    EXPECT_FALSE(TextOrRangeMatch("Le Chateau", "chateau", "chateau"));
    // A text shorter than the bounds is compared whole.
    EXPECT_FALSE(TextOrRangeMatch("Ch", "chateau", "chateau"));
    // Only a ... z are folded, and the order is by byte value after folding:
    // '_' (0x5F) lies above 'A' ... 'Z' but below 'a' ... 'z'.
    EXPECT_TRUE(TextOrRangeMatch("_x", "b", "_z"));
    EXPECT_FALSE(TextOrRangeMatch("b", "_", "_z"));
    // Bytes above 127 compare unsigned and are not folded.
    EXPECT_TRUE(TextOrRangeMatch("\xE9t\xE9", "z", "\xFF"));
    EXPECT_FALSE(TextOrRangeMatch("\xC9T\xC9", "\xE9", "\xE9"));
}

TEST(TextOrRange, OneEmptyBoundFallsBackToContainment) {
    EXPECT_TRUE(TextOrRangeMatch("Chablis", "ch", ""));
    EXPECT_TRUE(TextOrRangeMatch("Rich Red", "CH", ""));
    EXPECT_TRUE(TextOrRangeMatch("Rich Red", "", "red"));
    EXPECT_FALSE(TextOrRangeMatch("Merlot", "ch", ""));
    // A number against an empty high is still containment, not a number test.
    EXPECT_TRUE(TextOrRangeMatch("1990", "99", ""));
    EXPECT_FALSE(TextOrRangeMatch("anything", "", ""));
    EXPECT_FALSE(TextOrRangeMatch("", "", ""));
}

TEST(CaseFolding, OnlyAsciiLettersFold) {
    EXPECT_EQ(LowerAscii(std::string_view("AbZ\xC9@[")), "abz\xC9@[");
    EXPECT_EQ(UpperAscii(std::string_view("aBz\xE9`{")), "ABZ\xE9`{");
    EXPECT_TRUE(ContainsIgnoringCase("Food PAIRING", "pair"));
    EXPECT_FALSE(ContainsIgnoringCase("CAF\xC9", "caf\xE9"));
    EXPECT_TRUE(ContainsIgnoringCase("abc", ""));
    EXPECT_FALSE(ContainsIgnoringCase("ab", "abc"));
    EXPECT_TRUE(ContainsIgnoringCase("aab", "ab"));  // a false start must not skip the match
}

TEST(NumericValueInto, AgreesWithTheSharedHelper) {
    std::mt19937 rng(7);
    const std::string alphabet = "0123456789..,$ abc";
    std::string scratch;
    for (const char* text : {"", "$1,250.00", "1.2.3", "12.5 kg", "1.000,50", ".", "abc"}) {
        NumericValueInto(text, scratch);
        EXPECT_EQ(scratch, NumericValue(text)) << text;
    }
    for (int i = 0; i < 2000; ++i) {
        std::string text(rng() % 12, ' ');
        for (char& c : text) c = alphabet[rng() % alphabet.size()];
        NumericValueInto(text, scratch);
        ASSERT_EQ(scratch, NumericValue(text)) << text;
    }
}
