#include "utilities/calculator.h"

#include <gtest/gtest.h>

#include "utilities/calc_number.h"

namespace vorlane {
namespace {

using namespace calc_key;

// Keys as letters: C clear, R/P/N/Z memory recall/plus/minus/clear, < backspace.
void Press(Calculator& calc, const std::string& keys) {
    for (char c : keys) {
        switch (c) {
            case 'R': calc.Key(kMemoryRecall); break;
            case 'P': calc.Key(kMemoryPlus); break;
            case 'N': calc.Key(kMemoryMinus); break;
            case 'Z': calc.Key(kMemoryClear); break;
            case '<': calc.Key(kBackspace); break;
            default: calc.Key(Calculator::TypedKeyCode(c));
        }
    }
}

TEST(Calculator, OpensWithCaptionBlankAndSeparatorOnTheTape) {
    Calculator calc;
    EXPECT_EQ(calc.tape(), (std::vector<std::string>{"    Calculator", std::string(14, ' '), "--------------"}));
    EXPECT_EQ(calc.display(), "0.00 ");
}

TEST(Calculator, KeySequences) {
    struct Case {
        const char* keys;
        const char* display;
        double accumulator;
        std::vector<std::string> tapeTail;  // the last lines added
    };
    const std::string sep(14, '-');
    const Case cases[] = {
        {"12+30=", "42.00 ", 42, {"      12.00   ", "      30.00  +", "      42.00  =", sep}},
        {"12+30\r", "42.00 ", 42, {"      42.00  =", sep}},
        {"12+30C", "0.00 ", 12, {"      12.00   "}},
        {"12+30CC", "0.00 ", 0, {"             C", sep}},
        {"8/0=", "Error", 0, {"       0.00  /", "       0.00  =", sep}},
        {"8/0=1", "1.00 ", 0, {"       0.00  =", sep}},
        {"200+10%", "220.00 ", 0, {"      10.00 %+", "     220.00 %=", sep}},
        {"200-10%", "180.00 ", 0, {"      10.00 %-", "     180.00 %=", sep}},
        {"50*10%", "5.00 ", 0, {"      10.00 %*", "       5.00 %=", sep}},
        {"7P5+R=", "5.00 ", 5, {"       7.00 MR", "       0.00  +", "       5.00  =", sep}},
        // After "=" the result goes on; a second "=" repeats the last operation.
        {"2+3=*2=", "10.00 ", 10, {"       5.00   ", "       2.00  *", "      10.00  =", sep}},
        {"2+3==", "8.00 ", 8, {"       3.00  +", "       8.00  =", sep}},
        {"12+30=+", "42.00 ", 42, {"      42.00  =", sep, "      42.00   "}},
        {"12+30=-2==", "38.00 ", 38, {"       2.00  -", "      38.00  =", sep}},
        {"5==", "5.00 ", 5, {"       5.00   ", "       5.00  =", sep}},
        {"2+3=*=", "25.00 ", 25, {"       5.00  *", "      25.00  =", sep}},
        {"1.239", "1.23 ", 0, {}},
        {"1.239<4", "1.24 ", 0, {}},
        {"12.<5", "125.00 ", 0, {}},
        {"3+=", "6.00 ", 6, {"       3.00  +", "       6.00  =", sep}},
        {"1234567.5*1000=", "1,234,567,500.00 ", 1234567500, {"1,234,567,500.00  =", sep}},
    };
    for (const Case& c : cases) {
        Calculator calc;
        std::size_t before = calc.tape().size();
        Press(calc, c.keys);
        EXPECT_EQ(calc.display(), c.display) << c.keys;
        EXPECT_EQ(calc.accumulator(), c.accumulator) << c.keys;
        const auto& tape = calc.tape();
        ASSERT_GE(tape.size() - before, c.tapeTail.size()) << c.keys;
        std::vector<std::string> tail(tape.end() - static_cast<std::ptrdiff_t>(c.tapeTail.size()), tape.end());
        EXPECT_EQ(tail, c.tapeTail) << c.keys;
    }
}

TEST(Calculator, MemoryKeysShowOnlyWithAMemory) {
    Calculator calc;
    Press(calc, "4P");
    EXPECT_TRUE(calc.memoryKeysVisible());
    Press(calc, "4N");
    EXPECT_FALSE(calc.memoryKeysVisible());
    Press(calc, "9PZ");
    EXPECT_EQ(calc.memory(), 0);
    EXPECT_EQ(calc.tape().back(), "            MC");
}

TEST(Calculator, OptionsCycleAndSetTheDecimals) {
    Calculator calc;
    for (int expected : {1, 2, 3, 0}) {
        if (calc.optionState() == 1) calc.SetDecimalsEdit(5);
        calc.Key(kOptions);
        EXPECT_EQ(calc.optionState(), expected);
    }
    EXPECT_EQ(calc.decimals(), 5);
    Press(calc, "2/3=");
    EXPECT_EQ(calc.display(), "0.66667 ");
    EXPECT_EQ(calc.Key(kQuit), CalcAction::Close);
    EXPECT_EQ(calc.Key(kUse), CalcAction::CloseConfirmed);
    EXPECT_EQ(calc.Key(kPrint), CalcAction::Print);
}

TEST(Calculator, ShowsTheLocalesSeparators) {
    Calculator calc;
    calc.SetSeparators(",", ".");
    Press(calc, "1234.5*1000=");
    EXPECT_EQ(calc.display(), "1.234.500,00 ");
    EXPECT_EQ(calc.tape()[calc.tape().size() - 2], "1.234.500,00  =");
    EXPECT_EQ(FormatCalcNumber(-1234567.25, 1, ",", "\xC2\xA0"), "-1\xC2\xA0" "234\xC2\xA0" "567,3");
    EXPECT_EQ(FormatCalcNumber(1.5e15, 2, ","), "1,5E+15");
}

TEST(CalcNumber, FormatsWithSeparatorsDecimalsAndFourteenDigits) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {0, 2, "0.00"},
        {42, 0, "42"},
        {-1234.5, 2, "-1,234.50"},
        {1.005, 2, "1.01"},
        {0.125, 2, "0.13"},
        {999.999, 2, "1,000.00"},
        {-0.001, 2, "0.00"},
        {1.0 / 3, 7, "0.3333333"},
        {123456789.123456789, 7, "123,456,789.1234600"},
        {99999999999999.0, 0, "99,999,999,999,999"},
        {1.5e15, 2, "1.5E+15"},
        {1e300 * 1e300, 2, "Error"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatCalcNumber(c.value, c.decimals), c.text) << c.value;
}

}  // namespace
}  // namespace vorlane
