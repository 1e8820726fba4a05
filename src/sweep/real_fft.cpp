#include "sweep/real_fft.h"

#include <cmath>
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif
#include <numbers>

namespace terzlab::sweep {

int32_t NextPowerOfTwo(int64_t n) {
    int64_t p = 1;
    while (p < n)
        p *= 2;
    return static_cast<int32_t>(p);
}

OwnRealFft::Tables& OwnRealFft::tablesFor(int32_t n) {
    Tables& t = tables_[n];
    if (t.Fft.BlockSize == n / 2) return t;
    t.Fft.BlockSize = n / 2;
    t.Fft.WindowType = kWindowUniform;
    FftSetup(t.Fft);
    t.Cos.resize(static_cast<std::size_t>(n / 4 + 1));
    t.Sin.resize(t.Cos.size());
    for (int32_t k = 0; k <= n / 4; ++k) {
        t.Cos[k] = std::cos(2.0 * std::numbers::pi * k / n);
        t.Sin[k] = -std::sin(2.0 * std::numbers::pi * k / n);
    }
    return t;
}

namespace {

struct SplitJob {
    const float* Re;
    const float* Im;
    const double* Cos;
    const double* Sin;
    std::complex<double>* Bins;
    int32_t M;
    double Half;
};

// Bins k and m - k from Z[k] and Z[m-k]; see Forward.
inline void splitPair(const SplitJob& s, int32_t k) {
    const double ar = s.Re[k], ai = s.Im[k], br = s.Re[s.M - k], bi = s.Im[s.M - k];
    const double er = s.Half * (ar + br), ei = s.Half * (ai - bi);
    const double ore = s.Half * (ai + bi), oim = s.Half * (br - ar);
    const double tr = s.Cos[k] * ore - s.Sin[k] * oim;
    const double ti = s.Cos[k] * oim + s.Sin[k] * ore;
    s.Bins[k] = {er + tr, ei + ti};
    s.Bins[s.M - k] = {er - tr, ti - ei};
}

#if defined(__x86_64__) && defined(__GNUC__)
#define TERZLAB_AVX __attribute__((target("avx")))

// Four floats from `at`, last first, widened.
TERZLAB_AVX inline __m256d reversed(const float* at) {
    const __m128 v = _mm_loadu_ps(at);
    return _mm256_cvtps_pd(_mm_shuffle_ps(v, v, 0x1b));
}

// Four values of k at once from `k`, with the products and sums of splitPair. Returns the first
// k it did not do: the rest, where k and m - k meet, stays with splitPair.
TERZLAB_AVX int32_t splitFour(const SplitJob& s) {
    const __m256d half = _mm256_set1_pd(s.Half);
    int32_t k = 1;
    for (; k + 3 < s.M - k - 3; k += 4) {
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

int32_t splitVector(const SplitJob& s) {
    static const bool avx = __builtin_cpu_supports("avx");
    return avx ? splitFour(s) : 1;
}
#else
int32_t splitVector(const SplitJob&) {
    return 1;
}
#endif

} // namespace

// The complex transform of z[t] = x[2t] + j x[2t+1] gives the spectra of the even and the odd
// samples at once; bins k and m - k are split together: X[k] = E + W^k O, X[m-k] = conj(E - W^k
// O) with E = (Z[k] + conj Z[m-k]) / 2, O = (Z[k] - conj Z[m-k]) / 2j, W = e^(-j 2 pi / n).
void OwnRealFft::Forward(std::span<const float> x, Spectrum& bins) {
    const auto n = static_cast<int32_t>(x.size());
    const int32_t m = n / 2;
    Tables& t = tablesFor(n);
    FftPairs(t.Fft, x); // scaled by 1/m, undone below
    const float* re = t.Fft.FftRe.data();
    const float* im = t.Fft.FftIm.data();
    bins.resize(static_cast<std::size_t>(m + 1));
    const double half = 0.5 * m;
    bins[0] = {(double{re[0]} + im[0]) * m, 0.0};
    bins[m] = {(double{re[0]} - im[0]) * m, 0.0};
    const SplitJob job{re, im, t.Cos.data(), t.Sin.data(), bins.data(), m, half};
    for (int32_t k = splitVector(job); k <= m / 2; ++k)
        splitPair(job, k);
}

// The split undone: Z[k] = E + j O with E = X[k] + conj X[m-k], O = (X[k] - conj X[m-k])
// conj(W^k), halved and scaled by 1/m on the way.
void OwnRealFft::Inverse(const Spectrum& bins, std::vector<float>& x) {
    const auto m = static_cast<int32_t>(bins.size() - 1);
    const int32_t n = 2 * m;
    Tables& t = tablesFor(n);
    float* re = t.Fft.FftRe.data();
    float* im = t.Fft.FftIm.data();
    const double scale = 1.0 / n;
    re[0] = static_cast<float>((bins[0].real() + bins[m].real()) * scale);
    im[0] = static_cast<float>((bins[0].real() - bins[m].real()) * scale);
    for (int32_t k = 1; k <= m / 2; ++k) {
        const double ar = bins[k].real(), ai = bins[k].imag();
        const double br = bins[m - k].real(), bi = bins[m - k].imag();
        const double er = ar + br, ei = ai - bi, dr = ar - br, di = ai + bi;
        const double ore = dr * t.Cos[k] + di * t.Sin[k];
        const double oim = di * t.Cos[k] - dr * t.Sin[k];
        re[k] = static_cast<float>((er - oim) * scale);
        im[k] = static_cast<float>((ei + ore) * scale);
        re[m - k] = static_cast<float>((er + oim) * scale);
        im[m - k] = static_cast<float>((ore - ei) * scale);
    }
    Fft(t.Fft, 1);
    x.resize(static_cast<std::size_t>(n));
    for (int32_t i = 0; i < m; ++i) {
        x[2 * i] = re[i];
        x[2 * i + 1] = im[i];
    }
}

} // namespace terzlab::sweep
