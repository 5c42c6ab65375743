#include <gtest/gtest.h>

#include <random>

#include "search/text_match.h"
#include "storage/fields.h"

using namespace vorlane;

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

TEST(CaseFolding, AsciiFoldingAndTheLocaleFoldingOfWindows1252Letters) {
    struct Case {
        const char* haystack;
        const char* needle;
        bool ascii, locale;
    } cases[] = {
        {"Food PAIRING", "pair", true, true},
        {"\xC1lvaro", "\xE1lvaro", false, true},                          // Álvaro / álvaro
        {"CR\xC8ME BR\xDBL\xC9" "E", "cr\xE8me br\xFBl\xE9" "e", false, true},  // CRÈME BRÛLÉE
        {"\x8A\x8C\x8E\x9F\xDE", "\x9A\x9C\x9E\xFF\xFE", false, true},    // Š Œ Ž Ÿ Þ
        {"\xD7", "\xF7", false, false},                                   // × and ÷ are no letters
        {"abc", "", true, true},
        {"ab", "abc", false, false},
        {"aab", "ab", true, true},  // a false start must not skip the match
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ContainsIgnoringCase(c.haystack, LowerAscii(c.needle)), c.ascii) << c.haystack;
        EXPECT_EQ(ContainsIgnoringCaseCp1252(c.haystack, LowerCp1252(c.needle)), c.locale) << c.haystack;
    }
    EXPECT_EQ(UpperCp1252(std::string_view("\xE0\xF7\xFE\xFF\xDF")), "\xC0\xF7\xDE\x9F\xDF");
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
