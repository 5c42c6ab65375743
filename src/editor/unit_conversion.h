#pragma once
// Converting an ingredient row's quantity into other units. Volume and
// weight share the ounce as their one base: every conversion goes into
// ounces and out again.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlane {

class Dialogs;

inline constexpr const char* kNoConversionMessage = "No valid value is available to convert.";

// Unit names are matched exactly, letter case included.
bool IsConvertibleUnit(std::string_view unit);

// The units offered as targets, in menu order.
const std::vector<std::string>& ConversionTargets();

// quantity in unit `from` expressed in unit `to`; nullopt when either unit
// is not convertible or the result is not finite.
std::optional<double> ConvertQuantity(double quantity, std::string_view from, std::string_view to);

// Four decimals rounded to nearest (halves away from zero), then trailing
// zeros and a trailing point dropped: 16, 0.333, 2.5.
std::string FormatConverted(double value);

struct UnitConversion {
    std::string caption;   // "2 cup to 16 ounce"
    std::string quantity;  // "16": goes into the Quantity cell
    std::string unit;      // "ounce": goes into the Measure cell
    bool operator==(const UnitConversion&) const = default;
};

// The conversion menu for a row holding quantity and unit: one entry per
// target other than unit itself, or none at all.
std::vector<UnitConversion> UnitConversions(const std::string& quantity, const std::string& unit);

// The "Convert Units" command: the menu's entries, after telling the person
// when there are none.
std::vector<UnitConversion> OfferUnitConversions(const std::string& quantity, const std::string& unit,
                                                 Dialogs& dialogs);

}  // namespace vorlane
