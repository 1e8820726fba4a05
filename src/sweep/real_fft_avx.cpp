#include "sweep/real_fft_kernels.h"

#if defined(__x86_64__) && defined(__GNUC__)

#include <immintrin.h>

// Only these functions use AVX; the rest of the program runs on any x86-64 processor. AVX has
// no fused multiply-add, so each product is rounded on its own as in the scalar steps.
#define TERZLAB_AVX __attribute__((target("avx")))

namespace terzlab::sweep::detail {
namespace {

// Four floats from `at`, last first, widened.
TERZLAB_AVX inline __m256d reversed(const float* at) {
    const __m128 v = _mm_loadu_ps(at);
    return _mm256_cvtps_pd(_mm_shuffle_ps(v, v, 0x1b));
}

// Four values of k at once: lanes k..k+3 against m-k..m-k-3.
TERZLAB_AVX int32_t splitFour(const SplitJob& s, int32_t begin, int32_t end) {
    const __m256d half = _mm256_set1_pd(s.Half);
    int32_t k = begin;
    for (; k + 3 < end && k + 3 < s.M - k - 3; k += 4) {
        const __m256d ar = _mm256_cvtps_pd(_mm_loadu_ps(s.Re + k));
        const __m256d ai = _mm256_cvtps_pd(_mm_loadu_ps(s.Im + k));
        const __m256d br = reversed(s.Re + s.M - k - 3);
        const __m256d bi = reversed(s.Im + s.M - k - 3);
        const __m256d er = _mm256_mul_pd(half, _mm256_add_pd(ar, br));
        const __m256d ei = _mm256_mul_pd(half, _mm256_sub_pd(ai, bi));
        const __m256d ore = _mm256_mul_pd(half, _mm256_add_pd(ai, bi));
        const __m256d oim = _mm256_mul_pd(half, _mm256_sub_pd(br, ar));
        const __m256d c = _mm256_loadu_pd(s.Cos + k), sn = _mm256_loadu_pd(s.Sin + k);
        const __m256d tr = _mm256_sub_pd(_mm256_mul_pd(c, ore), _mm256_mul_pd(sn, oim));
        const __m256d ti = _mm256_add_pd(_mm256_mul_pd(c, oim), _mm256_mul_pd(sn, ore));
        alignas(32) double low[2][4], high[2][4];
        _mm256_store_pd(low[0], _mm256_add_pd(er, tr));
        _mm256_store_pd(low[1], _mm256_add_pd(ei, ti));
        _mm256_store_pd(high[0], _mm256_sub_pd(er, tr));
        _mm256_store_pd(high[1], _mm256_sub_pd(ti, ei));
        for (int i = 0; i < 4; ++i) {
            s.Bins[k + i] = {low[0][i], low[1][i]};
            s.Bins[s.M - k - i] = {high[0][i], high[1][i]};
        }
    }
    return k;
}

// Two values of k at once, each bin's real and imaginary part side by side as they are stored:
// lanes X[k], X[k+1] against X[m-k], X[m-k-1].
TERZLAB_AVX int32_t unsplitTwo(const UnsplitJob& u, int32_t begin, int32_t end) {
    const __m256d scale = _mm256_set1_pd(u.Scale);
    const __m256d negateImag = _mm256_setr_pd(0.0, -0.0, 0.0, -0.0);
    const auto* bins = reinterpret_cast<const double*>(u.Bins);
    int32_t k = begin;
    for (; k + 1 < end && k + 1 < u.M - k - 1; k += 2) {
        const __m256d a = _mm256_loadu_pd(bins + 2 * k);
        const __m256d mirrored = _mm256_loadu_pd(bins + 2 * (u.M - k - 1));
        const __m256d b = _mm256_permute2f128_pd(mirrored, mirrored, 1);
        const __m256d sum = _mm256_add_pd(a, b);        // er, di
        const __m256d difference = _mm256_sub_pd(a, b); // dr, ei
        const __m256d d = _mm256_blend_pd(difference, sum, 0b1010);
        const __m256d c = _mm256_permute_pd(
            _mm256_broadcast_pd(reinterpret_cast<const __m128d*>(u.Cos + k)), 0b1100);
        const __m256d s = _mm256_permute_pd(
            _mm256_broadcast_pd(reinterpret_cast<const __m128d*>(u.Sin + k)), 0b1100);
        const __m256d dc = _mm256_mul_pd(d, c);                            // dr C, di C
        const __m256d ds = _mm256_mul_pd(_mm256_permute_pd(d, 0b0101), s); // di S, dr S
        const __m256d o = _mm256_blend_pd(_mm256_add_pd(dc, ds), _mm256_sub_pd(dc, ds), 0b1010);
        const __m256d e = _mm256_blend_pd(sum, difference, 0b1010); // er, ei
        const __m256d swapped = _mm256_permute_pd(o, 0b0101);       // oim, ore
        const __m256d low = _mm256_addsub_pd(e, swapped);           // er - oim, ei + ore
        const __m256d high =
            _mm256_add_pd(swapped, _mm256_xor_pd(e, negateImag)); // er + oim, ore - ei
        _mm_storeu_ps(u.Pairs + 2 * k, _mm256_cvtpd_ps(_mm256_mul_pd(low, scale)));
        const __m128 h = _mm256_cvtpd_ps(_mm256_mul_pd(high, scale)); // m-k, then m-k-1
        _mm_storeu_ps(u.Pairs + 2 * (u.M - k - 1), _mm_shuffle_ps(h, h, _MM_SHUFFLE(1, 0, 3, 2)));
    }
    return k;
}

bool avx() {
    static const bool available = __builtin_cpu_supports("avx");
    return available;
}

} // namespace

int32_t SplitVector(const SplitJob& s, int32_t begin, int32_t end) {
    return avx() ? splitFour(s, begin, end) : begin;
}

int32_t UnsplitVector(const UnsplitJob& u, int32_t begin, int32_t end) {
    return avx() ? unsplitTwo(u, begin, end) : begin;
}

} // namespace terzlab::sweep::detail

#else

namespace terzlab::sweep::detail {

int32_t SplitVector(const SplitJob&, int32_t begin, int32_t) {
    return begin;
}

int32_t UnsplitVector(const UnsplitJob&, int32_t begin, int32_t) {
    return begin;
}

} // namespace terzlab::sweep::detail

#endif
