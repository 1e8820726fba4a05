#include "sweep/smoothing.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace terzlab::sweep {
namespace {

// Group delay of every bin, -d phase / d omega by central differences (ends by one-sided ones).
std::vector<double> binGroupDelayMs(const Response& response) {
    const auto& x = response.Bins;
    std::vector<double> delay(x.size(), 0.0);
    if (x.size() < 2) return delay;
    const double radiansPerBin = 2.0 * std::numbers::pi * response.BinHz;
    for (std::size_t k = 0; k < x.size(); ++k) {
        const std::size_t lo = k == 0 ? 0 : k - 1;
        const std::size_t hi = k + 1 == x.size() ? k : k + 1;
        const double turned = std::arg(x[hi] * std::conj(x[lo]));
        delay[k] = -turned / (radiansPerBin * static_cast<double>(hi - lo)) * 1000.0;
    }
    return delay;
}

// Running sums of power, of the complex values and of the power-weighted group delay, so that
// every average costs two lookups.
struct Sums {
    std::vector<double> Power;
    std::vector<std::complex<double>> Value;
    std::vector<double> Delays;        // of every bin
    std::vector<double> WeightedDelay; // running sum of power times delay
    Sums(const Response& r, bool withDelay)
        : Power(r.Bins.size() + 1, 0.0), Value(r.Bins.size() + 1),
          Delays(withDelay ? binGroupDelayMs(r) : std::vector<double>{}),
          WeightedDelay(withDelay ? r.Bins.size() + 1 : 0, 0.0) {
        for (std::size_t k = 0; k < r.Bins.size(); ++k) {
            Power[k + 1] = Power[k] + std::norm(r.Bins[k]);
            Value[k + 1] = Value[k] + r.Bins[k];
            if (withDelay)
                WeightedDelay[k + 1] = WeightedDelay[k] + std::norm(r.Bins[k]) * Delays[k];
        }
    }
};

struct BinRange {
    int64_t Lo = 0;
    int64_t Hi = -1; // empty when below Lo
};

// Bins within the fraction of an octave around f and the valid band, and at least the one
// nearest to f within that band.
BinRange rangeAround(const Response& r, double f, double half, const ValidBand& valid = {}) {
    const auto count = static_cast<int64_t>(r.Bins.size());
    if (count == 0 || !(f > 0.0)) return {};
    const double top = static_cast<double>(count - 1);
    const auto first =
        static_cast<int64_t>(std::clamp(std::ceil(valid.FromHz / r.BinHz), 0.0, top));
    const auto last = std::max(
        first, static_cast<int64_t>(std::clamp(std::floor(valid.ToHz / r.BinHz), 0.0, top)));
    const int64_t nearest = std::clamp<int64_t>(std::llround(f / r.BinHz), first, last);
    const auto lo = static_cast<int64_t>(std::ceil(f / half / r.BinHz));
    const auto hi = static_cast<int64_t>(std::floor(f * half / r.BinHz));
    return {.Lo = std::min(nearest, std::max(lo, first)),
            .Hi = std::max(nearest, std::min(hi, last))};
}

std::complex<double> averageOver(const Sums& sums, BinRange b) {
    if (b.Hi < b.Lo) return 0.0;
    const double bins = static_cast<double>(b.Hi - b.Lo + 1);
    const double power = (sums.Power[b.Hi + 1] - sums.Power[b.Lo]) / bins;
    const std::complex<double> mean = (sums.Value[b.Hi + 1] - sums.Value[b.Lo]) / bins;
    return std::polar(std::sqrt(power), std::abs(mean) > 0.0 ? std::arg(mean) : 0.0);
}

// Weighted by power, so that a bin deep in a notch, whose phase turns fast, does not rule.
double delayOver(const Sums& sums, BinRange b) {
    if (b.Hi < b.Lo) return 0.0;
    const double power = sums.Power[b.Hi + 1] - sums.Power[b.Lo];
    return power > 0.0 ? (sums.WeightedDelay[b.Hi + 1] - sums.WeightedDelay[b.Lo]) / power : 0.0;
}

// Where the fraction of an octave holds no more than one bin, the point lies between two bins and
// takes from both in proportion, so that a curve drawn finer than the bins has no steps.
std::optional<ResponsePoint> betweenBins(const Response& r, const Sums& sums, double f) {
    const double at = f / r.BinHz;
    const auto k = static_cast<std::size_t>(std::floor(at));
    if (!(at >= 0.0) || k + 1 >= r.Bins.size()) return std::nullopt;
    const double t = at - static_cast<double>(k);
    const std::complex<double> h = (1.0 - t) * r.Bins[k] + t * r.Bins[k + 1];
    return ResponsePoint{.Freq = f,
                         .Db = 20.0 * std::log10(std::abs(h) + 1e-30),
                         .PhaseDeg = std::arg(h) * 180.0 / std::numbers::pi,
                         .GroupDelayMs = (1.0 - t) * sums.Delays[k] + t * sums.Delays[k + 1]};
}

// At full resolution a point takes its one bin.
double halfWidth(int fraction) {
    return fraction == kFullResolution ? 1.0 : std::pow(2.0, 0.5 / fraction);
}

} // namespace

std::vector<std::complex<double>> SmoothedAt(const Response& response,
                                             std::span<const double> frequencies, int fraction) {
    const Sums sums(response, false);
    const double half = halfWidth(fraction);
    std::vector<std::complex<double>> out;
    out.reserve(frequencies.size());
    for (const double f : frequencies)
        out.push_back(averageOver(sums, rangeAround(response, f, half)));
    return out;
}

std::vector<ResponsePoint> SmoothedPoints(const Response& response,
                                          std::span<const double> frequencies, int fraction,
                                          const ValidBand& valid) {
    const Sums sums(response, true);
    const double half = halfWidth(fraction);
    std::vector<ResponsePoint> points;
    points.reserve(frequencies.size());
    for (const double f : frequencies) {
        const BinRange bins = rangeAround(response, f, half, valid);
        if (bins.Hi <= bins.Lo && f >= valid.FromHz && f <= valid.ToHz) {
            if (const auto between = betweenBins(response, sums, f)) {
                points.push_back(*between);
                continue;
            }
        }
        const std::complex<double> h = averageOver(sums, bins);
        points.push_back({.Freq = f,
                          .Db = 20.0 * std::log10(std::abs(h) + 1e-30),
                          .PhaseDeg = std::arg(h) * 180.0 / std::numbers::pi,
                          .GroupDelayMs = delayOver(sums, bins)});
    }
    return points;
}

std::vector<double> DrawnFrequencies(double from, double to, const Response& response,
                                     int fraction) {
    std::vector<double> f;
    if (!(from > 0.0) || !(to >= from)) return f;
    if (fraction == kFullResolution && response.BinHz > 0.0) {
        const auto first = static_cast<std::size_t>(std::ceil(from / response.BinHz));
        for (std::size_t k = first; k < response.Bins.size() && response.FrequencyOf(k) <= to; ++k)
            f.push_back(response.FrequencyOf(k));
        return f;
    }
    const double step = std::exp2(1.0 / 48.0);
    for (int i = 0;; ++i) {
        const double at = from * std::pow(step, i);
        if (at > to * (1.0 + 1e-12)) break;
        f.push_back(at);
    }
    return f;
}

} // namespace terzlab::sweep
