#include "sweep/real_fft.h"

#include "sweep/real_fft_kernels.h"

#include <algorithm>
#include <cmath>
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
    // Bits of the analyser's straightforward transform are not needed here, so two stages in
    // one pass skip the rounding between them, which halves the conversions.
    t.Fft.Plan.RoundEveryStage = false;
    t.Cos.resize(static_cast<std::size_t>(n / 4 + 1));
    t.Sin.resize(t.Cos.size());
    for (int32_t k = 0; k <= n / 4; ++k) {
        t.Cos[k] = std::cos(2.0 * std::numbers::pi * k / n);
        t.Sin[k] = -std::sin(2.0 * std::numbers::pi * k / n);
    }
    return t;
}

namespace {

using detail::SplitJob;
using detail::UnsplitJob;

// Butterflies of the complex transform's last stage per piece: with the mirrored piece, both
// pieces' results and their use stay in the first-level cache (2 x 512 x 2 results x 8 bytes
// = 16 KiB) instead of going out to memory and coming back.
constexpr int32_t kPiece = 512;

// Bins k and m - k for k in [begin, end).
void split(const SplitJob& s, int32_t begin, int32_t end) {
    for (int32_t k = detail::SplitVector(s, begin, end); k < end; ++k)
        detail::SplitPair(s, k);
}

// Samples 2i and 2i + 1 are the real and the imaginary part of element i.
void interleave(const float* re, const float* im, int32_t count, float* x) {
    for (int32_t i = 0; i < count; ++i) {
        x[2 * i] = re[i];
        x[2 * i + 1] = im[i];
    }
}

} // namespace

// The complex transform of z[t] = x[2t] + j x[2t+1] gives the spectra of the even and the odd
// samples at once; bins k and m - k are split together: X[k] = E + W^k O, X[m-k] = conj(E - W^k
// O) with E = (Z[k] + conj Z[m-k]) / 2, O = (Z[k] - conj Z[m-k]) / 2j, W = e^(-j 2 pi / n).
//
// The complex transform's last stage makes Z[j] and Z[j + m/2] from butterfly j; the split of k
// and of m/2 - k needs Z[k], Z[m-k], Z[m/2-k] and Z[m/2+k], the results of butterflies k and
// m/2 - k. So the last stage runs on a piece and its mirror, and their bins are split at once.
void OwnRealFft::Forward(std::span<const float> x, Spectrum& bins) {
    const auto n = static_cast<int32_t>(x.size());
    const int32_t m = n / 2;
    const int32_t h = m / 2; // butterflies of the last stage
    Tables& t = tablesFor(n);
    FftPairsBeforeLastStage(t.Fft, x, 0); // the last stage scales by 1/m, undone in the split
    const float* re = t.Fft.FftRe.data();
    const float* im = t.Fft.FftIm.data();
    bins.resize(static_cast<std::size_t>(m + 1));
    const SplitJob job{re, im, t.Cos.data(), t.Sin.data(), bins.data(), m, 0.5 * m};
    FftLastStage(t.Fft, 0, 0, 1); // Z[0] and Z[h]
    bins[0] = {(double{re[0]} + im[0]) * m, 0.0};
    bins[m] = {(double{re[0]} - im[0]) * m, 0.0};
    split(job, h, h + 1);
    for (int32_t a = 1; a <= h / 2; a += kPiece) {
        const int32_t b = std::min(a + kPiece, h / 2 + 1);
        FftLastStage(t.Fft, 0, a, b - a);
        FftLastStage(t.Fft, 0, h - b + 1, b - a);
        split(job, a, b);
        split(job, h - b + 1, h - a + 1);
    }
}

// The split undone: Z[k] = E + j O with E = X[k] + conj X[m-k], O = (X[k] - conj X[m-k])
// conj(W^k), halved and scaled by 1/m on the way. Z goes into x as pairs, which the complex
// transform reads from there, and its result comes back into x piece by piece.
void OwnRealFft::Inverse(const Spectrum& bins, std::vector<float>& x) {
    const auto m = static_cast<int32_t>(bins.size() - 1);
    const int32_t n = 2 * m;
    const int32_t h = m / 2;
    Tables& t = tablesFor(n);
    x.resize(static_cast<std::size_t>(n));
    const double scale = 1.0 / n;
    x[0] = static_cast<float>((bins[0].real() + bins[m].real()) * scale);
    x[1] = static_cast<float>((bins[0].real() - bins[m].real()) * scale);
    const UnsplitJob job{bins.data(), t.Cos.data(), t.Sin.data(), x.data(), m, scale};
    for (int32_t k = detail::UnsplitVector(job, 1, h + 1); k <= h; ++k)
        detail::UnsplitPair(job, k);
    FftPairsBeforeLastStage(t.Fft, x, 1);
    const float* re = t.Fft.FftRe.data();
    const float* im = t.Fft.FftIm.data();
    for (int32_t a = 0; a < h; a += kPiece) {
        const int32_t count = std::min(kPiece, h - a);
        FftLastStage(t.Fft, 1, a, count); // elements a.. and h + a..
        interleave(re + a, im + a, count, x.data() + 2 * a);
        interleave(re + h + a, im + h + a, count, x.data() + 2 * (h + a));
    }
}

} // namespace terzlab::sweep
