#include "sweep/arrival.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace terzlab::sweep {
namespace {

constexpr int32_t kEnvelopeSpan = 4096; // samples around the largest one

// The envelope of the span starting at `first` (circular), by the Hilbert transform.
std::vector<double> envelope(std::span<const float> ir, int64_t first, RealTransform& transform) {
    const auto n = static_cast<int64_t>(ir.size());
    const int32_t span = static_cast<int32_t>(std::min<int64_t>(kEnvelopeSpan, n));
    std::vector<float> part(static_cast<std::size_t>(span));
    for (int32_t i = 0; i < span; ++i)
        part[i] = ir[static_cast<std::size_t>(((first + i) % n + n) % n)];
    Spectrum bins;
    transform.Forward(part, bins);
    bins.front() = 0.0;
    bins.back() = 0.0;
    for (std::size_t k = 1; k + 1 < bins.size(); ++k)
        bins[k] *= std::complex<double>(0.0, -1.0);
    std::vector<float> quadrature;
    transform.Inverse(bins, quadrature);
    std::vector<double> env(static_cast<std::size_t>(span));
    for (int32_t i = 0; i < span; ++i)
        env[i] = std::hypot(double{part[i]}, double{quadrature[i]});
    return env;
}

} // namespace

std::optional<Arrival> FindArrival(std::span<const float> ir, int64_t searchLength,
                                   RealTransform& transform) {
    const int64_t length = std::min<int64_t>(searchLength, static_cast<int64_t>(ir.size()));
    if (length <= 0) return std::nullopt;
    const auto largest = std::max_element(ir.begin(), ir.begin() + length, [](float a, float b) {
        return std::fabs(a) < std::fabs(b);
    });
    if (*largest == 0.0f) return std::nullopt;
    const int64_t first = (largest - ir.begin()) - kEnvelopeSpan / 2;
    const std::vector<double> env = envelope(ir, first, transform);
    const auto top = std::max_element(env.begin() + 1, env.end() - 1);
    const double left = top[-1], mid = *top, right = top[1];
    const double bend = left - 2.0 * mid + right;
    const double shift = bend < 0.0 ? 0.5 * (left - right) / bend : 0.0;
    return Arrival{.Sample = static_cast<double>(first + (top - env.begin())) + shift,
                   .Envelope = mid - 0.25 * (left - right) * shift};
}

bool StandsOutOfNoise(std::span<const float> ir, int64_t searchLength, const Arrival& arrival) {
    const auto length =
        static_cast<std::size_t>(std::min<int64_t>(searchLength, static_cast<int64_t>(ir.size())));
    std::vector<float> magnitude(length);
    for (std::size_t i = 0; i < length; ++i)
        magnitude[i] = std::fabs(ir[i]);
    if (magnitude.empty()) return false;
    auto middle = magnitude.begin() + static_cast<std::ptrdiff_t>(length / 2);
    std::nth_element(magnitude.begin(), middle, magnitude.end());
    return arrival.Envelope > std::pow(10.0, 30.0 / 20.0) * *middle;
}

} // namespace terzlab::sweep
