#pragma once
// Numbers as files hold them: a decimal point always, fixed patterns, and a strict reader that
// refuses anything it cannot vouch for.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace terzlab {

// Strict reading: only "-", "." and digits after the first "," became "."; anything else, a
// second comma or an empty text give NoValue. Reads from the left as far as a number goes.
double ParseNumber(std::string_view text);

// pattern "0", "0.0", "0.00", "0.000"...; halves round away from zero; always a decimal point.
std::string FormatValue(double value, std::string_view pattern);

// Four significant digits from 10 Hz to 9999 Hz. pointFlag false gives the separator shown to
// the user (the program speaks German: a comma).
std::string FormatFrequency(double value, bool pointFlag, char userSeparator = ',');

// A number as FormatValue or FormatFrequency writes it, with its point replaced by the
// separator the user reads (the caller's locale: this library knows none).
std::string WithSeparator(std::string text, std::string_view separator);

// A plain decimal integer ("-" and digits only) that fits the range, or nothing.
std::optional<int32_t> ParseInteger(std::string_view text, int32_t min, int32_t max);

// The shortest decimal text (point, no exponent) that reads back as exactly this value.
std::string FormatRoundTrip(double value);
std::string FormatRoundTrip(float value);

} // namespace terzlab
