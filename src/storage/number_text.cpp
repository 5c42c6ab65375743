#include "storage/number_text.h"

#include <charconv>
#include <cmath>

#include "storage/fields.h"

namespace vorlane {

namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::optional<double> ParseNumberText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    text.remove_prefix(i);

    // The shape is checked first: from_chars alone would take "inf", "nan" and hex.
    std::size_t p = 0;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
    const std::size_t start = p;
    std::size_t digits = 0;
    while (p < text.size() && isDigit(text[p])) ++p, ++digits;
    if (p < text.size() && text[p] == '.') {
        ++p;
        while (p < text.size() && isDigit(text[p])) ++p, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
        ++p;
        if (p < text.size() && (text[p] == '+' || text[p] == '-')) ++p;
        std::size_t expDigits = 0;
        while (p < text.size() && isDigit(text[p])) ++p, ++expDigits;
        if (expDigits == 0) return std::nullopt;
    }
    if (p != text.size()) return std::nullopt;

    double value = 0;
    const char* last = text.data() + text.size();
    auto [end, ec] = std::from_chars(text.data() + start, last, value, std::chars_format::general);
    if (ec != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

double MoneyValue(std::string_view text) { return ParseNumberText(NumericValue(text)).value_or(0.0); }

long long QuantityValue(std::string_view text) {
    std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) return 1;
    std::size_t end = text.find_last_not_of(' ') + 1;
    const char* first = text.data() + begin;
    const char* last = text.data() + end;
    if (*first == '+' && last - first > 1 && first[1] != '-') ++first;
    long long n = 0;
    auto result = std::from_chars(first, last, n);
    if (result.ec != std::errc() || result.ptr != last) return 1;
    return n;
}

std::string GroupThousands(std::string_view digits, std::string_view separator) {
    std::string out;
    out.reserve(digits.size() + digits.size() / 3 * separator.size());
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
        out.push_back(digits[i]);
    }
    return out;
}

std::string MoneyText(double value, std::string_view symbol) {
    // Beyond 2^53 cents a double no longer holds every cent.
    constexpr double kLargest = 9.0e13;
    if (!std::isfinite(value) || std::fabs(value) >= kLargest) return {};
    const long long cents = std::llround(std::fabs(value) * 100.0);
    std::string out = cents != 0 && value < 0 ? "-" : "";
    out += symbol;
    out += GroupThousands(std::to_string(cents / 100));
    const long long fraction = cents % 100;
    out += fraction < 10 ? ".0" : ".";
    out += std::to_string(fraction);
    return out;
}

}  // namespace vorlane
