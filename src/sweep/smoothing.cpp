#include "sweep/smoothing.h"

#include <algorithm>
#include <cmath>

namespace terzlab::sweep {
namespace {

// Running sums of power and of the complex values, so that every average costs two lookups.
struct Sums {
    std::vector<double> Power;
    std::vector<std::complex<double>> Value;
    explicit Sums(const Response& r) : Power(r.Bins.size() + 1, 0.0), Value(r.Bins.size() + 1) {
        for (std::size_t k = 0; k < r.Bins.size(); ++k) {
            Power[k + 1] = Power[k] + std::norm(r.Bins[k]);
            Value[k + 1] = Value[k] + r.Bins[k];
        }
    }
};

std::complex<double> averageAround(const Sums& sums, const Response& r, double f, double half) {
    const auto count = static_cast<int64_t>(r.Bins.size());
    if (count == 0 || !(f > 0.0)) return 0.0;
    // Bins within the range, and at least the one nearest to f.
    const int64_t nearest = std::clamp<int64_t>(std::llround(f / r.BinHz), 0, count - 1);
    const int64_t lo = std::min(nearest, static_cast<int64_t>(std::ceil(f / half / r.BinHz)));
    const int64_t hi = std::max(
        nearest, std::min(count - 1, static_cast<int64_t>(std::floor(f * half / r.BinHz))));
    const double bins = static_cast<double>(hi - lo + 1);
    const double power = (sums.Power[hi + 1] - sums.Power[lo]) / bins;
    const std::complex<double> mean = (sums.Value[hi + 1] - sums.Value[lo]) / bins;
    return std::polar(std::sqrt(power), std::abs(mean) > 0.0 ? std::arg(mean) : 0.0);
}

} // namespace

std::vector<std::complex<double>> SmoothedAt(const Response& response,
                                             std::span<const double> frequencies, int fraction) {
    const Sums sums(response);
    const double half = std::pow(2.0, 0.5 / fraction);
    std::vector<std::complex<double>> out;
    out.reserve(frequencies.size());
    for (const double f : frequencies)
        out.push_back(averageAround(sums, response, f, half));
    return out;
}

Response Smoothed(const Response& response, int fraction) {
    std::vector<double> frequencies(response.Bins.size());
    for (std::size_t k = 0; k < frequencies.size(); ++k)
        frequencies[k] = response.FrequencyOf(k);
    Response out{.BinHz = response.BinHz, .Bins = SmoothedAt(response, frequencies, fraction)};
    if (!out.Bins.empty()) out.Bins[0] = response.Bins[0];
    return out;
}

} // namespace terzlab::sweep
