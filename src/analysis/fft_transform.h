#pragma once
// The fast transform: the block goes straight into bit-reversed positions of the plan's work
// arrays, the early stages run on cache-sized pieces, and the last stage writes the result
// (scaled by 1/N when forward) into FftRe/FftIm. Internal to the analysis.
#include "analysis/fft.h"

#include <cstdint>

namespace terzlab::detail {

// Rebuilds the plan when BlockSize changed; false when no transform of this size can run.
bool EnsurePlan(FftState& fft);

// Bit-reversed copy of FftRe/FftIm into the work arrays.
void GatherArrays(FftState& fft);

// Bit-reversed copy of 2 N floats, real and imaginary parts alternating, into the work arrays.
void GatherPairs(FftState& fft, const float* pairs);

// Bit-reversed load of a captured block, scaled to full scale 1.0 and windowed.
void GatherBlock(FftState& fft, const int16_t* captureBuffer);

// All stages on the work arrays, the result in FftRe/FftIm.
void TransformWork(FftState& fft, bool inverse);

// All stages but the last one, which LastStagePart then runs over butterflies
// [first, first + count) of the N/2, writing elements j and j + N/2 of FftRe/FftIm.
void TransformBeforeLastStage(FftState& fft, bool inverse);
void LastStagePart(FftState& fft, bool inverse, int32_t first, int32_t count);

} // namespace terzlab::detail
