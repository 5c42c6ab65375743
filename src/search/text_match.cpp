#include "search/text_match.h"

#include <algorithm>
#include <charconv>

namespace vorlane {

std::string LowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = LowerAscii(c);
    return out;
}

std::string UpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = UpperAscii(c);
    return out;
}

bool ContainsIgnoringCase(std::string_view haystack, std::string_view needleLower) {
    const std::size_t n = needleLower.size();
    if (n == 0) return true;
    if (haystack.size() < n) return false;
    const char first = needleLower[0];
    const std::size_t last = haystack.size() - n;
    for (std::size_t i = 0; i <= last; ++i) {
        if (LowerAscii(haystack[i]) != first) continue;
        std::size_t j = 1;
        while (j < n && LowerAscii(haystack[i + j]) == needleLower[j]) ++j;
        if (j == n) return true;
    }
    return false;
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

bool ParseNumberText(std::string_view text, double& value) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    text.remove_prefix(i);
    if (text.empty()) return false;

    bool negative = false;
    std::size_t p = 0;
    if (text[p] == '+' || text[p] == '-') negative = text[p++] == '-';
    const std::size_t start = p;
    std::size_t digits = 0;
    while (p < text.size() && text[p] >= '0' && text[p] <= '9') ++p, ++digits;
    if (p < text.size() && text[p] == '.') {
        ++p;
        while (p < text.size() && text[p] >= '0' && text[p] <= '9') ++p, ++digits;
    }
    if (digits == 0) return false;
    if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
        ++p;
        if (p < text.size() && (text[p] == '+' || text[p] == '-')) ++p;
        std::size_t expDigits = 0;
        while (p < text.size() && text[p] >= '0' && text[p] <= '9') ++p, ++expDigits;
        if (expDigits == 0) return false;
    }
    if (p != text.size()) return false;

    // from_chars takes no '+', and the sign was checked above.
    double parsed = 0;
    auto result = std::from_chars(text.data() + start, text.data() + text.size(), parsed,
                                  std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return false;
    value = negative ? -parsed : parsed;
    return true;
}

TextRangeMatcher::TextRangeMatcher(std::string_view low, std::string_view high)
    : lowUpper_(UpperAscii(low)), highUpper_(UpperAscii(high)), lowLower_(LowerAscii(low)),
      highLower_(LowerAscii(high)) {
    numeric_ = ParseNumberText(low, low_) && ParseNumberText(high, high_);
}

bool TextRangeMatcher::operator()(std::string_view text) const {
    if (numeric_) {
        double t;
        if (ParseNumberText(text, t)) return low_ <= t && t <= high_;
    }
    if (!lowUpper_.empty() && !highUpper_.empty()) {
        return CompareUpper(lowUpper_, text.substr(0, lowUpper_.size())) <= 0 &&
               CompareUpper(highUpper_, text.substr(0, highUpper_.size())) >= 0;
    }
    return (!lowLower_.empty() && ContainsIgnoringCase(text, lowLower_)) ||
           (!highLower_.empty() && ContainsIgnoringCase(text, highLower_));
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
