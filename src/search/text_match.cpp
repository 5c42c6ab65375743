#include "search/text_match.h"

#include <algorithm>
#include <optional>

#include "storage/number_text.h"

namespace vorlane {

namespace {

std::string fold(std::string_view text, char (*by)(char)) {
    std::string out(text);
    for (char& c : out) c = by(c);
    return out;
}

template <char (*lower)(char)>
bool contains(std::string_view haystack, std::string_view needleLower) {
    const std::size_t n = needleLower.size();
    if (n == 0) return true;
    if (haystack.size() < n) return false;
    const char first = needleLower[0];
    const std::size_t last = haystack.size() - n;
    for (std::size_t i = 0; i <= last; ++i) {
        if (lower(haystack[i]) != first) continue;
        std::size_t j = 1;
        while (j < n && lower(haystack[i + j]) == needleLower[j]) ++j;
        if (j == n) return true;
    }
    return false;
}

}  // namespace

std::string LowerAscii(std::string_view text) { return fold(text, LowerAscii); }
std::string UpperAscii(std::string_view text) { return fold(text, UpperAscii); }
std::string LowerCp1252(std::string_view text) { return fold(text, LowerCp1252); }
std::string UpperCp1252(std::string_view text) { return fold(text, UpperCp1252); }

bool ContainsIgnoringCase(std::string_view haystack, std::string_view needleLower) {
    return contains<LowerAscii>(haystack, needleLower);
}

bool ContainsIgnoringCaseCp1252(std::string_view haystack, std::string_view needleLower) {
    return contains<LowerCp1252>(haystack, needleLower);
}

int CompareUpper(std::string_view aUpper, std::string_view b) {
    const std::size_t n = std::min(aUpper.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        auto x = static_cast<unsigned char>(aUpper[i]);
        auto y = static_cast<unsigned char>(UpperAscii(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    if (aUpper.size() == b.size()) return 0;
    return aUpper.size() < b.size() ? -1 : 1;
}

TextRangeMatcher::TextRangeMatcher(std::string_view low, std::string_view high)
    : lowUpper_(UpperAscii(low)), highUpper_(UpperAscii(high)), lowLower_(LowerCp1252(low)),
      highLower_(LowerCp1252(high)) {
    std::optional<double> lowNumber = ParseNumberText(low), highNumber = ParseNumberText(high);
    numeric_ = lowNumber && highNumber;
    if (numeric_) low_ = *lowNumber, high_ = *highNumber;
}

bool TextRangeMatcher::operator()(std::string_view text) const {
    if (numeric_) {
        if (std::optional<double> t = ParseNumberText(text)) return low_ <= *t && *t <= high_;
    }
    if (!lowUpper_.empty() && !highUpper_.empty()) {
        return CompareUpper(lowUpper_, text.substr(0, lowUpper_.size())) <= 0 &&
               CompareUpper(highUpper_, text.substr(0, highUpper_.size())) >= 0;
    }
    return (!lowLower_.empty() && ContainsIgnoringCaseCp1252(text, lowLower_)) ||
           (!highLower_.empty() && ContainsIgnoringCaseCp1252(text, highLower_));
}

void NumericValueInto(std::string_view text, std::string& out) {
    out.clear();
    // The last point of the text is the one kept.
    const auto lastPoint = text.rfind('.');
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if ((c >= '0' && c <= '9') || (c == '.' && i == lastPoint)) out.push_back(c);
    }
    if (out.empty()) out.push_back('0');
}

}  // namespace vorlane
