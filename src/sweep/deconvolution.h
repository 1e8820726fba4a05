#pragma once
// Deconvolution of a recording by the played sweep or by the loopback channel that recorded it,
// and coherent averaging of repeated recordings.
#include "sweep/real_fft.h"

#include <span>
#include <vector>

namespace terzlab::sweep {

struct Band {
    double F1 = 10.0;
    double F2 = 20000.0;
    int32_t SampleRate = 48000;
};

// The circular impulse response of `fftSize` samples (a power of two at least as long as the
// recording): sample 0 is the excitation's first sample, the harmonics' responses lie before it,
// at the end. Divides by the excitation's spectrum with a regularisation that is negligible
// inside f1..f2 up to the sweep's fades and grows from there to the excitation's own power at
// the band edge within 1/6 octave outside, so that where the sweep has no energy the response
// goes to zero instead of blowing up.
std::vector<float> Deconvolve(std::span<const float> recorded, std::span<const float> excitation,
                              const Band& band, int32_t fftSize, RealTransform& transform);

// The sample-by-sample mean of recordings of the same sweep, each starting at the same point of
// it: uncorrelated noise falls by 3 dB per doubling, the response stays.
std::vector<float> AverageCoherently(std::span<const std::vector<float>> takes);

} // namespace terzlab::sweep
