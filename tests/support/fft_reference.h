#pragma once
// The straightforward transform and band step that the fast path must reproduce: one butterfly
// after another with the twiddle advanced by recurrence, the block scaled by 1/N in a pass of its
// own, one channel's band sums after the other (the same bits), and the impedances worked out
// anew in complex arithmetic. The tests and the benchmark compare against it; the program itself
// never calls it.
#include "analysis/bands.h"
#include "analysis/fft.h"

#include <cstdint>
#include <span>

namespace terzlab::reference {

// In-place transform of FftRe/FftIm; inverse == 0 is forward (scaled by 1/N), else inverse.
void Fft(FftState& fft, int16_t inverse);

// Loads one block into FftRe/FftIm, applies the window and runs reference::Fft forward.
void LoadBlock(FftState& fft, std::span<const int16_t> captureBuffer);

// BandAnalysis done bin by bin, one channel after the other, for every measurement type.
void BandAnalysis(BandState& bands, const FftState& fft, const BandAnalysisInputs& in);

} // namespace terzlab::reference
