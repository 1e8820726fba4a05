#include "sweep/distortion.h"

#include "sweep/gate.h"
#include "sweep/smoothing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace terzlab::sweep {
namespace {

constexpr double kWindowTaper = 0.1; // of each window's length, at both ends

// A stretch of the circular response, `from` and `to` in samples (`from` may be negative).
struct Stretch {
    double From = 0.0;
    double To = 0.0;
    double Length() const { return To - From; }
};

// Samples before the arrival where the windows of order n and n + 1 meet.
double boundary(const SweepShape& s, int order) {
    return 0.5 * (s.HarmonicLead(order) + s.HarmonicLead(order + 1));
}

Stretch windowOf(const DistortionInputs& in, int order) {
    const double a = in.ArrivalSample;
    if (order == 1) return {a - boundary(in.Sweep, 1), a + boundary(in.Sweep, 1)};
    return {a - boundary(in.Sweep, order), a - boundary(in.Sweep, order - 1)};
}

double taperedWeight(const Stretch& w, double i) {
    const double edge = kWindowTaper * w.Length();
    const double inside = std::min(i - w.From, w.To - i);
    if (inside < 0.0) return 0.0;
    if (inside >= edge) return 1.0;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * inside / edge);
}

Response spectrumOf(const DistortionInputs& in, const Stretch& w, int32_t size,
                    RealTransform& transform) {
    const auto n = static_cast<int64_t>(in.Ir.size());
    std::vector<float> part(static_cast<std::size_t>(size), 0.0f);
    const auto first = static_cast<int64_t>(std::ceil(w.From));
    for (int64_t i = first; i <= static_cast<int64_t>(w.To) && i - first < size; ++i) {
        const float x = in.Ir[static_cast<std::size_t>((i % n + n) % n)];
        part[static_cast<std::size_t>(i - first)] =
            static_cast<float>(taperedWeight(w, static_cast<double>(i)) * x);
    }
    Response r{.BinHz = static_cast<double>(in.Sweep.SampleRate) / size, .Bins = {}};
    transform.Forward(part, r.Bins);
    return r;
}

// The noise window: as long as the second order's, at the end of the recorded response, and
// only where the linear window has ended before it.
std::optional<Stretch> noiseWindow(const DistortionInputs& in) {
    const double length = windowOf(in, 2).Length();
    const Stretch w{static_cast<double>(in.ResponseSamples) - length,
                    static_cast<double>(in.ResponseSamples) - 1.0};
    if (w.From <= windowOf(in, 1).To) return std::nullopt;
    return w;
}

std::vector<double> scaled(std::span<const double> f, double factor) {
    std::vector<double> out(f.begin(), f.end());
    for (double& x : out)
        x *= factor;
    return out;
}

} // namespace

bool OrderPresent(int order, double f, double f2, int32_t sampleRate) {
    return order * f < f2 && order * f < 0.95 * sampleRate / 2.0;
}

std::vector<double> DistortionFrequencies(double f1, double f2, int fraction) {
    // f1 and f2 as read back from a stimulus may miss a centre on the grid by a few samples' worth.
    constexpr double slack = 1e-3;
    std::vector<double> out;
    const auto first =
        static_cast<int>(std::ceil(fraction * std::log2(f1 * (1.0 - slack) / 1000.0)));
    for (int k = first;; ++k) {
        const double f = 1000.0 * std::pow(2.0, static_cast<double>(k) / fraction);
        if (f > f2 / 2.0 * (1.0 + slack)) break;
        out.push_back(f);
    }
    return out;
}

std::vector<DistortionRow> HarmonicDistortion(const DistortionInputs& in,
                                              RealTransform& transform) {
    const SweepShape& s = in.Sweep;
    const std::vector<double> centres = DistortionFrequencies(s.F1, s.F2, in.Fraction);
    const int32_t size = NextPowerOfTwo(static_cast<int64_t>(windowOf(in, 1).Length()) + 2);
    std::array<std::vector<std::complex<double>>, kHighestOrder + 1> at;
    for (int order = 1; order <= kHighestOrder; ++order) {
        const Response r = spectrumOf(in, windowOf(in, order), size, transform);
        at[order] = SmoothedAt(r, scaled(centres, order), in.Fraction);
    }
    std::vector<std::complex<double>> noise;
    if (const auto w = noiseWindow(in))
        noise = SmoothedAt(spectrumOf(in, *w, size, transform), scaled(centres, 2), in.Fraction);
    std::vector<DistortionRow> rows(centres.size());
    for (std::size_t i = 0; i < centres.size(); ++i) {
        DistortionRow& row = rows[i];
        row.FrequencyHz = centres[i];
        const double fundamental = std::abs(at[1][i]);
        if (!(fundamental > 0.0)) continue;
        row.FundamentalDb = 20.0 * std::log10(fundamental);
        double energy = 0.0;
        for (int order = 2; order <= kHighestOrder; ++order) {
            if (!OrderPresent(order, centres[i], s.F2, s.SampleRate)) continue;
            const double k = 100.0 * std::abs(at[order][i]) / fundamental;
            row.KPercent[order - 2] = k;
            energy += k * k;
        }
        if (row.KPercent[0] && row.KPercent[1]) row.ThdPercent = std::sqrt(energy);
        if (!noise.empty()) row.NoisePercent = 100.0 * std::abs(noise[i]) / fundamental;
    }
    return rows;
}

} // namespace terzlab::sweep
