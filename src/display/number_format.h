#pragma once
// Numbers as the user reads them: fixed decimals with the locale's decimal separator, which
// the caller passes in (this library knows no locale). Independent of the C locale.
#include <string>
#include <string_view>

namespace terzlab {

// "0", "0.0", "0.00" ... patterns. A value that rounds to zero shows no minus sign; a value
// that is not a number shows as "0".
std::string FormatFixed(double value, int decimals, std::string_view decimalSeparator);

// Four significant digits from 10 on: "0.000" below 10, "0.00" below 100, "0.0" below 1000,
// else "0".
std::string FormatFrequencyText(double frequency, std::string_view decimalSeparator);

} // namespace terzlab
