#include "sweep/deconvolution.h"

#include "sweep/sweep_signal.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace terzlab::sweep {
namespace {

constexpr double kRampOctaves = 1.0 / 6.0;
constexpr double kInsideWeight = 1e-12;

std::vector<float> padded(std::span<const float> x, int32_t n) {
    std::vector<float> out(static_cast<std::size_t>(n), 0.0f);
    std::copy_n(x.begin(), std::min<std::size_t>(x.size(), out.size()), out.begin());
    return out;
}

// Mean power of the bins between two frequencies.
double meanPower(const Spectrum& x, double binHz, double from, double to) {
    const auto first = static_cast<std::size_t>(std::ceil(from / binHz));
    const auto last = std::min(static_cast<std::size_t>(to / binHz), x.size() - 1);
    double sum = 0.0;
    for (std::size_t k = first; k <= last; ++k)
        sum += std::norm(x[k]);
    return last >= first ? sum / static_cast<double>(last - first + 1) : 0.0;
}

// 0 up to where the sweep's fade begins inside the band, 1 from kRampOctaves beyond the band
// edge: a raised cosine over log frequency. Within the fade the sweep's power falls to nothing,
// and dividing by it there would lift the noise far above the rest of the band.
double ramp(double octavesOutside, double fadeOctaves) {
    const double x = octavesOutside + fadeOctaves;
    const double span = fadeOctaves + kRampOctaves;
    if (x <= 0.0) return 0.0;
    if (x >= span) return 1.0;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * x / span);
}

} // namespace

std::vector<float> Deconvolve(std::span<const float> recorded, std::span<const float> excitation,
                              const Band& band, int32_t fftSize, RealTransform& transform) {
    Spectrum y;
    Spectrum x;
    transform.Forward(padded(recorded, fftSize), y);
    transform.Forward(padded(excitation, fftSize), x);
    const double binHz = static_cast<double>(band.SampleRate) / fftSize;
    const double third = std::pow(2.0, 1.0 / 3.0);
    const double lowEdge = meanPower(x, binHz, band.F1, band.F1 * third);
    const double highEdge = meanPower(x, binHz, band.F2 / third, band.F2);
    const double inside = kInsideWeight * std::max(lowEdge, highEdge);
    const double lowFade = band.F1 * std::exp2(kFadeInOctaves);
    const double highFade = band.F2 / std::exp2(kFadeOutOctaves);
    for (std::size_t k = 0; k < y.size(); ++k) {
        const double f = static_cast<double>(k) * binHz;
        double eps = inside;
        if (f < lowFade)
            eps += lowEdge * ramp(f > 0.0 ? std::log2(band.F1 / f) : 1.0, kFadeInOctaves);
        if (f > highFade) eps += highEdge * ramp(std::log2(f / band.F2), kFadeOutOctaves);
        const double xr = x[k].real(), xi = -x[k].imag(), yr = y[k].real(), yi = y[k].imag();
        const double divisor = xr * xr + xi * xi + eps;
        y[k] = divisor > 0.0 ? std::complex<double>((yr * xr - yi * xi) / divisor,
                                                    (yr * xi + yi * xr) / divisor)
                             : 0.0;
    }
    std::vector<float> ir;
    transform.Inverse(y, ir);
    return ir;
}

std::vector<float> AverageCoherently(std::span<const std::vector<float>> takes) {
    if (takes.empty()) return {};
    std::size_t length = takes[0].size();
    for (const auto& take : takes)
        length = std::min(length, take.size());
    std::vector<double> sum(length, 0.0);
    for (const auto& take : takes)
        for (std::size_t i = 0; i < length; ++i)
            sum[i] += take[i];
    std::vector<float> mean(length);
    for (std::size_t i = 0; i < length; ++i)
        mean[i] = static_cast<float>(sum[i] / static_cast<double>(takes.size()));
    return mean;
}

} // namespace terzlab::sweep
