#include "reports/report_numbers.h"

#include <charconv>
#include <cmath>

#include "storage/number_text.h"

namespace vorlane {

bool ReadDecimalText(std::string_view text, double& value) {
    std::optional<double> parsed = ParseNumberText(text);
    if (parsed) value = *parsed;
    return parsed.has_value();
}

bool ReadWholeText(std::string_view text, long long& value) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() < '0' || text.front() > '9') return false;
    long long parsed = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return false;
    value = negative ? -parsed : parsed;
    return true;
}

std::string FixedText(double value, int decimals, std::size_t width) {
    if (!std::isfinite(value)) value = 0;
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ec == std::errc() ? result.ptr : buffer);
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

}  // namespace vorlane
