#include "editor/unit_conversion.h"

#include <array>
#include <charconv>
#include <cmath>

#include "storage/dialogs.h"
#include "storage/number_text.h"

namespace vorlane {

namespace {

// One multiplication or division; kept as steps, applied in this order, so
// that the arithmetic is exactly the table's.
struct Step {
    bool multiply;
    double factor;
};

struct UnitFactors {
    std::string_view name;
    std::array<Step, 4> into;  // into ounces
    int intoCount;
    std::array<Step, 2> out;  // out of ounces
    int outCount;
};

constexpr Step Mul(double f) { return {true, f}; }
constexpr Step Div(double f) { return {false, f}; }

// "x 1/6" multiplies by one and divides by six.
const UnitFactors kUnits[] = {
    {"ounce", {Mul(1)}, 1, {Mul(1)}, 1},
    {"teaspoon", {Mul(1), Div(6)}, 2, {Mul(6)}, 1},
    {"tablespoon", {Mul(0.5)}, 1, {Mul(2)}, 1},
    {"pinch", {Mul(1), Div(6), Mul(1), Div(8)}, 4, {Mul(6), Mul(8)}, 2},
    {"dash", {Mul(1), Div(6), Mul(1), Div(4)}, 4, {Mul(6), Mul(4)}, 2},
    {"cup", {Mul(8)}, 1, {Div(8)}, 1},
    {"pound", {Mul(16)}, 1, {Div(16)}, 1},
    {"quart", {Mul(32)}, 1, {Div(32)}, 1},
    {"gram", {Div(28.3)}, 1, {Mul(28.3)}, 1},
    {"kilogram", {Div(28.3), Mul(1000)}, 2, {Mul(28.3), Div(1000)}, 2},
};

const UnitFactors* Find(std::string_view unit) {
    for (const auto& u : kUnits)
        if (u.name == unit) return &u;
    return nullptr;
}

double Apply(double value, const Step* steps, int count) {
    for (int i = 0; i < count; ++i) value = steps[i].multiply ? value * steps[i].factor : value / steps[i].factor;
    return value;
}

// Adds one unit in the last place to a string of decimal digits.
// Returns false when the carry runs off the front.
bool IncrementDigits(std::string& digits) {
    for (auto i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return true;
        }
        digits[i] = '0';
    }
    return false;
}

}  // namespace

bool IsConvertibleUnit(std::string_view unit) { return Find(unit) != nullptr; }

const std::vector<std::string>& ConversionTargets() {
    static const std::vector<std::string> targets = {"ounce", "teaspoon", "tablespoon", "pound", "cup",
                                                     "gram",  "pinch",    "dash",       "kilogram", "quart"};
    return targets;
}

std::optional<double> ConvertQuantity(double quantity, std::string_view from, std::string_view to) {
    const UnitFactors* source = Find(from);
    const UnitFactors* target = Find(to);
    if (!source || !target) return std::nullopt;
    double ounces = Apply(quantity, source->into.data(), source->intoCount);
    double result = Apply(ounces, target->out.data(), target->outCount);
    if (!std::isfinite(result)) return std::nullopt;
    return result;
}

std::string FormatConverted(double value) {
    // The shortest text that reads back as value is what a person would
    // round by hand: 0.03125 gives 0.0313, not the binary neighbour's 0.0312.
    char buffer[512];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed);
    if (ec != std::errc()) return {};
    std::string text(buffer, end);

    std::string whole = text, fraction;
    if (auto point = text.find('.'); point != std::string::npos) {
        whole = text.substr(0, point);
        fraction = text.substr(point + 1);
    }
    bool roundUp = fraction.size() > 4 && fraction[4] >= '5';
    fraction.resize(4, '0');
    if (roundUp) {
        std::string digits = whole + fraction;
        if (!IncrementDigits(digits)) digits.insert(digits.begin(), '1');
        whole = digits.substr(0, digits.size() - 4);
        fraction = digits.substr(digits.size() - 4);
    }
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();

    std::string result = whole;
    if (!fraction.empty()) result += "." + fraction;
    bool zero = whole.find_first_not_of('0') == std::string::npos && fraction.empty();
    if (std::signbit(value) && !zero) result.insert(result.begin(), '-');
    return result;
}

std::vector<UnitConversion> UnitConversions(const std::string& quantity, const std::string& unit) {
    std::vector<UnitConversion> entries;
    std::optional<double> amount = ParseNumberText(quantity);
    if (!amount || !IsConvertibleUnit(unit)) return entries;
    for (const std::string& target : ConversionTargets()) {
        if (target == unit) continue;
        std::optional<double> converted = ConvertQuantity(*amount, unit, target);
        if (!converted) continue;
        std::string result = FormatConverted(*converted);
        entries.push_back({quantity + " " + unit + " to " + result + " " + target, result, target});
    }
    return entries;
}

std::vector<UnitConversion> OfferUnitConversions(const std::string& quantity, const std::string& unit,
                                                 Dialogs& dialogs) {
    std::vector<UnitConversion> entries = UnitConversions(quantity, unit);
    if (entries.empty()) dialogs.Information(kNoConversionMessage);
    return entries;
}

}  // namespace vorlane
