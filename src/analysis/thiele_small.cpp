#include "analysis/thiele_small.h"

#include "analysis/constants.h"
#include "analysis/least_squares.h"
#include "text/translate.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace terzlab {
namespace {

// The resonance of a driver in free air lies below 1 kHz; above it the coil rules the curve.
constexpr double kPeakLimitHz = 1000.0;
// Less than this ratio of peak over the lowest magnitude below 1 kHz is no resonance.
constexpr double kMinPeakRatio = 1.15;
constexpr int kMinBandsEachSide = 3;
// Two octaves each side of the peak hold the whole motional peak even at Qms 1.4, yet stay low
// enough that a simple coil model describes the coil there.
constexpr double kRangeFactor = 4.0;
// No voice coil reaches this; a fit that does has run off into a valley of the model.
constexpr double kMaxInductance = 0.05;
constexpr double kStartInductance[] = {0.1e-3, 0.5e-3, 2e-3};
constexpr double kStartLossConductance[] = {0.01, 0.1, 1.0};
// A loaded resonance must move by more than this ratio, or Mms is noise.
constexpr double kMinMassShift = 1.005;
constexpr double kAirDensity = 1.204;   // kg/m^3 at 20 degC
constexpr double kSpeedOfSound = 343.2; // m/s at 20 degC

std::string Fixed(double value, int digits) {
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, digits);
    return end.ec == std::errc() ? std::string(text, end.ptr) : std::string("?");
}

std::size_t BandsBelow(const ImpedanceCurve& c, double limitHz) {
    return static_cast<std::size_t>(
        std::count_if(c.Bands.begin(), c.Bands.end(), [&](auto& b) { return b.Freq < limitHz; }));
}

std::size_t PeakIndex(const ImpedanceCurve& c, std::size_t end) {
    const auto first = c.Bands.begin();
    const auto it = std::max_element(first, first + static_cast<std::ptrdiff_t>(end),
                                     [](auto& a, auto& b) { return a.Magnitude < b.Magnitude; });
    return static_cast<std::size_t>(it - first);
}

struct Peak {
    std::size_t Index = 0;
    std::string Error;
};

Peak FindPeak(const ImpedanceCurve& c) {
    const std::size_t end = BandsBelow(c, kPeakLimitHz);
    if (end < 2 * kMinBandsEachSide + 1)
        return {0, text::translate("ThieleSmallFit", "Die Kurve hat zu wenige Werte unter 1 kHz")};
    const std::size_t peak = PeakIndex(c, end);
    double lowest = c.Bands[0].Magnitude;
    for (std::size_t i = 0; i < end; ++i)
        lowest = std::min(lowest, c.Bands[i].Magnitude);
    if (c.Bands[peak].Magnitude < kMinPeakRatio * lowest)
        return {peak, text::translate("ThieleSmallFit",
                                      "Die Kurve zeigt keine Resonanzspitze unter 1 kHz")};
    if (peak < kMinBandsEachSide || peak + kMinBandsEachSide >= end) {
        return {peak, text::arg(text::translate("ThieleSmallFit",
                                                "Das Impedanzmaximum liegt am Rand des "
                                                "Messbereichs (bei %1 Hz): keine Resonanzspitze, "
                                                "die sich auswerten lässt"),
                                {Fixed(c.Bands[peak].Freq, 1)})};
    }
    return {peak, {}};
}

// Where the magnitude crosses `level` walking from the peak by `dir`, interpolated on log f.
std::optional<double> Crossing(const ImpedanceCurve& c, std::size_t peak, int dir, double level) {
    for (auto i = static_cast<std::ptrdiff_t>(peak);;) {
        const auto next = i + dir;
        if (next < 0 || next >= static_cast<std::ptrdiff_t>(c.Bands.size())) return {};
        const auto& a = c.Bands[static_cast<std::size_t>(i)];
        const auto& b = c.Bands[static_cast<std::size_t>(next)];
        if (b.Magnitude <= level) {
            const double t = (a.Magnitude - level) / (a.Magnitude - b.Magnitude);
            return std::exp(std::log(a.Freq) + t * (std::log(b.Freq) - std::log(a.Freq)));
        }
        i = next;
    }
}

// Parameters as the minimiser sees them: logarithms of the positive ones, and the coil's loss
// conductance as it is, bounded at 0 (a lossless coil). A squared or logarithmic form would
// make the minimiser creep towards 0 without end; a negative one would let noise trade a
// negative coil resistance against Re.
struct Packing {
    std::optional<double> GivenRe;

