#pragma once
// Numbers as the calculator shows them: thousands separators, a fixed
// number of decimals, no more than 14 significant digits.

#include <string>

namespace vorlane {

constexpr int kCalcSignificantDigits = 14;

// Rounded half away from zero on the decimal digits, so 1.005 shows as 1.01.
// A value whose whole part needs more than 14 digits is shown in scientific
// form ("1.2345E+15"); one that is not finite is "Error".
// The separators are the locale's (UTF-8); a point and a comma by default.
std::string FormatCalcNumber(double value, int decimals, const std::string& decimalPoint = ".",
                             const std::string& thousands = ",");

}  // namespace vorlane
