#include "sweep/sweep_signal.h"

#include "text/translate.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace terzlab::sweep {

double SweepShape::HarmonicLead(int order) const {
    return L * std::log(static_cast<double>(order)) * SampleRate;
}

double SweepShape::FullLevelFrom() const {
    return F1 * std::exp2(kFadeInOctaves);
}

double SweepShape::FullLevelTo() const {
    return F2 / std::exp2(kFadeOutOctaves);
}

std::string SweepRefusal(const SweepSettings& s) {
    if (s.SampleRate < 8000 || s.SampleRate > 384000)
        return text::translate("Sweep", "Die Abtastrate muss zwischen 8000 und 384000 Hz liegen");
    if (s.Samples < kMinSweepSamples || s.Samples > kMaxSweepSamples)
        return text::translate("Sweep", "Der Sweep muss 32768 bis 2097152 Abtastwerte lang sein");
    if (!(s.F1 >= 1.0) || !(s.F2 >= 2.0 * s.F1) || !(s.F2 <= 0.95 * s.SampleRate / 2.0))
        return text::translate(
            "Sweep", "Die Frequenzen müssen 1 Hz <= f1, 2 f1 <= f2 <= 0,95 der halben Abtastrate "
                     "erfüllen");
    if (!(s.LevelDb >= -60.0 && s.LevelDb <= 0.0))
        return text::translate("Sweep", "Der Pegel muss zwischen -60 und 0 dBFS liegen");
    const SweepShape shape = ShapeOf(s);
    if (shape.F1 * shape.L < 1.0 || shape.Samples > kMaxSweepSamples + kMaxSweepSamples / 2)
        return text::translate("Sweep", "Für diese Frequenzen ist der Sweep zu kurz");
    return {};
}

SweepShape ShapeOf(const SweepSettings& s) {
    const double seconds = s.Samples / static_cast<double>(s.SampleRate);
    const double ratio = std::log(s.F2 / s.F1);
    const double l = std::round(s.F1 * seconds / ratio) / s.F1;
    return {.SampleRate = s.SampleRate,
            .F1 = s.F1,
            .F2 = s.F2,
            .L = l,
            .Samples = static_cast<int32_t>(std::lround(l * ratio * s.SampleRate))};
}

int32_t TailSamples(int32_t sweepSamples, int32_t sampleRate) {
    return std::max(sweepSamples / 2, sampleRate);
}

namespace {

// Rises from 0 to 1 over `length` samples (half a Hann window).
double fade(double position, double length) {
    if (position >= length) return 1.0;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * std::max(position, 0.0) / length);
}

} // namespace

std::vector<double> MakeSweep(const SweepSettings& s) {
    const SweepShape shape = ShapeOf(s);
    const int32_t n = shape.Samples;
    const double amplitude = std::pow(10.0, s.LevelDb / 20.0);
    const double samplesPerOctave = shape.L * std::numbers::ln2 * s.SampleRate;
    const double fadeIn = kFadeInOctaves * samplesPerOctave;
    const double fadeOut = kFadeOutOctaves * samplesPerOctave;
    std::vector<double> x(static_cast<std::size_t>(n + TailSamples(n, s.SampleRate)), 0.0);
    const double phaseScale = 2.0 * std::numbers::pi * shape.F1 * shape.L;
    for (int32_t i = 0; i < n; ++i) {
        const double t = i / static_cast<double>(s.SampleRate);
        const double envelope = fade(i, fadeIn) * fade(n - i, fadeOut);
        x[i] = amplitude * envelope * std::sin(phaseScale * std::expm1(t / shape.L));
    }
    return x;
}

