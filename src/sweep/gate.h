#pragma once
// The gate (a time window placed relative to the arrival, never at an absolute time) and the
// gated frequency response with the arrival's delay removed.
#include "sweep/real_fft.h"

#include <complex>
#include <span>
#include <string>
#include <vector>

namespace terzlab::sweep {

enum class GateShape { Rect, HalfHann, Tukey };

struct Gate {
    double PreMs = 1.0;    // before the arrival
    double LengthMs = 5.0; // after the arrival
    GateShape Shape = GateShape::HalfHann;
    double Taper = 0.25; // Tukey: the fraction of the length after the arrival that falls off
};

// The rise over the pre-arrival part is half a Hann window for HalfHann and Tukey, a step for
// Rect. After the arrival: Rect stays 1, HalfHann falls as half a Hann window over the whole
// length, Tukey stays 1 and falls as half a Hann window over its last Taper part.
double GateWeight(const Gate& gate, double msFromArrival);

// The lowest frequency the gate resolves: 1 / length after the arrival.
double GateLowHz(const Gate& gate);

// Why the gate cannot be placed, or "": a negative pre-arrival part, a length that is not
// positive or runs past the `responseSamples` recorded after sample 0, a pre-arrival part that
// reaches back into the second harmonic's response (`leadSamples` before the arrival).
std::string GateRefusal(const Gate& gate, double arrivalSample, int64_t responseSamples,
                        double leadSamples, int32_t sampleRate);

// A frequency response on a grid of equal steps: bin k at k * BinHz.
struct Response {
    double BinHz = 0.0;
    std::vector<std::complex<double>> Bins;
    double FrequencyOf(std::size_t k) const { return static_cast<double>(k) * BinHz; }
};

// The gated part of the circular response, zero-padded to twice the next power of two (at least
// 8192 samples), transformed, its phase referred to `delaySamples` (the delay removed).
Response GatedResponse(std::span<const float> ir, double arrivalSample, const Gate& gate,
                       double delaySamples, int32_t sampleRate, RealTransform& transform);

} // namespace terzlab::sweep
