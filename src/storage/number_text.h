#pragma once
// Numbers stored as text. The files always use a full stop as decimal
// point, so these read the same whatever the system locale says.

#include <optional>
#include <string>
#include <string_view>

namespace vorlane {

// The whole text after leading blanks is a decimal number: optional sign,
// digits with at most one point, optional exponent. The empty text, "inf",
// "nan", hex and anything trailing are no number.
std::optional<double> ParseNumberText(std::string_view text);

// The numeric value of a money field (its digits and last point), as a number.
double MoneyValue(std::string_view text);

// The quantity detail as a whole number, blanks around it allowed; 1 when
// it is not one.
long long QuantityValue(std::string_view text);
// Digits with a separator before every group of three from the right: "1,234".
std::string GroupThousands(std::string_view digits, std::string_view separator = ",");

// An amount in the money form the program shows: the symbol, the whole part
// in groups of three and two decimals ("$1,234.50", "-$3.00"). Empty for an
// amount too large to show to the cent.
std::string MoneyText(double value, std::string_view symbol = "$");

}  // namespace vorlane
