#include "audio/virtual/biquad.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace terzlab::audio {

namespace {

// Keeps a corner below Nyquist at low sample rates.
double corner(double f, double fs) {
    return std::min(f, 0.45 * fs);
}

// The two second-order sections share their poles; only the zeros differ: a double zero at
// Nyquist for the low-pass, at 0 Hz for the high-pass.
Biquad secondOrder(double f, double q, double fs, bool high) {
    const double w0 = 2.0 * std::numbers::pi * corner(f, fs) / fs;
    const double alpha = std::sin(w0) / (2.0 * q);
    const double c = std::cos(w0);
    const double a0 = 1.0 + alpha;
    const double k = high ? 1.0 + c : 1.0 - c;
    Biquad s;
    s.b0 = k / 2.0 / a0;
    s.b1 = (high ? -k : k) / a0;
    s.b2 = s.b0;
    s.a1 = -2.0 * c / a0;
    s.a2 = (1.0 - alpha) / a0;
    return s;
}

} // namespace

Biquad highPass2(double f, double q, double fs) {
    return secondOrder(f, q, fs, true);
}

Biquad lowPass2(double f, double q, double fs) {
    return secondOrder(f, q, fs, false);
}

Biquad lowPass1(double f, double fs) {
    const double k = std::tan(std::numbers::pi * corner(f, fs) / fs);
    Biquad s;
    s.b0 = k / (1.0 + k);
    s.b1 = s.b0;
    s.a1 = (k - 1.0) / (k + 1.0);
    return s;
}

} // namespace terzlab::audio