namespace {

// Sub-sample positions (in seconds) of the sign changes where the signal is well above the
// fades' quantisation: from the first to the last sample above a tenth of the peak.
std::vector<double> zeroCrossings(std::span<const float> x, int32_t length, int32_t rate) {
    float peak = 0.0f;
    for (int32_t i = 0; i < length; ++i)
        peak = std::max(peak, std::fabs(x[i]));
    int32_t first = 0;
    int32_t last = length - 1;
    while (first < last && std::fabs(x[first]) < 0.1f * peak)
        ++first;
    while (last > first && std::fabs(x[last]) < 0.1f * peak)
        --last;
    std::vector<double> at;
    for (int32_t i = first + 1; i <= last; ++i)
        if ((x[i - 1] < 0.0f) != (x[i] < 0.0f))
            at.push_back((i - 1 + x[i - 1] / (x[i - 1] - x[i])) / rate);
    return at;
}

struct Line {
    double Slope = 0.0;
    double Offset = 0.0;
    double Misfit = 0.0; // RMS distance of the points from the line
};

Line fitLine(const std::vector<std::pair<double, double>>& points) {
    double st = 0, sy = 0, stt = 0, sty = 0;
    for (const auto& [t, y] : points) {
        st += t, sy += y, stt += t * t, sty += t * y;
    }
    const auto n = static_cast<double>(points.size());
    const double det = n * stt - st * st;
    if (points.size() < 16 || !(det > 0.0)) return {};
    Line line;
    line.Slope = (n * sty - st * sy) / det;
    line.Offset = (sy - line.Slope * st) / n;
    for (const auto& [t, y] : points)
        line.Misfit += std::pow(y - line.Offset - line.Slope * t, 2) / n;
    line.Misfit = std::sqrt(line.Misfit);
    return line;
}

// ln f against time from the half periods where a cycle spans eight samples or more.
Line roughFit(const std::vector<double>& crossings, int32_t rate) {
    std::vector<std::pair<double, double>> points;
    for (std::size_t i = 1; i < crossings.size(); ++i) {
        const double half = crossings[i] - crossings[i - 1];
        if (half * rate >= 4.0)
            points.emplace_back(0.5 * (crossings[i] + crossings[i - 1]), std::log(0.5 / half));
    }
    return fitLine(points);
}

// With the phase 2 pi m (e^(t/L) - 1) at crossing j equal to (k0 + j) pi, every crossing gives
// t_j = L u_j, u_j = ln(1 + (k0 + j) / (2 m)): L by least squares; the relative misfit.
std::pair<double, double> exactFit(const std::vector<double>& crossings, double m, double k0) {
    double tu = 0, uu = 0, tt = 0;
    for (std::size_t j = 0; j < crossings.size(); ++j) {
        const double u = std::log1p((k0 + static_cast<double>(j)) / (2.0 * m));
        tu += crossings[j] * u, uu += u * u, tt += crossings[j] * crossings[j];
    }
    const double l = tu / uu;
    return {l, std::sqrt(std::max(0.0, tt - 2 * l * tu + l * l * uu) / tt)};
}

} // namespace

std::optional<SweepShape> RecogniseSweep(std::span<const float> played, int32_t sampleRate) {
    int64_t last = static_cast<int64_t>(played.size()) - 1;
    while (last >= 0 && std::fabs(played[last]) < 0.25f / 32768.0f)
        --last;
    if (last < kMinSweepSamples / 2 || last >= kMaxSweepSamples + kMaxSweepSamples / 2)
        return std::nullopt;
    const auto length = static_cast<int32_t>(last + 1);
    const std::vector<double> crossings = zeroCrossings(played, length, sampleRate);
    const Line rough = roughFit(crossings, sampleRate);
    if (!(rough.Slope > 0.0) || rough.Misfit > 0.02) return std::nullopt;
    const double roughL = 1.0 / rough.Slope;
    const double roughF1 = std::exp(rough.Offset);
    const double m = std::max(1.0, std::round(roughF1 * roughL));
    const double firstPhase = 2.0 * m * std::expm1(crossings.front() / roughL); // in units of pi
    double bestL = 0.0;
    double bestMisfit = 1e-4; // a sweep's crossings lie on the curve far closer than this
    for (int step = -3; step <= 3; ++step) {
        const auto [l, misfit] = exactFit(crossings, m, std::round(firstPhase) + step);
        if (misfit < bestMisfit) bestL = l, bestMisfit = misfit;
    }
    if (bestL <= 0.0) return std::nullopt;
    const SweepShape shape{.SampleRate = sampleRate,
                           .F1 = m / bestL,
                           .F2 = m / bestL * std::exp(length / (bestL * sampleRate)),
                           .L = bestL,
                           .Samples = length};
    if (!(shape.F1 >= 0.5) || !(shape.F2 > 1.5 * shape.F1) || !(shape.F2 < sampleRate / 2.0))
        return std::nullopt;
    return shape;
}

} // namespace terzlab::sweep
