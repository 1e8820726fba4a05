#pragma once
// Numeric constants shared by the whole analysis. pi and two pi are the decimal values the
// instrument was calibrated with, not the full double-precision constants.
#include <cmath>

namespace terzlab {

inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;
inline constexpr double kNoValue = -999.99;    // band or curve entry without a value
inline constexpr double kOpenCircuit = 999.99; // impedance of an open circuit
inline constexpr double kSpeedOfSound = 343.2; // m/s in air at 20 degC
inline constexpr double kAirDensity = 1.204;   // kg/m^3 at 20 degC
inline const double kLn10 = std::log(10.0);
inline const double kLn2 = std::log(2.0);

// Decimal logarithm the way the whole program computes it (by ln 10, as the instrument was
// calibrated).
inline double Log10(double x) {
    return std::log(x) / kLn10;
}

// NoValue as stored in single precision, for comparing values that were stored as float.
inline bool isNoValue(float v) {
    return v == static_cast<float>(kNoValue);
}
inline bool isNoValue(double v) {
    return v == kNoValue;
}

} // namespace terzlab
