#pragma once
// The reports' one place for reading numbers kept as text, so the whole
// subsystem follows the program's single locale-free reading.

#include <string>
#include <string_view>

namespace vorlane {

// A plain decimal number ("12.50", "-3", "1e2"); false for anything else.
bool ReadDecimalText(std::string_view text, double& value);

// A whole number with optional leading blanks and sign ("03" gives 3).
bool ReadWholeText(std::string_view text, long long& value);

// value with exactly `decimals` decimals, point as separator, at least
// `width` characters (padded with blanks on the left).
std::string FixedText(double value, int decimals, std::size_t width = 0);

}  // namespace vorlane
