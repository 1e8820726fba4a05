#pragma once
// Tables of the fast transform, built once per block size: the bit-reversal permutation, the
// twiddle factors of every stage as the recurrence produces them, and the work arrays.
#include <cstdint>
#include <vector>

namespace terzlab {

struct FftPlan {
    int32_t Size = 0; // N the tables were built for; 0 = none yet
    int Stages = 0;   // log2 N
    std::vector<int32_t> Reverse;
    // Twiddle factors (ur, ui) of stage l start at index 2^(l-1) - 1: each stage's le/2 values
    // follow the previous stage's. Inverse ones are made on the first inverse transform.
    std::vector<double> Cos, Sin, InvCos, InvSin;
    // Re at the front, Im a little more than N floats later: exactly N floats apart, the two
    // arrays would share cache sets and every access pair would evict the other.
    std::vector<float> Work;
    bool Vector = false; // the 4-lane double kernels run on this processor
    // The analyser rounds every stage's results to float, so that its blocks give the bits of the
    // straightforward transform. Without that, two stages done in one pass keep the first one's
    // results in double: half the conversions, and a little more accurate.
    bool RoundEveryStage = true;
};

// Index of stage l's first twiddle factor.
inline int32_t TwiddleOffset(int stage) {
    return (int32_t{1} << (stage - 1)) - 1;
}

// Builds the tables for n = 2^k (n >= 2) and the forward direction.
void BuildFftPlan(FftPlan& plan, int32_t n);

// The inverse twiddles, on first use.
void EnsureInverseTwiddles(FftPlan& plan);

// Start of the work arrays, aligned to 32 bytes.
float* WorkRe(FftPlan& plan);
float* WorkIm(FftPlan& plan);

} // namespace terzlab
