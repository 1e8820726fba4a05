#pragma once
// Small helpers shared by the curve reader and the sensor re-sampling.
#include "analysis/constants.h"
#include <cfloat>
#include <string>
#include <string_view>

namespace terzlab {

inline constexpr float kNoValueSingle = static_cast<float>(kNoValue);
// How the measurement file writes a band without a value.
inline constexpr std::string_view kNoValueText = "-999.99";

// Garbage in a file may exceed the single range; storing it must not overflow the conversion.
inline float ToSingle(double value) {
    if (value > FLT_MAX) return FLT_MAX;
    if (value < -FLT_MAX) return -FLT_MAX;
    return static_cast<float>(value);
}

inline std::string TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

} // namespace terzlab
