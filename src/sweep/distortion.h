#pragma once
// Harmonic distortion against frequency from one synchronized sweep: the responses of orders 2 to
// 5 lie L ln(n) before the linear one; each is cut out with its own window reaching to the
// geometric means of its and its neighbours' orders (L ln sqrt(n (n+1)) before the arrival), and
// its spectrum read at n f is compared with the fundamental's at f.
#include "sweep/real_fft.h"
#include "sweep/sweep_signal.h"

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace terzlab::sweep {

inline constexpr int kHighestOrder = 5;

struct DistortionRow {
    double FrequencyHz = 0.0;
    std::array<std::optional<double>, kHighestOrder - 1> KPercent; // k2..k5
    std::optional<double> ThdPercent;    // THD-F of the orders present, where k2 and k3 are
    std::optional<double> NoisePercent;  // the noise floor on the same scale
    std::optional<double> FundamentalDb; // the linear response there, dB re the played signal
};

struct DistortionInputs {
    std::span<const float> Ir; // circular, as Deconvolve gives it
    double ArrivalSample = 0.0;
    int64_t ResponseSamples = 0; // recorded after sample 0; the noise is read at its end
    SweepShape Sweep;
    int Fraction = 12; // smoothing, 1/fraction octave
};

// Whether order n is present at fundamental f: n f below f2 and below 0.95 of half the rate.
bool OrderPresent(int order, double f, double f2, int32_t sampleRate);

// The 1/fraction-octave centres (on the grid through 1 kHz) from f1 to f2 / 2.
std::vector<double> DistortionFrequencies(double f1, double f2, int fraction);

std::vector<DistortionRow> HarmonicDistortion(const DistortionInputs& in, RealTransform& transform);

} // namespace terzlab::sweep
