#include "sweep/real_fft.h"

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
    t.Cos.resize(static_cast<std::size_t>(n / 4 + 1));
    t.Sin.resize(t.Cos.size());
    for (int32_t k = 0; k <= n / 4; ++k) {
        t.Cos[k] = std::cos(2.0 * std::numbers::pi * k / n);
        t.Sin[k] = -std::sin(2.0 * std::numbers::pi * k / n);
    }
    return t;
}

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
    for (int32_t k = 1; k <= m / 2; ++k) {
        const double ar = re[k], ai = im[k], br = re[m - k], bi = im[m - k];
        const double er = half * (ar + br), ei = half * (ai - bi);
        const double ore = half * (ai + bi), oim = half * (br - ar);
        const double tr = t.Cos[k] * ore - t.Sin[k] * oim;
        const double ti = t.Cos[k] * oim + t.Sin[k] * ore;
        bins[k] = {er + tr, ei + ti};
        bins[m - k] = {er - tr, ti - ei};
    }
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
