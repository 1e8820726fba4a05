#pragma once
// What the virtual bench's loudspeaker and room do to a sine, computed from their designs: the
// truth its simulation is held to.
#include "audio/virtual/bench_model.h"

#include <cmath>
#include <complex>
#include <numbers>

namespace terzlab::test {

inline std::complex<double> responseOf(const audio::Biquad& s, double hz, double fs) {
    const std::complex<double> z1 = std::polar(1.0, -2 * std::numbers::pi * hz / fs);
    return (s.b0 + z1 * (s.b1 + z1 * s.b2)) / (1.0 + z1 * (s.a1 + z1 * s.a2));
}

// The loudspeaker's direct sound, without the bench's gain.
inline std::complex<double> loudspeakerAt(double hz, double fs) {
    return responseOf(audio::highPass2(audio::kBoxResonanceHz, audio::kBoxQ, fs), hz, fs) *
           responseOf(audio::lowPass1(audio::kTopCornerHz, fs), hz, fs);
}

// The direct sound and the floor's reflection over the direct sound alone.
inline std::complex<double> roomAt(const audio::BenchSettings& bench, double hz, double fs) {
    const double lag = std::round(bench.reflectionMs * fs / 1000);
    return 1.0 + bench.reflectionGain *
                     responseOf(audio::lowPass1(audio::kFloorCornerHz, fs), hz, fs) *
                     std::polar(1.0, -2 * std::numbers::pi * hz * lag / fs);
}

} // namespace terzlab::test
