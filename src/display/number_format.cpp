#include "display/number_format.h"
#include <charconv>
#include <cmath>

namespace terzlab {

std::string FormatFixed(double value, int decimals, std::string_view decimalSeparator) {
    if (!std::isfinite(value)) value = 0.0;
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    if (const auto point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, decimalSeparator);
    }
    return text;
}

std::string FormatFrequencyText(double frequency, std::string_view decimalSeparator) {
    int decimals = 0;
    if (frequency < 10.0) {
        decimals = 3;
    } else if (frequency < 100.0) {
        decimals = 2;
    } else if (frequency < 1000.0) {
        decimals = 1;
    }
    return FormatFixed(frequency, decimals, decimalSeparator);
}

} // namespace terzlab
