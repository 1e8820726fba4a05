#include "files/numbers.h"
#include "analysis/constants.h"
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace terzlab {
namespace {

bool IsNumberChar(char c) {
    return c == '-' || c == '.' || (c >= '0' && c <= '9');
}

// Reads an optional minus, digits and at most one point, as far as they go.
double ReadLeadingNumber(std::string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && text[pos] == '-') {
        negative = true;
        ++pos;
    }
    const std::size_t start = pos;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
        ++pos;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
            ++pos;
    }
    std::string digits(text.substr(start, pos - start));
    if (digits.empty() || digits == ".") return negative ? -0.0 : 0.0;
    if (digits.front() == '.') digits.insert(digits.begin(), '0');
    double value = 0.0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return negative ? -value : value;
}

int DecimalsOf(std::string_view pattern) {
    const auto point = pattern.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
}

// An exact half at the last shown decimal is a dyadic fraction with an odd numerator over
// 2^(decimals+1); printf would round it to even, the displayed format rounds it away from zero.
bool IsExactHalf(double magnitude, int decimals) {
    const double scaled = std::ldexp(magnitude, decimals + 1);
    return scaled < 9.0e15 && std::floor(scaled) == scaled && std::fmod(scaled, 2.0) == 1.0;
}

} // namespace

double ParseNumber(std::string_view text) {
    if (text.empty()) return kNoValue;
    std::string work(text);
    const auto comma = work.find(',');
    if (comma != std::string::npos) {
        work[comma] = '.';
        if (work.find(',') != std::string::npos) return kNoValue;
    }
    for (const char c : work) {
        if (!IsNumberChar(c)) return kNoValue;
    }
    return ReadLeadingNumber(work);
}

std::string FormatValue(double value, std::string_view pattern) {
    if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
    const int decimals = DecimalsOf(pattern);
    double magnitude = std::fabs(value);
    if (IsExactHalf(magnitude, decimals)) magnitude = std::nextafter(magnitude, HUGE_VAL);
    std::array<char, 400> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, magnitude);
    std::string text = buffer.data();
    // A value that rounds to zero has no sign worth showing: "-0.00" reads as a measured value.
    const bool roundsToZero = text.find_first_not_of("0.") == std::string::npos;
    return value < 0 && !roundsToZero ? "-" + text : text;
}

std::string FormatFrequency(double value, bool pointFlag, char userSeparator) {
    const char* pattern = "0";
    if (value < 10.0) {
        pattern = "0.000";
    } else if (value < 100.0) {
        pattern = "0.00";
    } else if (value < 1000.0) {
        pattern = "0.0";
    }
    std::string text = FormatValue(value, pattern);
    if (!pointFlag) {
        const auto point = text.find('.');
        if (point != std::string::npos) text[point] = userSeparator;
    }
    return text;
}

std::string WithSeparator(std::string text, std::string_view separator) {
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, separator);
    return text;
}

std::optional<int32_t> ParseInteger(std::string_view text, int32_t min, int32_t max) {
    if (text.empty() || text.size() > 11) return std::nullopt;
    std::size_t start = text[0] == '-' ? 1 : 0;
    if (start == text.size()) return std::nullopt;
    for (std::size_t i = start; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
    }
    int64_t value = 0;
    std::from_chars(text.data() + start, text.data() + text.size(), value);
    if (start == 1) value = -value;
    if (value < min || value > max) return std::nullopt;
    return static_cast<int32_t>(value);
}

namespace {
template <typename Real> std::string ShortestFixed(Real value) {
    // Zero of either sign is "0": a file never says "-0".
    if (!std::isfinite(value) || value == 0) return "0";
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    if (result.ec != std::errc()) return "0";
    return std::string(buffer.data(), result.ptr);
}
} // namespace

std::string FormatRoundTrip(double value) {
    return ShortestFixed(value);
}

std::string FormatRoundTrip(float value) {
    return ShortestFixed(value);
}

} // namespace terzlab