    std::vector<double> Pack(const DriverModel& m) const {
        std::vector<double> x = {std::log(m.Res()), std::log(m.Fs), std::log(m.Qms), std::log(m.Le),
                                 std::sqrt(m.G2)};
        if (!GivenRe) x.push_back(std::log(m.Re));
        return x;
    }
    std::vector<double> Lower() const {
        std::vector<double> lower(GivenRe ? 5 : 6, -HUGE_VAL);
        lower[4] = 0.0;
        return lower;
    }
    DriverModel Unpack(std::span<const double> x) const {
        DriverModel m;
        m.Re = GivenRe ? *GivenRe : std::exp(x[5]);
        m.Fs = std::exp(x[1]);
        m.Qms = std::exp(x[2]);
        m.Qes = m.Re * m.Qms / std::exp(x[0]);
        m.Le = std::exp(std::clamp(x[3], -20.0, 0.0));
        m.G2 = std::max(x[4], 0.0);
        return m;
    }
};

// Relative deviation per band: real and imaginary part, or the magnitude alone.
void Deviations(const DriverModel& m, const ImpedanceCurve& c, std::vector<double>& r) {
    r.clear();
    for (const auto& b : c.Bands) {
        const std::complex<double> z = m.Impedance(b.Freq);
        if (c.HasPhase) {
            const auto measured = std::polar(b.Magnitude, b.PhaseDeg * kPi / 180.0);
            const auto d = (z - measured) / b.Magnitude;
            r.push_back(d.real());
            r.push_back(d.imag());
        } else {
            r.push_back((std::abs(z) - b.Magnitude) / b.Magnitude);
        }
    }
}

DriverModel StartModel(const ImpedanceCurve& fitted, std::size_t peak, double re) {
    const ThreePoint tp = ThreePointEstimate(fitted, re);
    DriverModel m;
    m.Re = re;
    m.Fs = tp.Found ? tp.Fs : fitted.Bands[peak].Freq;
    m.Qms = tp.Found ? tp.Qms : 3.0;
    m.Qes = tp.Found ? tp.Qes : re * m.Qms / std::max(fitted.Bands[peak].Magnitude - re, 0.1 * re);
    return m;
}

bool Plausible(const DriverModel& m, double from, double to) {
    const bool finite = std::isfinite(m.Re) && std::isfinite(m.Fs) && std::isfinite(m.Qms) &&
                        std::isfinite(m.Qes) && std::isfinite(m.Le) && m.Le < kMaxInductance;
    return finite && m.Re > 0.0 && m.Fs >= from && m.Fs <= to && m.Qms > 0.1 && m.Qms < 200.0 &&
           m.Qes > 0.02 && m.Qes < 50.0;
}

} // namespace

ImpedanceCurve ImpedanceCurveOf(const CorrectionCurve& curve) {
    ImpedanceCurve out;
    out.HasPhase = false;
    const int count = std::clamp<int>(curve.CurveCount, 0, CorrectionCurve::kEntries);
    for (int e = 0; e < count; ++e) {
        const double f = curve.CurveFreq[e];
        const double z = curve.CurveAmp[e];
        const double phase = isNoValue(curve.CurvePhase[e]) ? 0.0 : curve.CurvePhase[e];
        // No signal, or no current (an open circuit): the band has no impedance to fit.
        if (!(f > 0.0) || isNoValue(curve.CurveAmp[e]) || !(z > 0.0) || z >= kOpenCircuit) continue;
        out.HasPhase = out.HasPhase || phase != 0.0;
        out.Bands.push_back({f, z, phase});
    }
    std::stable_sort(out.Bands.begin(), out.Bands.end(),
                     [](auto& a, auto& b) { return a.Freq < b.Freq; });
    return out;
}

std::complex<double> DriverModel::Impedance(double f) const {
    const std::complex<double> jwl(0.0, 2.0 * kPi * f * Le);
    const std::complex<double> coil = jwl / (1.0 + jwl * G2);
    return Re + coil + Res() / std::complex<double>(1.0, Qms * (f / Fs - Fs / f));
}

