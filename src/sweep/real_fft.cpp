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
    t.Twiddle.resize(static_cast<std::size_t>(n / 4 + 1));
    for (int32_t k = 0; k <= n / 4; ++k)
        t.Twiddle[k] = std::polar(1.0, -2.0 * std::numbers::pi * k / n);
    return t;
}

// The complex transform of z[t] = x[2t] + j x[2t+1] gives the spectra of the even and the odd
// samples at once; bins k and m - k are split together.
void OwnRealFft::Forward(std::span<const float> x, Spectrum& bins) {
    const auto n = static_cast<int32_t>(x.size());
    const int32_t m = n / 2;
    Tables& t = tablesFor(n);
    float* re = t.Fft.FftRe.data();
    float* im = t.Fft.FftIm.data();
    for (int32_t i = 0; i < m; ++i) {
        re[i] = x[2 * i];
        im[i] = x[2 * i + 1];
    }
    Fft(t.Fft, 0); // scaled by 1/m, undone below
    bins.resize(static_cast<std::size_t>(m + 1));
    const double scale = m;
    bins[0] = {(double{re[0]} + im[0]) * scale, 0.0};
    bins[m] = {(double{re[0]} - im[0]) * scale, 0.0};
    for (int32_t k = 1; k <= m / 2; ++k) {
        const std::complex<double> zk(re[k] * scale, im[k] * scale);
        const std::complex<double> zmk(re[m - k] * scale, im[m - k] * scale);
        const std::complex<double> even = 0.5 * (zk + std::conj(zmk));
        const std::complex<double> odd = std::complex<double>(0.0, -0.5) * (zk - std::conj(zmk));
        const std::complex<double> turned = t.Twiddle[k] * odd;
        bins[k] = even + turned;
        bins[m - k] = std::conj(even - turned);
    }
}

void OwnRealFft::Inverse(const Spectrum& bins, std::vector<float>& x) {
    const auto m = static_cast<int32_t>(bins.size() - 1);
    const int32_t n = 2 * m;
    Tables& t = tablesFor(n);
    float* re = t.Fft.FftRe.data();
    float* im = t.Fft.FftIm.data();
    const double scale = 1.0 / n; // the even/odd halves carry a factor 1/2 already
    re[0] = static_cast<float>((bins[0].real() + bins[m].real()) * scale);
    im[0] = static_cast<float>((bins[0].real() - bins[m].real()) * scale);
    const std::complex<double> j(0.0, 1.0);
    for (int32_t k = 1; k <= m / 2; ++k) {
        const std::complex<double> even = bins[k] + std::conj(bins[m - k]);
        const std::complex<double> odd =
            (bins[k] - std::conj(bins[m - k])) * std::conj(t.Twiddle[k]);
        const std::complex<double> zk = (even + j * odd) * scale;
        const std::complex<double> zmk = (std::conj(even) + j * std::conj(odd)) * scale;
        re[k] = static_cast<float>(zk.real());
        im[k] = static_cast<float>(zk.imag());
        re[m - k] = static_cast<float>(zmk.real());
        im[m - k] = static_cast<float>(zmk.imag());
    }
    Fft(t.Fft, 1);
    x.resize(static_cast<std::size_t>(n));
    for (int32_t i = 0; i < m; ++i) {
        x[2 * i] = re[i];
        x[2 * i + 1] = im[i];
    }
}

} // namespace terzlab::sweep
