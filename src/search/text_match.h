#pragma once
// Text tests the search is made of: ASCII case folding, the number test and
// the text-or-range match of detail and name terms.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorlane {

namespace detail {
struct FoldTables {
    std::array<char, 256> lower{};
    std::array<char, 256> upper{};
    constexpr FoldTables() {
        for (int i = 0; i < 256; ++i) {
            char c = static_cast<char>(i);
            lower[static_cast<std::size_t>(i)] = (i >= 'A' && i <= 'Z') ? static_cast<char>(i + 32) : c;
            upper[static_cast<std::size_t>(i)] = (i >= 'a' && i <= 'z') ? static_cast<char>(i - 32) : c;
        }
    }
};
inline constexpr FoldTables kFold{};
}  // namespace detail

inline char LowerAscii(char c) { return detail::kFold.lower[static_cast<unsigned char>(c)]; }
inline char UpperAscii(char c) { return detail::kFold.upper[static_cast<unsigned char>(c)]; }
std::string LowerAscii(std::string_view text);
std::string UpperAscii(std::string_view text);

// needleLower must already be lower-cased; the empty needle is contained everywhere.
bool ContainsIgnoringCase(std::string_view haystack, std::string_view needleLower);

// Ordinal comparison of the upper-cased texts: <0, 0, >0.
int CompareUpper(std::string_view aUpper, std::string_view b);

// The whole text after leading blanks is a decimal number with optional sign,
// fraction and exponent. The empty text is not a number.
bool ParseNumberText(std::string_view text, double& value);

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