ThreePoint ThreePointEstimate(const ImpedanceCurve& curve, double re) {
    ThreePoint out;
    const std::size_t end = BandsBelow(curve, kPeakLimitHz);
    if (end == 0 || !(re > 0.0)) return out;
    const std::size_t peak = PeakIndex(curve, end);
    const double zmax = curve.Bands[peak].Magnitude;
    if (zmax <= re) return out;
    const double level = std::sqrt(re * zmax);
    auto f1 = Crossing(curve, peak, -1, level);
    auto f2 = Crossing(curve, peak, +1, level);
    // A broad peak may cross the level outside the curve on one side; the peak is symmetric on
    // a logarithmic axis, so the other crossing stands in for it.
    const double fPeak = curve.Bands[peak].Freq;
    if (!f1 && f2) f1 = fPeak * fPeak / *f2;
    if (f1 && !f2) f2 = fPeak * fPeak / *f1;
    if (!f1 || !f2 || *f2 <= *f1) return out;
    const double r0 = zmax / re;
    out.Fs = std::sqrt(*f1 * *f2);
    out.Re = re;
    out.Qms = out.Fs * std::sqrt(r0) / (*f2 - *f1);
    out.Qes = out.Qms / (r0 - 1.0);
    out.Found = true;
    return out;
}

ThieleSmallFit FitThieleSmall(const ImpedanceCurve& curve, std::optional<double> givenRe) {
    ThieleSmallFit out;
    const Peak peak = FindPeak(curve);
    if (!peak.Error.empty()) {
        out.Error = peak.Error;
        return out;
    }
    const double fPeak = curve.Bands[peak.Index].Freq;
    ImpedanceCurve fitted{{}, curve.HasPhase};
    std::size_t fittedPeak = 0;
    double lowestAbove = curve.Bands[peak.Index].Magnitude;
    for (std::size_t i = 0; i < curve.Bands.size(); ++i) {
        const auto& b = curve.Bands[i];
        if (b.Freq < fPeak / kRangeFactor || b.Freq > fPeak * kRangeFactor) continue;
        if (i == peak.Index) fittedPeak = fitted.Bands.size();
        if (i > peak.Index) lowestAbove = std::min(lowestAbove, b.Magnitude);
        fitted.Bands.push_back(b);
    }
    out.FromHz = fitted.Bands.front().Freq;
    out.ToHz = fitted.Bands.back().Freq;
    const Packing packing{givenRe};
    const auto residuals = [&](std::span<const double> x, std::vector<double>& r) {
        Deviations(packing.Unpack(x), fitted, r);
    };
    // The coil's two values are loosely tied to the data near the resonance, the magnitude
    // alone even less: starting from a few coils and keeping the best fit avoids the side
    // valleys where the coil's loss stands in for Re.
    DriverModel start = StartModel(fitted, fittedPeak, givenRe.value_or(lowestAbove));
    LeastSquaresResult best;
    bool found = false;
    for (const double le : kStartInductance) {
        for (const double g2 : kStartLossConductance) {
            start.Le = le;
            start.G2 = g2;
            LeastSquaresResult r = MinimiseSquares(residuals, packing.Pack(start), packing.Lower());
            if (!r.Converged || !Plausible(packing.Unpack(r.X), out.FromHz, out.ToHz)) continue;
            if (!found || r.Cost < best.Cost) best = std::move(r);
            found = true;
        }
    }
    if (!found) {
        out.Error = text::translate(
            "ThieleSmallFit",
            "Das Treibermodell lässt sich der Kurve nicht anpassen (keine Konvergenz)");
        return out;
    }
    out.Model = packing.Unpack(best.X);
    const LeastSquaresResult& result = best;
    out.RmsPercent = 100.0 * std::sqrt(result.Cost / static_cast<double>(fitted.Bands.size()));
    return out;
}

MovingMass AddedMassMethod(const DriverModel& free, const DriverModel& loaded, double addedGrams) {
    MovingMass out;
    const double shift = free.Fs / loaded.Fs;
    if (!(shift > kMinMassShift)) {
        out.Error =
            text::arg(text::translate("ThieleSmallFit", "Die Resonanz mit Zusatzmasse (%1 Hz) "
                                                        "liegt nicht tiefer als ohne (%2 Hz)"),
                      {Fixed(loaded.Fs, 2), Fixed(free.Fs, 2)});
        return out;
    }
    out.MmsGrams = addedGrams / (shift * shift - 1.0);
    const double mms = out.MmsGrams * 1e-3;
    const double w = 2.0 * kPi * free.Fs;
    out.CmsMmPerN = 1e3 / (w * w * mms);
    out.BlTm = std::sqrt(w * mms * free.Re / free.Qes);
    return out;
}

double ConeAreaCm2(double diameterCm) {
    return std::numbers::pi * diameterCm * diameterCm / 4.0;
}

double VasLitres(double cmsMmPerN, double sdCm2) {
    const double sd = sdCm2 * 1e-4;
    return 1e3 * kAirDensity * kSpeedOfSound * kSpeedOfSound * sd * sd * cmsMmPerN * 1e-3;
}

} // namespace terzlab
