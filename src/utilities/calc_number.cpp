#include "utilities/calc_number.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "storage/number_text.h"

namespace vorlane {

namespace {

// 14 significant digits and the power of ten of the first of them.
struct Digits {
    std::string digits;  // exactly kCalcSignificantDigits, first non-zero unless value is 0
    int exponent = 0;
};

Digits SignificantDigits(double magnitude) {
    char text[64];
    auto result = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific,
                                kCalcSignificantDigits - 1);
    std::string_view s(text, static_cast<std::size_t>(result.ptr - text));
    std::size_t e = s.find('e');
    Digits d;
    d.digits.push_back(s[0]);
    d.digits.append(s.substr(2, e - 2));
    d.exponent = std::atoi(std::string(s.substr(e + 1)).c_str());
    return d;
}

std::string Scientific(const Digits& d, bool negative, const std::string& decimalPoint) {
    std::string mantissa = d.digits;
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();
    std::string out = negative ? "-" : "";
    out += mantissa.substr(0, 1);
    if (mantissa.size() > 1) out.append(decimalPoint).append(mantissa, 1);
    out.append("E+").append(std::to_string(d.exponent));
    return out;
}

}  // namespace

std::string FormatCalcNumber(double value, int decimals, const std::string& decimalPoint,
                             const std::string& thousands) {
    if (!std::isfinite(value)) return "Error";
    const bool negative = std::signbit(value) && value != 0;
    Digits d = SignificantDigits(std::fabs(value));
    if (value == 0) d.exponent = 0;
    if (d.exponent + 1 > kCalcSignificantDigits) return Scientific(d, negative, decimalPoint);

    // Digits from 10^exponent down to 10^-decimals; the rest are rounded off.
    int kept = d.exponent + 1 + decimals;
    std::string digits = value == 0 ? std::string() : d.digits;
    int top = d.exponent;  // power of ten of digits[0]
    if (kept < static_cast<int>(digits.size())) {
        bool roundUp = kept >= 0 && digits[static_cast<std::size_t>(kept)] >= '5';
        if (kept < 0) {
            digits.clear();
        } else {
            digits.resize(static_cast<std::size_t>(kept));
        }
        if (roundUp) {
            int i = static_cast<int>(digits.size()) - 1;
            while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') digits[static_cast<std::size_t>(i--)] = '0';
            if (i >= 0) {
                ++digits[static_cast<std::size_t>(i)];
            } else {
                digits.insert(digits.begin(), '1');
                ++top;
            }
        }
    }
    if (top + 1 > kCalcSignificantDigits) return Scientific(Digits{"1", top}, negative, decimalPoint);

    // Digit for power p, zero where none is kept.
    auto digitAt = [&](int p) {
        int i = top - p;
        return (i >= 0 && i < static_cast<int>(digits.size())) ? digits[static_cast<std::size_t>(i)] : '0';
    };
    std::string whole;
    for (int p = std::max(top, 0); p >= 0; --p) whole.push_back(digitAt(p));
    std::string fraction;
    for (int p = -1; p >= -decimals; --p) fraction.push_back(digitAt(p));

    bool allZero = whole.find_first_not_of('0') == std::string::npos &&
                   fraction.find_first_not_of('0') == std::string::npos;
    std::string out = (negative && !allZero) ? "-" : "";
    out += GroupThousands(whole, thousands);
    if (decimals > 0) out += decimalPoint + fraction;
    return out;
}

}  // namespace vorlane
