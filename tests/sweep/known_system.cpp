#include "sweep/known_system.h"
#include "support/bench_truth.h"
#include "sweep/real_fft.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace terzlab::test {
namespace {

constexpr double kPi = std::numbers::pi;

// The audio-filter cookbook's second-order sections, Q = 1/sqrt(2), as the bench's are made.
audio::Biquad section(bool highPass, double hz, int32_t rate) {
    return highPass ? audio::highPass2(hz, std::sqrt(0.5), rate)
                    : audio::lowPass2(hz, std::sqrt(0.5), rate);
}

void run(audio::Biquad s, std::vector<double>& x) {
    for (double& v : x)
        v = s.step(v);
}

// A delay of a fraction of a sample: a sinc 256 taps long under a Blackman window.
std::vector<double> delayed(const std::vector<double>& x, double samples) {
    const double whole = std::floor(samples), centre = 127 + (samples - whole);
    std::vector<double> taps(256);
    for (int k = 0; k < 256; ++k) {
        const double t = k - centre;
        const double window =
            0.42 + 0.5 * std::cos(kPi * t / 128) + 0.08 * std::cos(2 * kPi * t / 128);
        taps[k] = (t == 0 ? 1.0 : std::sin(kPi * t) / (kPi * t)) * window;
    }
    const auto shift = static_cast<std::ptrdiff_t>(whole) - 127;
    std::vector<double> y(x.size(), 0.0);
    for (std::ptrdiff_t n = 0; n < static_cast<std::ptrdiff_t>(y.size()); ++n)
        for (std::ptrdiff_t k = 0; k < 256; ++k)
            if (const std::ptrdiff_t i = n - shift - k;
                i >= 0 && i < static_cast<std::ptrdiff_t>(x.size()))
                y[n] += taps[k] * x[i];
    return y;
}

std::vector<float> toFloat(const std::vector<double>& x, int shift) {
    std::vector<float> out(x.size(), 0.0f);
    for (std::size_t i = shift; i < x.size(); ++i)
        out[i] = static_cast<float>(x[i - shift]);
    return out;
}

} // namespace

std::complex<double> FiltersAt(const KnownSystem& s, double hz, int32_t rate) {
    std::complex<double> h = 1.0;
    if (s.HighPassHz > 0) h *= responseOf(section(true, s.HighPassHz, rate), hz, rate);
    if (s.LowPassHz > 0) h *= responseOf(section(false, s.LowPassHz, rate), hz, rate);
    return h;
}

std::complex<double> DirectAt(const KnownSystem& s, double hz, int32_t rate) {
    const double w = 2 * kPi * hz / rate;
    return FiltersAt(s, hz, rate) * std::polar(1.0, -w * s.DelaySamples);
}

void Worst::add(std::complex<double> measured, std::complex<double> truth) {
    Db = std::max(Db, std::fabs(20 * std::log10(std::abs(measured / truth))));
    Degrees = std::max(Degrees, std::fabs(std::arg(measured / truth)) * 180 / kPi);
}

Recording Record(const sweep::SweepSettings& settings, const KnownSystem& s) {
    const std::vector<double> played = sweep::MakeSweep(settings);
    std::vector<double> y = played;
    for (double& v : y)
        v += s.A2 * v * v + s.A3 * v * v * v;
    if (s.HighPassHz > 0) run(section(true, s.HighPassHz, settings.SampleRate), y);
    if (s.LowPassHz > 0) run(section(false, s.LowPassHz, settings.SampleRate), y);
    y = delayed(y, s.DelaySamples);
    if (s.ReflectionMs > 0) {
        const auto lag =
            static_cast<std::size_t>(std::lround(s.ReflectionMs * settings.SampleRate / 1000));
        for (std::size_t i = y.size(); i-- > lag;)
            y[i] += s.ReflectionGain * y[i - lag];
    }
    double power = 0;
    for (int32_t i = 0; i < settings.Samples; ++i)
        power += y[i] * y[i] / settings.Samples;
    std::mt19937 rng(s.Seed);
    std::normal_distribution<double> noise(0.0, std::sqrt(power) * std::pow(10.0, s.NoiseDb / 20));
    Recording r{toFloat(y, s.CardDelay), toFloat(played, s.CardDelay), toFloat(played, 0)};
    for (float& v : r.Microphone)
        v += static_cast<float>(noise(rng));
    return r;
}

sweep::SweepResult Analysed(const sweep::SweepSettings& sweep, std::span<const float> recorded,
                            std::span<const float> excitation, const sweep::Gate& gate) {
    sweep::OwnRealFft transform;
    return sweep::AnalyseSweep({.Recorded = recorded,
                                .Excitation = excitation,
                                .Sweep = sweep::ShapeOf(sweep),
                                .GateSettings = gate},
                               transform);
}

} // namespace terzlab::test
