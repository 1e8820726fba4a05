#pragma once
// Fractional-octave smoothing of a frequency response: at each frequency the power average of the
// bins within half the fraction of an octave either side, with the phase of the complex average
// of the same bins.
#include "sweep/gate.h"

#include <complex>
#include <span>
#include <vector>

namespace terzlab::sweep {

// The fractions offered: 1/3, 1/6, 1/12, 1/24 and 1/48 octave.
inline constexpr int kSmoothingFractions[] = {3, 6, 12, 24, 48};

// The smoothed response at the given frequencies (0 where no bin lies in the range).
std::vector<std::complex<double>> SmoothedAt(const Response& response,
                                             std::span<const double> frequencies, int fraction);

// The smoothed response at every bin of the response.
Response Smoothed(const Response& response, int fraction);

} // namespace terzlab::sweep
