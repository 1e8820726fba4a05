#include "analysis/fft_transform.h"

#include "analysis/fft_kernels.h"
#include "analysis/fft_plan.h"

#include <algorithm>
#include <array>

namespace terzlab::detail {

namespace {

// 2^11 elements of both arrays (16 KiB) and their twiddles stay in the first-level cache while
// the stages inside such a piece run one after the other.
constexpr int kPieceStages = 11;
// Blocks of 2^15 elements (256 KiB) and the twiddles of their stages above the pieces' stay in the
// second-level cache likewise: each block runs those stages right after its pieces, so the
// whole arrays are walked once for all of them, instead of once per stage pair.
constexpr int kBlockStages = 15;
// Tiles of 16 x 16 elements in the bit-reversed copy: 16 floats fill a 64-byte cache line.
constexpr int kTileBits = 4;

struct Kernels {
    void (*Stage)(const StageJob&);
    void (*Pair)(const StageJob&);
    void (*FirstStages)(float*, float*, int32_t, int32_t, const double*, const double*);
};

Kernels kernelsFor(const FftPlan& plan) {
    if (plan.RoundEveryStage) {
        if (plan.Vector) return {VectorStage, VectorStagePair, VectorFirstStages};
        return {ScalarStage, ScalarStagePair, ScalarFirstStages};
    }
    if (plan.Vector) return {VectorStage, VectorStagePairInDouble, VectorFirstStagesInDouble};
    return {ScalarStage, ScalarStagePairInDouble, ScalarFirstStagesInDouble};
}

struct Tables {
    const double* Cos;
    const double* Sin;
};

StageJob inPlace(float* re, float* im, int32_t begin, int32_t end, int stage, Tables t) {
    const int32_t at = TwiddleOffset(stage);
    return {re, im, re, im, begin, end, stage, t.Cos + at, t.Sin + at, false};
}

// Stages first .. last in place over [begin, end), two at a time.
void runStages(const Kernels& k, float* re, float* im, int32_t begin, int32_t end, int first,
               int last, Tables t) {
    int l = first;
    for (; l < last; l += 2)
        k.Pair(inPlace(re, im, begin, end, l, t));
    if (l == last) k.Stage(inPlace(re, im, begin, end, l, t));
}

// Stages 1 .. last in place over [begin, end), piece by piece.
void runPieces(const Kernels& k, float* re, float* im, int32_t begin, int32_t end, int last,
               Tables t) {
    const int32_t piece = std::min(int32_t{1} << last, end - begin);
    for (int32_t at = begin; at < end; at += piece) {
        k.FirstStages(re, im, at, at + piece, t.Cos, t.Sin);
        runStages(k, re, im, at, at + piece, 4, last, t);
    }
}

// Stages 1 .. last in place, block by block, each block's early stages piece by piece.
void runBlocks(const Kernels& k, float* re, float* im, int32_t n, int last, Tables t) {
    const int pieceStages = std::min(kPieceStages, last);
    const int32_t block = std::min(int32_t{1} << last, n);
    for (int32_t begin = 0; begin < n; begin += block) {
        runPieces(k, re, im, begin, begin + block, pieceStages, t);
        runStages(k, re, im, begin, begin + block, pieceStages + 1, last, t);
    }
}

// The last stage writes into FftRe/FftIm: the forward result scaled by 1/N on the way.
StageJob lastStage(FftState& fft, float* re, float* im, bool inverse, Tables t) {
    const FftPlan& plan = fft.Plan;
    StageJob last = inPlace(re, im, 0, plan.Size, plan.Stages, t);
    last.DstRe = fft.FftRe.data();
    last.DstIm = fft.FftIm.data();
    last.Scaled = !inverse;
    last.Scale = 1.0f / static_cast<float>(plan.Size);
    return last;
}

// Transforms too short for the eight-element kernel: scalar stages only, the last one left out.
void runShortBeforeLast(FftState& fft, float* re, float* im, Tables t) {
    for (int l = 1; l < fft.Plan.Stages; ++l)
        ScalarStage(inPlace(re, im, 0, fft.Plan.Size, l, t));
}

Tables tablesOf(FftPlan& plan, bool inverse) {
    if (inverse) EnsureInverseTwiddles(plan);
    return {inverse ? plan.InvCos.data() : plan.Cos.data(),
            inverse ? plan.InvSin.data() : plan.Sin.data()};
}

// to[Reverse[i]] = from[i] in tiles of 16 x 16 elements. With i split into high, middle and low
// bit fields, a tile fixes the middle field: it reads 16 runs of 16 consecutive elements and,
// reversed and transposed through a small buffer, writes 16 such runs. Written straight from
// the reads, each store would go to another of 16 lines 2^(m-4) floats apart, all in one cache
// set. The source holds `Count` interleaved arrays (element i of array c at Stride i + c), each
// copied to its own destination in the same pass over the source.
template <int Stride, int Count>
void reverseCopy(const FftPlan& plan, const float* from, std::array<float*, Count> to) {
    const int32_t* reverse = plan.Reverse.data();
    const int middle = plan.Stages - 2 * kTileBits;
    if (middle < 0) {
        for (int32_t i = 0; i < plan.Size; ++i)
            for (int c = 0; c < Count; ++c)
                to[c][reverse[i]] = from[Stride * i + c];
        return;
    }
    constexpr int32_t side = int32_t{1} << kTileBits;
    const int highShift = plan.Stages - kTileBits;
    float tile[Count][side][side];
    for (int32_t b = 0; b < (int32_t{1} << middle); ++b) {
        for (int32_t high = 0; high < side; ++high) {
            const float* run = from + Stride * ((high << highShift) | (b << kTileBits));
            const int32_t column = reverse[high << highShift];
            for (int32_t low = 0; low < side; ++low)
                for (int c = 0; c < Count; ++c)
                    tile[c][low][column] = run[Stride * low + c];
        }
        const int32_t middleReversed = reverse[b << kTileBits];
        for (int c = 0; c < Count; ++c) {
            for (int32_t low = 0; low < side; ++low) {
                float* run = to[c] + (reverse[low] | middleReversed);
                for (int32_t k = 0; k < side; ++k)
                    run[k] = tile[c][low][k];
            }
        }
    }
}

// The vector copy needs whole tiles: at least 2^8 elements.
bool vectorCopy(const FftPlan& plan) {
    return plan.Vector && plan.Stages >= 2 * kTileBits;
}

} // namespace

bool EnsurePlan(FftState& fft) {
    const int32_t n = fft.BlockSize;
    if (n < 2 || (n & (n - 1)) != 0) return false;
    if (fft.FftRe.size() < static_cast<size_t>(n) || fft.FftIm.size() < static_cast<size_t>(n))
        return false;
    if (fft.Plan.Size != n) BuildFftPlan(fft.Plan, n);
    return true;
}

void GatherArrays(FftState& fft) {
    FftPlan& plan = fft.Plan;
    if (vectorCopy(plan)) {
        VectorReverseCopy({plan.Reverse.data(), plan.Stages, fft.FftRe.data(), 1, {WorkRe(plan)}});
        VectorReverseCopy({plan.Reverse.data(), plan.Stages, fft.FftIm.data(), 1, {WorkIm(plan)}});
        return;
    }
    reverseCopy<1, 1>(plan, fft.FftRe.data(), {WorkRe(plan)});
    reverseCopy<1, 1>(plan, fft.FftIm.data(), {WorkIm(plan)});
}

void GatherPairs(FftState& fft, const float* pairs) {
    FftPlan& plan = fft.Plan;
    if (vectorCopy(plan)) {
        VectorReverseCopy(
            {plan.Reverse.data(), plan.Stages, pairs, 2, {WorkRe(plan), WorkIm(plan)}});
        return;
    }
    reverseCopy<2, 2>(plan, pairs, {WorkRe(plan), WorkIm(plan)});
}

// The block is first loaded in its own order, as the straightforward transform does, into
// FftRe/FftIm, which the last stage overwrites anyway.
void GatherBlock(FftState& fft, const int16_t* captureBuffer) {
    const int32_t n = fft.Plan.Size;
    float* re = fft.FftRe.data();
    float* im = fft.FftIm.data();
    for (int32_t i = 0; i < n; ++i) {
        re[i] = static_cast<float>(captureBuffer[2 * i] / 32768.0);
        im[i] = static_cast<float>(captureBuffer[2 * i + 1] / 32768.0);
    }
    if (fft.WindowType != kWindowUniform) {
        const float* window = fft.WindowCoeff.data();
        for (int32_t i = 0; i < n; ++i) {
            re[i] *= window[i];
            im[i] *= window[i];
        }
    }
    GatherArrays(fft);
}

void TransformWork(FftState& fft, bool inverse) {
    TransformBeforeLastStage(fft, inverse);
    LastStagePart(fft, inverse, 0, fft.Plan.Size / 2);
}

void TransformBeforeLastStage(FftState& fft, bool inverse) {
    FftPlan& plan = fft.Plan;
    const Tables t = tablesOf(plan, inverse);
    float* re = WorkRe(plan);
    float* im = WorkIm(plan);
    if (plan.Stages < 4) return runShortBeforeLast(fft, re, im, t);
    const Kernels k = kernelsFor(plan);
    const int m = plan.Stages;
    const int blockStages = std::min(kBlockStages, m - 1);
    runBlocks(k, re, im, plan.Size, blockStages, t);
    runStages(k, re, im, 0, plan.Size, blockStages + 1, m - 1, t);
}

// The vector kernel takes the butterflies four at a time, the scalar one the rest: both give the
// same bits.
void LastStagePart(FftState& fft, bool inverse, int32_t first, int32_t count) {
    FftPlan& plan = fft.Plan;
    StageJob job = lastStage(fft, WorkRe(plan), WorkIm(plan), inverse, tablesOf(plan, inverse));
    const int32_t fours = plan.Vector && plan.Stages >= 4 ? count / 4 * 4 : 0;
    job.JBegin = first;
    job.JEnd = first + fours;
    if (fours > 0) VectorStage(job);
    job.JBegin = job.JEnd;
    job.JEnd = first + count;
    if (job.JBegin < job.JEnd) ScalarStage(job);
}

} // namespace terzlab::detail
