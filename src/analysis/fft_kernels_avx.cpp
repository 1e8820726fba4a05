#include "analysis/fft_kernels.h"
#include "analysis/fft_plan.h"

#if defined(__x86_64__) && defined(__GNUC__)

#include <algorithm>
#include <immintrin.h>

// Only these functions use AVX; the rest of the program runs on any x86-64 processor. AVX has
// no fused multiply-add, so each product is rounded on its own as in the scalar code.
#define TERZLAB_AVX __attribute__((target("avx")))

namespace terzlab::detail {

namespace {

TERZLAB_AVX inline __m256d widen(__m128 v) {
    return _mm256_cvtps_pd(v);
}

TERZLAB_AVX inline __m256d load(const float* p) {
    return widen(_mm_loadu_ps(p));
}

// a' = a + w*b and b' = a - w*b with the products and sums of the scalar butterfly.
TERZLAB_AVX inline void butterfly(__m256d& ar, __m256d& ai, __m256d& br, __m256d& bi, __m256d ur,
                                  __m256d ui) {
    const __m256d tr = _mm256_sub_pd(_mm256_mul_pd(br, ur), _mm256_mul_pd(bi, ui));
    const __m256d ti = _mm256_add_pd(_mm256_mul_pd(br, ui), _mm256_mul_pd(bi, ur));
    br = _mm256_sub_pd(ar, tr);
    bi = _mm256_sub_pd(ai, ti);
    ar = _mm256_add_pd(ar, tr);
    ai = _mm256_add_pd(ai, ti);
}

// One butterfly stage on four float lanes held in registers, rounded back to float.
TERZLAB_AVX inline void pass(__m128& ar, __m128& ai, __m128& br, __m128& bi, __m256d ur,
                             __m256d ui) {
    __m256d dar = widen(ar), dai = widen(ai), dbr = widen(br), dbi = widen(bi);
    butterfly(dar, dai, dbr, dbi, ur, ui);
    ar = _mm256_cvtpd_ps(dar);
    ai = _mm256_cvtpd_ps(dai);
    br = _mm256_cvtpd_ps(dbr);
    bi = _mm256_cvtpd_ps(dbi);
}

// Splits x0..x7 (lo = x0..x3, hi = x4..x7) into the even lanes of both and the odd lanes.
TERZLAB_AVX inline void split(__m128& lo, __m128& hi) {
    const __m128 even = _mm_shuffle_ps(lo, hi, _MM_SHUFFLE(2, 0, 2, 0));
    hi = _mm_shuffle_ps(lo, hi, _MM_SHUFFLE(3, 1, 3, 1));
    lo = even;
}

template <bool Scaled> TERZLAB_AVX inline void put(float* to, __m256d v, __m128 scale) {
    const __m128 rounded = _mm256_cvtpd_ps(v);
    _mm_storeu_ps(to, Scaled ? _mm_mul_ps(rounded, scale) : rounded);
}

template <bool Scaled> TERZLAB_AVX void stage(const StageJob& s) {
    const int32_t le2 = int32_t{1} << (s.Stage - 1);
    const int32_t le = 2 * le2;
    const __m128 scale = _mm_set1_ps(s.Scale);
    const int32_t jEnd = std::min(s.JEnd, le2);
    for (int32_t g = s.Begin; g < s.End; g += le) {
        for (int32_t j = s.JBegin; j < jEnd; j += 4) {
            const int32_t i = g + j;
            const int32_t ip = i + le2;
            __m256d ar = load(s.SrcRe + i), ai = load(s.SrcIm + i);
            __m256d br = load(s.SrcRe + ip), bi = load(s.SrcIm + ip);
            butterfly(ar, ai, br, bi, _mm256_loadu_pd(s.Cos + j), _mm256_loadu_pd(s.Sin + j));
            put<Scaled>(s.DstRe + ip, br, scale);
            put<Scaled>(s.DstIm + ip, bi, scale);
            put<Scaled>(s.DstRe + i, ar, scale);
            put<Scaled>(s.DstIm + i, ai, scale);
        }
    }
}

TERZLAB_AVX inline __m256d roundedToFloat(__m256d v) {
    return widen(_mm256_cvtpd_ps(v));
}

TERZLAB_AVX inline void store(float* to, __m256d v) {
    _mm_storeu_ps(to, _mm256_cvtpd_ps(v));
}

// Stages l and l + 1 in one pass over groups of 2^(l+1) elements: for each j, stage l's two
// butterflies (i0, i1) and (i2, i3) with its twiddle j, then stage l + 1's (i0, i2) and
// (i1, i3) with its twiddles j and j + 2^(l-1), which follow stage l's in the table. With
// RoundBetween, stage l's results are rounded to float between the two, as when stored.
template <bool RoundBetween> TERZLAB_AVX void stagePair(const StageJob& s) {
    const int32_t le2 = int32_t{1} << (s.Stage - 1);
    const int32_t le = 2 * le2;
    const double* nextCos = s.Cos + le2;
    const double* nextSin = s.Sin + le2;
    for (int32_t g = s.Begin; g < s.End; g += 2 * le) {
        for (int32_t j = 0; j < le2; j += 4) {
            const int32_t i0 = g + j, i1 = i0 + le2, i2 = i0 + le, i3 = i2 + le2;
            __m256d r0 = load(s.SrcRe + i0), m0 = load(s.SrcIm + i0);
            __m256d r1 = load(s.SrcRe + i1), m1 = load(s.SrcIm + i1);
            __m256d r2 = load(s.SrcRe + i2), m2 = load(s.SrcIm + i2);
            __m256d r3 = load(s.SrcRe + i3), m3 = load(s.SrcIm + i3);
            const __m256d ur = _mm256_loadu_pd(s.Cos + j), ui = _mm256_loadu_pd(s.Sin + j);
            butterfly(r0, m0, r1, m1, ur, ui);
            butterfly(r2, m2, r3, m3, ur, ui);
            if constexpr (RoundBetween) {
                for (__m256d* v : {&r0, &m0, &r1, &m1, &r2, &m2, &r3, &m3})
                    *v = roundedToFloat(*v);
            }
            butterfly(r0, m0, r2, m2, _mm256_loadu_pd(nextCos + j), _mm256_loadu_pd(nextSin + j));
            butterfly(r1, m1, r3, m3, _mm256_loadu_pd(nextCos + le2 + j),
                      _mm256_loadu_pd(nextSin + le2 + j));
            store(s.DstRe + i0, r0);
            store(s.DstIm + i0, m0);
            store(s.DstRe + i1, r1);
            store(s.DstIm + i1, m1);
            store(s.DstRe + i2, r2);
            store(s.DstIm + i2, m2);
            store(s.DstRe + i3, r3);
            store(s.DstIm + i3, m3);
        }
    }
}

// Eight rows of eight floats become eight columns: afterwards r[i] holds element i of each row.
TERZLAB_AVX inline void transpose8(__m256 (&r)[8]) {
    __m256 pairs[8], quads[8];
    for (int i = 0; i < 8; i += 2) {
        pairs[i] = _mm256_unpacklo_ps(r[i], r[i + 1]);
        pairs[i + 1] = _mm256_unpackhi_ps(r[i], r[i + 1]);
    }
    for (int i = 0; i < 8; i += 4) {
        quads[i] = _mm256_shuffle_ps(pairs[i], pairs[i + 2], _MM_SHUFFLE(1, 0, 1, 0));
        quads[i + 1] = _mm256_shuffle_ps(pairs[i], pairs[i + 2], _MM_SHUFFLE(3, 2, 3, 2));
        quads[i + 2] = _mm256_shuffle_ps(pairs[i + 1], pairs[i + 3], _MM_SHUFFLE(1, 0, 1, 0));
        quads[i + 3] = _mm256_shuffle_ps(pairs[i + 1], pairs[i + 3], _MM_SHUFFLE(3, 2, 3, 2));
    }
    for (int i = 0; i < 4; ++i) {
        r[i] = _mm256_permute2f128_ps(quads[i], quads[i + 4], 0x20);
        r[i + 4] = _mm256_permute2f128_ps(quads[i], quads[i + 4], 0x31);
    }
}

// Where each of eight loaded elements came from within its row: in order for one array; for
// two interleaved ones, splitting them within the 128-bit halves leaves 0 1 4 5 2 3 6 7.
constexpr int32_t kOwnOrder[8] = {0, 1, 2, 3, 4, 5, 6, 7};
constexpr int32_t kSplitOrder[8] = {0, 1, 4, 5, 2, 3, 6, 7};

// Eight elements of each array from `at`, in the order above.
template <int Count> TERZLAB_AVX inline void loadRow(const float* at, __m256 (&rows)[2][8], int i) {
    if constexpr (Count == 1) {
        rows[0][i] = _mm256_loadu_ps(at);
    } else {
        const __m256 low = _mm256_loadu_ps(at), high = _mm256_loadu_ps(at + 8);
        rows[0][i] = _mm256_shuffle_ps(low, high, _MM_SHUFFLE(2, 0, 2, 0));
        rows[1][i] = _mm256_shuffle_ps(low, high, _MM_SHUFFLE(3, 1, 3, 1));
    }
}

// One tile (the middle bits `b`) in blocks of 8 x 8: the tile's row r is the source run of
// high = reverse4(r), which lands in column r, so each block is a plain transposition. Both
// blocks of the same lows are done together, so that each destination line of 16 floats is
// written whole at once: its 16 lines all fall into one set of the first-level cache.
template <int Count> TERZLAB_AVX void reverseTile(const ReverseJob& j, int32_t b) {
    const int32_t* reverse = j.Reverse;
    const int32_t middle = b << 4;
    const int32_t middleReversed = reverse[middle];
    const int32_t* order = Count == 1 ? kOwnOrder : kSplitOrder;
    for (int32_t lows0 = 0; lows0 < 16; lows0 += 8) {
        __m256 left[2][8], right[2][8]; // rows 0..7 and 8..15
        for (int i = 0; i < 8; ++i) {
            loadRow<Count>(j.From + Count * (reverse[i] | middle | lows0), left, i);
            loadRow<Count>(j.From + Count * (reverse[8 + i] | middle | lows0), right, i);
        }
        for (int c = 0; c < Count; ++c) {
            transpose8(left[c]);
            transpose8(right[c]);
            for (int i = 0; i < 8; ++i) {
                float* run = j.To[c] + (reverse[lows0 + order[i]] | middleReversed);
                _mm256_storeu_ps(run, left[c][i]);
                _mm256_storeu_ps(run + 8, right[c][i]);
            }
        }
    }
}

} // namespace

TERZLAB_AVX void VectorReverseCopy(const ReverseJob& job) {
    const int32_t tiles = int32_t{1} << (job.Stages - 8);
    for (int32_t b = 0; b < tiles; ++b) {
        if (job.Count == 1) {
            reverseTile<1>(job, b);
        } else {
            reverseTile<2>(job, b);
        }
    }
}

TERZLAB_AVX void VectorStagePair(const StageJob& job) {
    stagePair<true>(job);
}

TERZLAB_AVX void VectorStagePairInDouble(const StageJob& job) {
    stagePair<false>(job);
}

TERZLAB_AVX void VectorStage(const StageJob& job) {
    if (job.Scaled) {
        stage<true>(job);
    } else {
        stage<false>(job);
    }
}

// Stages 1 to 3 of eight elements in registers. Each split puts the pairs of the next stage
// into matching lanes: stage 1 pairs (0,1) (2,3) (4,5) (6,7), stage 2 lanes x0 x4 x1 x5 against
// x2 x6 x3 x7, stage 3 lanes x0..x3 against x4..x7, which is the natural order again.
TERZLAB_AVX void VectorFirstStages(float* re, float* im, int32_t begin, int32_t end,
                                   const double* cos, const double* sin) {
    const __m256d ur1 = _mm256_set1_pd(cos[0]), ui1 = _mm256_set1_pd(sin[0]);
    const __m256d ur2 = _mm256_setr_pd(cos[1], cos[1], cos[2], cos[2]);
    const __m256d ui2 = _mm256_setr_pd(sin[1], sin[1], sin[2], sin[2]);
    const __m256d ur3 = _mm256_loadu_pd(cos + 3), ui3 = _mm256_loadu_pd(sin + 3);
    for (int32_t b = begin; b < end; b += 8) {
        __m128 ra = _mm_loadu_ps(re + b), rb = _mm_loadu_ps(re + b + 4);
        __m128 ia = _mm_loadu_ps(im + b), ib = _mm_loadu_ps(im + b + 4);
        split(ra, rb);
        split(ia, ib);
        pass(ra, ia, rb, ib, ur1, ui1);
        split(ra, rb);
        split(ia, ib);
        pass(ra, ia, rb, ib, ur2, ui2);
        split(ra, rb);
        split(ia, ib);
        pass(ra, ia, rb, ib, ur3, ui3);
        _mm_storeu_ps(re + b, ra);
        _mm_storeu_ps(re + b + 4, rb);
        _mm_storeu_ps(im + b, ia);
        _mm_storeu_ps(im + b + 4, ib);
    }
}

// VectorFirstStages in double: the shuffles regroup double lanes instead of floats. Stage 1
// pairs lanes x0 x4 x2 x6 with x1 x5 x3 x7 (its one twiddle factor fits any order), stage 2
// x0 x1 x4 x5 with x2 x3 x6 x7, stage 3 x0..x3 with x4..x7.
TERZLAB_AVX void VectorFirstStagesInDouble(float* re, float* im, int32_t begin, int32_t end,
                                           const double* cos, const double* sin) {
    const __m256d ur1 = _mm256_set1_pd(cos[0]), ui1 = _mm256_set1_pd(sin[0]);
    const __m256d ur2 = _mm256_setr_pd(cos[1], cos[2], cos[1], cos[2]);
    const __m256d ui2 = _mm256_setr_pd(sin[1], sin[2], sin[1], sin[2]);
    const __m256d ur3 = _mm256_loadu_pd(cos + 3), ui3 = _mm256_loadu_pd(sin + 3);
    for (int32_t b = begin; b < end; b += 8) {
        const __m256d rLow = load(re + b), rHigh = load(re + b + 4);
        const __m256d iLow = load(im + b), iHigh = load(im + b + 4);
        __m256d ra = _mm256_unpacklo_pd(rLow, rHigh), rb = _mm256_unpackhi_pd(rLow, rHigh);
        __m256d ia = _mm256_unpacklo_pd(iLow, iHigh), ib = _mm256_unpackhi_pd(iLow, iHigh);
        butterfly(ra, ia, rb, ib, ur1, ui1);
        const __m256d r0123 = _mm256_unpacklo_pd(ra, rb), r4567 = _mm256_unpackhi_pd(ra, rb);
        const __m256d i0123 = _mm256_unpacklo_pd(ia, ib), i4567 = _mm256_unpackhi_pd(ia, ib);
        ra = _mm256_permute2f128_pd(r0123, r4567, 0x20);
        rb = _mm256_permute2f128_pd(r0123, r4567, 0x31);
        ia = _mm256_permute2f128_pd(i0123, i4567, 0x20);
        ib = _mm256_permute2f128_pd(i0123, i4567, 0x31);
        butterfly(ra, ia, rb, ib, ur2, ui2);
        __m256d r0 = _mm256_permute2f128_pd(ra, rb, 0x20),
                r1 = _mm256_permute2f128_pd(ra, rb, 0x31);
        __m256d i0 = _mm256_permute2f128_pd(ia, ib, 0x20),
                i1 = _mm256_permute2f128_pd(ia, ib, 0x31);
        butterfly(r0, i0, r1, i1, ur3, ui3);
        store(re + b, r0);
        store(re + b + 4, r1);
        store(im + b, i0);
        store(im + b + 4, i1);
    }
}

bool VectorKernelsAvailable() {
    return __builtin_cpu_supports("avx");
}

} // namespace terzlab::detail

#else

namespace terzlab::detail {

void VectorStage(const StageJob& job) {
    ScalarStage(job);
}

void VectorStagePair(const StageJob& job) {
    ScalarStagePair(job);
}

void VectorStagePairInDouble(const StageJob& job) {
    ScalarStagePairInDouble(job);
}

void VectorFirstStagesInDouble(float* re, float* im, int32_t begin, int32_t end, const double* cos,
                               const double* sin) {
    ScalarFirstStagesInDouble(re, im, begin, end, cos, sin);
}

void VectorReverseCopy(const ReverseJob&) {} // never called: no vector kernels here

bool VectorKernelsAvailable() {
    return false;
}

} // namespace terzlab::detail

#endif
