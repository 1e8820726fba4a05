#pragma once
// The arrival of the sound in an impulse response: the peak of its envelope, the magnitude of
// the analytic signal (the response and its Hilbert transform), placed between samples by a
// parabola through the three largest envelope values around the response's largest sample.
#include "analysis/constants.h"
#include "sweep/real_fft.h"

#include <optional>
#include <span>

namespace terzlab::sweep {

struct Arrival {
    double Sample = 0.0;   // position in the response, a fraction of a sample
    double Envelope = 0.0; // the envelope there
};

// The response is circular (`ir`, a power of two long); the arrival is looked for in its first
// `searchLength` samples. Nothing when the response is all zero.
std::optional<Arrival> FindArrival(std::span<const float> ir, int64_t searchLength,
                                   RealTransform& transform);

// Whether the envelope's peak stands clearly (30 dB) above the median magnitude of the response's
// first `searchLength` samples: a recording without the sweep deconvolves to noise, whose
// largest value lies only some 17 dB above its median.
bool StandsOutOfNoise(std::span<const float> ir, int64_t searchLength, const Arrival& arrival);

} // namespace terzlab::sweep
