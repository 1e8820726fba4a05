#pragma once
// Fractional-octave smoothing of a frequency response: at each frequency the power average of the
// bins within half the fraction of an octave either side, with the phase of the complex average
// of the same bins. The group delay is smoothed as a value of its own: a phase taken from sets of
// bins that differ from point to point would jump.
#include "sweep/gate.h"

#include <complex>
#include <span>
#include <vector>

namespace terzlab::sweep {

// The fractions offered: 1/3, 1/6, 1/12, 1/24 and 1/48 octave.
inline constexpr int kSmoothingFractions[] = {3, 6, 12, 24, 48};
// No smoothing: every bin as measured.
inline constexpr int kFullResolution = 0;

// The smoothed response at the given frequencies (0 where no bin lies in the range).
std::vector<std::complex<double>> SmoothedAt(const Response& response,
                                             std::span<const double> frequencies, int fraction);

struct ResponsePoint {
    double Freq = 0.0;
    double Db = 0.0;           // recorded over played
    double PhaseDeg = 0.0;     // of the smoothed complex response
    double GroupDelayMs = 0.0; // -d phase / d omega, averaged over the bins weighted by power
};

// Where a response holds what was measured: the bins outside (the sweep's fades) are left out of
// every average.
struct ValidBand {
    double FromHz = 0.0;
    double ToHz = 1e300;
};

// The smoothed response at the given frequencies, in dB and degrees, with its group delay.
std::vector<ResponsePoint> SmoothedPoints(const Response& response,
                                          std::span<const double> frequencies, int fraction,
                                          const ValidBand& valid = {});

// Points so close that a drawn curve looks smooth: 48 to the octave from `from` to `to`; at full
// resolution the response's bins between them.
std::vector<double> DrawnFrequencies(double from, double to, const Response& response,
                                     int fraction);

} // namespace terzlab::sweep
