#pragma once
// Text tests the search is made of: case folding, the number test and
// the text-or-range match of detail and name terms.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorlane {

namespace detail {
// Two foldings: the ASCII letters only, and every Windows-1252 letter that
// has a partner of the other case (A-Z, À-Þ except ×, Š, Œ, Ž, Ÿ).
struct FoldTables {
    std::array<char, 256> lower{}, upper{}, lower1252{}, upper1252{};
    constexpr void pair(int big, int small) {
        lower1252[static_cast<std::size_t>(big)] = static_cast<char>(small);
        upper1252[static_cast<std::size_t>(small)] = static_cast<char>(big);
    }
    constexpr FoldTables() {
        for (int i = 0; i < 256; ++i) {
            char c = static_cast<char>(i);
            lower[static_cast<std::size_t>(i)] = (i >= 'A' && i <= 'Z') ? static_cast<char>(i + 32) : c;
            upper[static_cast<std::size_t>(i)] = (i >= 'a' && i <= 'z') ? static_cast<char>(i - 32) : c;
            lower1252[static_cast<std::size_t>(i)] = lower[static_cast<std::size_t>(i)];
            upper1252[static_cast<std::size_t>(i)] = upper[static_cast<std::size_t>(i)];
        }
        for (int i = 0xC0; i <= 0xDE; ++i)
            if (i != 0xD7) pair(i, i + 0x20);
        pair(0x8A, 0x9A);  // S caron
        pair(0x8C, 0x9C);  // OE
        pair(0x8E, 0x9E);  // Z caron
        pair(0x9F, 0xFF);  // Y diaeresis
    }
};
inline constexpr FoldTables kFold{};
}  // namespace detail

inline char LowerAscii(char c) { return detail::kFold.lower[static_cast<unsigned char>(c)]; }
inline char UpperAscii(char c) { return detail::kFold.upper[static_cast<unsigned char>(c)]; }
std::string LowerAscii(std::string_view text);
std::string UpperAscii(std::string_view text);

// Where the locale's rules fold case: the accented letters too.
inline char LowerCp1252(char c) { return detail::kFold.lower1252[static_cast<unsigned char>(c)]; }
inline char UpperCp1252(char c) { return detail::kFold.upper1252[static_cast<unsigned char>(c)]; }
std::string LowerCp1252(std::string_view text);
std::string UpperCp1252(std::string_view text);

// needleLower must already be lower-cased; the empty needle is contained everywhere.
bool ContainsIgnoringCase(std::string_view haystack, std::string_view needleLower);
// The same with the Windows-1252 folding; needleLower from LowerCp1252.
bool ContainsIgnoringCaseCp1252(std::string_view haystack, std::string_view needleLower);

// Ordinal comparison of the upper-cased texts: <0, 0, >0.
int CompareUpper(std::string_view aUpper, std::string_view b);

// The text-or-range match, with the low and high texts prepared once.
class TextRangeMatcher {
public:
    TextRangeMatcher() = default;
    TextRangeMatcher(std::string_view low, std::string_view high);
    bool operator()(std::string_view text) const;

private:
    std::string lowUpper_, highUpper_;
    std::string lowLower_, highLower_;
    bool numeric_ = false;  // low and high are both numbers
    double low_ = 0, high_ = 0;
};

inline bool TextOrRangeMatch(std::string_view text, std::string_view low, std::string_view high) {
    return TextRangeMatcher(low, high)(text);
}

// NumericValue without allocating: writes into out, reusing its capacity.
void NumericValueInto(std::string_view text, std::string& out);

}  // namespace vorlane
