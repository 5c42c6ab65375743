#include "storage/cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace vorlane {
namespace {

std::string Byte(int b) { return std::string(1, static_cast<char>(b)); }

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += Byte(b);
    std::string utf8 = Cp1252ToUtf8(all);
    std::string back;
    ASSERT_TRUE(Utf8ToCp1252(utf8, back));
    EXPECT_EQ(back, all);

    // One at a time too, so that no byte leans on its neighbours.
    for (int b = 0; b < 256; ++b) {
        std::string single;
        ASSERT_TRUE(Utf8ToCp1252(Cp1252ToUtf8(Byte(b)), single)) << "byte " << b;
        EXPECT_EQ(single, Byte(b)) << "byte " << b;
    }
}

TEST(Cp1252, MapsTheWindowsCharacters) {
    EXPECT_EQ(Cp1252ToUtf8("Ch\xE2teau Ros\xE9"), "Château Rosé");
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "€");
    EXPECT_EQ(Cp1252ToUtf8("\x91quoted\x92"), "‘quoted’");
    EXPECT_EQ(Cp1252ToUtf8("\x93\x94"), "“”");
    EXPECT_EQ(Cp1252ToUtf8("\x85\x96\x97\x99"), "…–—™");
    EXPECT_EQ(Cp1252ToUtf8("\x8A\x8C\x8E\x9F"), "ŠŒŽŸ");
    EXPECT_EQ(Cp1252ToUtf8("\xA0"), "\u00A0");
    EXPECT_EQ(Cp1252ToUtf8("\xFF"), "ÿ");
    EXPECT_EQ(Cp1252ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp1252, UnassignedBytesBecomeC1Controls) {
    EXPECT_EQ(Cp1252ToUtf8("\x81"), "\u0081");
    EXPECT_EQ(Cp1252ToUtf8("\x8D"), "\u008D");
    EXPECT_EQ(Cp1252ToUtf8("\x8F"), "\u008F");
    EXPECT_EQ(Cp1252ToUtf8("\x90"), "\u0090");
    EXPECT_EQ(Cp1252ToUtf8("\x9D"), "\u009D");
}

TEST(Cp1252, EncodesTypedText) {
    std::string out;
    ASSERT_TRUE(Utf8ToCp1252("Château Rosé 12 € ‘x’", out));
    EXPECT_EQ(out, "Ch\xE2teau Ros\xE9 12 \x80 \x91x\x92");
    ASSERT_TRUE(Utf8ToCp1252("", out));
    EXPECT_EQ(out, "");
}

TEST(Cp1252, RefusesCharactersItCannotHold) {
    std::string out = "kept";
    EXPECT_FALSE(Utf8ToCp1252("中", out));
    EXPECT_FALSE(Utf8ToCp1252("Wine 中 cellar", out));
    EXPECT_FALSE(Utf8ToCp1252("🍷", out));
    EXPECT_FALSE(Utf8ToCp1252("\u0100", out));  // just past Latin-1
    EXPECT_FALSE(Utf8ToCp1252("\u0080", out));  // a C1 control that 0x80 does not stand for
    EXPECT_FALSE(Utf8ToCp1252("\u0085", out));
    EXPECT_EQ(out, "kept");
}

TEST(Cp1252, RefusesMalformedUtf8) {
    std::string out = "kept";
    EXPECT_FALSE(Utf8ToCp1252("\xE9", out));               // a Windows-1252 byte, not UTF-8
    EXPECT_FALSE(Utf8ToCp1252("\xC3", out));               // cut short
    EXPECT_FALSE(Utf8ToCp1252("\xE2\x82", out));           // cut short
    EXPECT_FALSE(Utf8ToCp1252("\xC3\x28", out));           // bad continuation
    EXPECT_FALSE(Utf8ToCp1252("\x80", out));               // stray continuation
    EXPECT_FALSE(Utf8ToCp1252("\xC0\xA9", out));           // overlong "©"
    EXPECT_FALSE(Utf8ToCp1252("\xC1\x81", out));           // overlong "A"
    EXPECT_FALSE(Utf8ToCp1252("\xE0\x82\xAC", out));       // overlong
    EXPECT_FALSE(Utf8ToCp1252("\xF0\x80\x82\xAC", out));   // overlong
    EXPECT_FALSE(Utf8ToCp1252("\xED\xA0\x80", out));       // surrogate
    EXPECT_FALSE(Utf8ToCp1252("\xF4\x90\x80\x80", out));   // beyond U+10FFFF
    EXPECT_FALSE(Utf8ToCp1252("\xFF", out));
    EXPECT_FALSE(Utf8ToCp1252("ok\xC3", out));             // good text, bad end
    EXPECT_EQ(out, "kept");
}

}  // namespace
}  // namespace vorlane
