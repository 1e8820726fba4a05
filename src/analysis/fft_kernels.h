#pragma once
// Butterfly kernels of the fast transform. Internal to the analysis.
//
// Every kernel performs, for each butterfly, exactly the double-precision operations of the
// one-butterfly-at-a-time transform on float operands and rounds each result to float when it
// is stored, so any order of the butterflies within a stage gives the same bits. The vector
// kernels run four butterflies side by side, one per lane, with the same IEEE operations.
#include <cstdint>

namespace terzlab::detail {

// One stage over the groups in [Begin, End) (whole groups of 2^Stage elements).
struct StageJob {
    const float* SrcRe;
    const float* SrcIm;
    float* DstRe; // may equal the source: each butterfly reads both its elements first
    float* DstIm;
    int32_t Begin;
    int32_t End;
    int Stage;
    const double* Cos; // this stage's twiddle factors
    const double* Sin;
    bool Scaled;     // the forward transform's last stage applies the 1/N scaling on store
    float Scale = 1; // 1/N: a power of two, so x * Scale in float equals float(x / N) exactly
    // Only the butterflies j in [JBegin, min(JEnd, 2^(Stage-1))) of each group, so that a caller
    // can run the last stage piece by piece; the vector stage needs a multiple of 4 of them.
    int32_t JBegin = 0;
    int32_t JEnd = INT32_MAX;
};

void ScalarStage(const StageJob& job);
// Stages job.Stage and job.Stage + 1 in place, never the last: Cos/Sin are stage job.Stage's
// twiddles, and the next stage's follow them in the table.
void ScalarStagePair(const StageJob& job);
// Stages 1 to 3 in place over [begin, end) (a multiple of 8); cos/sin are the whole tables.
void ScalarFirstStages(float* re, float* im, int32_t begin, int32_t end, const double* cos,
                       const double* sin);

// The same on four lanes; Stage >= 3.
void VectorStage(const StageJob& job);
void VectorFirstStages(float* re, float* im, int32_t begin, int32_t end, const double* cos,
                       const double* sin);
// The same in one pass, with the same bits as the two stages one after the other: half the
// loads and stores, and half the passes over arrays that outgrow the caches. Stage >= 3.
void VectorStagePair(const StageJob& job);

// The bit-reversed copy to[c][Reverse[i]] = from[Count i + c] of `Count` (1 or 2) interleaved
// arrays, in the tiles of 16 x 16 elements described at reverseCopy in fft_transform.cpp, each
// tile transposed in registers. Stages >= 8.
struct ReverseJob {
    const int32_t* Reverse;
    int Stages;
    const float* From;
    int Count;
    float* To[2];
};
void VectorReverseCopy(const ReverseJob& job);

// Stage pairs and the first three stages as above that keep double between their stages.
void ScalarStagePairInDouble(const StageJob& job);
void VectorStagePairInDouble(const StageJob& job);
void ScalarFirstStagesInDouble(float* re, float* im, int32_t begin, int32_t end, const double* cos,
                               const double* sin);
void VectorFirstStagesInDouble(float* re, float* im, int32_t begin, int32_t end, const double* cos,
                               const double* sin);

// Whether this processor (and its operating system) runs the vector kernels.
bool VectorKernelsAvailable();

} // namespace terzlab::detail
