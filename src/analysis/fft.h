#pragma once
// The FFT module: block size and time window per measurement type, loading a captured block
// into the single-precision work arrays, the radix-2 transform, and splitting the packed
// two-channel spectrum into the two channels' components.
#include "analysis/fft_plan.h"
#include "analysis/types.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace terzlab {

inline constexpr int16_t kChannelCount = 2;

// WindowType values.
inline constexpr int16_t kWindowUniform = 0;
inline constexpr int16_t kWindowHanning = 1;
inline constexpr int16_t kWindowHamming = 2;
inline constexpr int16_t kWindowBlackman = 3;

struct FftState {
    int32_t BlockSize = 0;
    int16_t WindowType = kWindowUniform;
    std::vector<float> WindowCoeff{}; // 0..BlockSize-1
    std::vector<float> FftRe{};       // 0..BlockSize-1, transformed in place
    std::vector<float> FftIm{};
    FftPlan Plan{}; // tables and work arrays of the transform, built by FftSetup
};

struct BlockSetting {
    int32_t BlockSize;
    int16_t WindowType;
};

// Block size and window of a measurement type.
BlockSetting BlockSettingFor(MeasType type);

// "Uniform", "Hanning", "Hamming", "Blackman" (the names used in measurement files).
const char* WindowName(int16_t windowType);

// Sets BlockSize and WindowType for the measurement type and runs FftSetup. The caller
// re-dimensions its capture buffer to kChannelCount * BlockSize samples.
void GetBlockSize(FftState& fft, MeasType type);

// Recomputes WindowCoeff for the current WindowType and BlockSize and zero-fills FftRe/FftIm.
void FftSetup(FftState& fft);

// In-place transform of FftRe/FftIm; inverse == 0 is forward (scaled by 1/N), else inverse.
void Fft(FftState& fft, int16_t inverse);

// Forward transform (scaled by 1/N) of the complex block whose real and imaginary parts
// alternate in `pairs` (2 BlockSize floats), without copying it into FftRe/FftIm first; the
// result is in FftRe/FftIm.
void FftPairs(FftState& fft, std::span<const float> pairs);

// The transform of FftPairs in either direction without its last stage, which the caller then
// runs piece by piece with FftLastStage, so that it can use each piece of the result while it is
// still in the cache.
void FftPairsBeforeLastStage(FftState& fft, std::span<const float> pairs, int16_t inverse);
// The last stage's butterflies j in [first, first + count) of the BlockSize / 2: elements j and
// j + BlockSize / 2 of FftRe/FftIm, as Fft or FftPairs leaves them.
void FftLastStage(FftState& fft, int16_t inverse, int32_t first, int32_t count);

// Loads one block (left/right interleaved, at least 2*BlockSize samples) into FftRe (left) and
// FftIm (right), applies the window and runs the forward transform.
void LoadBlock(FftState& fft, std::span<const int16_t> captureBuffer);

// Components of bin k (0..N/2-1) of both channels after the packed transform: a is twice the
// real part, b twice the negated imaginary part of the channel's own spectrum.
struct ChannelBin {
    double a1, b1, a2, b2;
    double P1() const { return a1 * a1 + b1 * b1; }
    double P2() const { return a2 * a2 + b2 * b2; }
};
ChannelBin SeparateChannels(const FftState& fft, int32_t k);

} // namespace terzlab
