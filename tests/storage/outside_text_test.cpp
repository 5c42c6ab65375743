#include "storage/outside_text.h"

#include <gtest/gtest.h>

namespace vorlane {
namespace {

struct EncodingCase {
    std::string bytes;
    std::string text;  // Windows-1252
    OutsideEncoding encoding;
    std::size_t replaced;
};

TEST(OutsideText, ReadsEachEncodingIntoWindows1252) {
    const EncodingCase cases[] = {
        {"\xEF\xBB\xBF" "Ch\xC3\xA2teau", "Ch\xE2teau", OutsideEncoding::Utf8Mark, 0},
        {"Ch\xC3\xA2teau", "Ch\xE2teau", OutsideEncoding::Utf8, 0},
        {"Ch\xE2teau", "Ch\xE2teau", OutsideEncoding::Windows1252, 0},  // not UTF-8
        {"plain", "plain", OutsideEncoding::Windows1252, 0},
        {std::string("\xFF\xFE" "C\0\xE2\0\x51\x01", 8), "C\xE2o", OutsideEncoding::Utf16LittleEndianMark, 1},
        {std::string("\xFE\xFF\0C\x01\x42", 6), "Cl", OutsideEncoding::Utf16BigEndianMark, 1},
        {"\xE2\x82\xAC\xC5\x93", "\x80\x9C", OutsideEncoding::Utf8, 0},  // euro sign, oe: both held
        {"\xEF\xAC\x81\xCE\xB1", "fi?", OutsideEncoding::Utf8, 2},       // ligature fi, Greek alpha
    };
    for (const auto& c : cases) {
        const OutsideText out = ReadOutsideText(c.bytes);
        EXPECT_EQ(out.text, c.text) << c.bytes;
        EXPECT_EQ(out.encoding, c.encoding) << c.bytes;
        EXPECT_EQ(out.replaced, c.replaced) << c.bytes;
    }
}

TEST(OutsideText, CountsReplacedCharactersPerLine) {
    // "Tokaji Aszú" holds; "ő", "ł" and "Ł" do not.
    const OutsideText out = ReadOutsideText("Aszú\nKőb\xC3\xA1nya\nok\n\xC5\x81\xC3\xB3\xC5\x82\n");
    EXPECT_EQ(out.text, "Asz\xFA\nKob\xE1nya\nok\nL\xF3l\n");
    ASSERT_EQ(out.replacedLines.size(), 2u);
    EXPECT_EQ(out.replacedLines[0].line, 2u);
    EXPECT_EQ(out.replacedLines[0].count, 1u);
    EXPECT_EQ(out.replacedLines[1].line, 4u);
    EXPECT_EQ(out.replacedLines[1].count, 2u);
    EXPECT_EQ(ReplacedCharactersMessage(out.replacedLines), "3 characters replaced by the nearest letter on lines 2, 4");
    EXPECT_EQ(ReplacedCharactersMessage(ReadOutsideText("none").replacedLines), "");
}

TEST(OutsideText, WritesUtf8WithMarkThatReadsBack) {
    const std::string stored = "Ch\xE2teau \x80 5";
    const std::string written = TextForOtherPrograms(stored);
    EXPECT_EQ(written, "\xEF\xBB\xBF" "Ch\xC3\xA2teau \xE2\x82\xAC 5");
    EXPECT_EQ(ReadOutsideText(written).text, stored);
}

}  // namespace
}  // namespace vorlane
