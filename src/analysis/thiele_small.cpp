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
// The lossy coil is fitted up to here where the curve reaches it: high enough that the coil
// rules the curve for an octave or more, low enough that the cone's break-up (above 3 kHz even
// for 8" woofers, where it ripples the impedance) stays out.
constexpr double kCoilRangeHz = 3000.0;
// The lossy coil's semi-inductance: its exponent's floor, and the least loss conductance
// 1 / R2 across it (1 kohm: none against a few ohms, but a finite R2 to show).
constexpr double kMinExponent = 0.5;
constexpr double kLeastLossConductance = 1e-3;
// The lossy coil's fit has settled by then wherever the curve tells its values apart; beyond,
// it only drifts along a valley of equal fits (a coil barely seen, or a plain one).
constexpr int kLossySteps = 100;
// A given Re is the curve's floor: well below its lowest value it is a slip, not a measurement.
constexpr double kFarBelowLowest = 0.7;
// A given Re that differs more from the fitted one makes the other parameters uncertain.
constexpr double kReDoubtPercent = 3.0;
// The curve's bands are rounded to 0.01 ohm: a given Re this close above the lowest is no doubt.
constexpr double kAboveLowestTolerance = 1.005;
// No voice coil reaches this; a fit that does has run off into a valley of the model.
constexpr double kMaxInductance = 0.05;
constexpr double kStartInductance[] = {0.1e-3, 0.5e-3, 2e-3};
constexpr double kStartLossConductance[] = {0.01, 0.1, 1.0};

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

std::string GivenReFarBelow(double givenRe, double lowest) {
    return text::arg(text::translate("ThieleSmallFit",
                                     "Re (Gleichstrom) %1 Ohm liegt weit unter dem kleinsten Wert "
                                     "der Kurve (%2 Ohm): bitte den Widerstand prüfen"),
                     {text::fixed(givenRe, 3), text::fixed(lowest, 3)});
}

// Where the ohmmeter's Re and the curve disagree; the fit with the given Re stands, as asked.
std::vector<std::string> GivenReDoubts(double givenRe, double lowest, const ThieleSmallFit& own) {
    std::vector<std::string> doubts;
    if (givenRe > kAboveLowestTolerance * lowest) {
        doubts.push_back(text::arg(
            text::translate("ThieleSmallFit", "Re (Gleichstrom) %1 Ohm liegt über dem kleinsten "
                                              "Wert der Kurve (%2 Ohm), was nicht sein kann"),
            {text::fixed(givenRe, 3), text::fixed(lowest, 3)}));
    }
    const double apart = own.Error.empty() ? 100.0 * (givenRe / own.Model.Re - 1.0) : 0.0;
    if (std::fabs(apart) > kReDoubtPercent) {
        doubts.push_back(text::arg(
            text::translate("ThieleSmallFit", "Re (Gleichstrom) %1 Ohm weicht um %2 % vom "
                                              "angepassten Re (%3 Ohm) ab: die übrigen "
                                              "Parameter sind unsicher"),
            {text::fixed(givenRe, 3), text::fixed(apart, 1), text::fixed(own.Model.Re, 3)}));
    }
    return doubts;
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
                                {text::fixed(c.Bands[peak].Freq, 1)})};
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

// Parameters as the minimiser sees them: logarithms of the positive ones, the loss
// conductance 1 / R2 as it is, bounded at 0 (a lossless coil; a touch above for the lossy coil,
// whose R2 is shown). A squared or logarithmic form would make the minimiser creep towards 0
// without end; a negative one would let noise trade a negative coil resistance against Re. The
// lossy coil's Le in mH, bounded at 0 alike, and its exponent n = 0.5 ... 1 through a logistic
// curve: below 0.5 (a solid pole piece's limit) the semi-inductance turns into a resistance that
// stands in for Re, as a given Re too low would ask for.
struct Packing {
    std::optional<double> GivenRe;
    CoilModel Coil = CoilModel::Lossy;

    std::size_t Count() const { return (Coil == CoilModel::Lossy ? 7 : 5) + (GivenRe ? 0 : 1); }
    std::vector<double> Pack(const DriverModel& m) const {
        std::vector<double> x = {std::log(m.Res()), std::log(m.Fs), std::log(m.Qms)};
        if (Coil == CoilModel::Classic) {
            x.insert(x.end(), {std::log(m.Le), std::sqrt(m.G2)});
        } else {
            const double share = (m.N - kMinExponent) / (1.0 - kMinExponent);
            x.insert(x.end(), {m.Le * 1e3, std::log(m.K), std::log(share / (1.0 - share)), m.G2});
        }
        if (!GivenRe) x.push_back(std::log(m.Re));
        return x;
    }
    std::vector<double> Lower() const {
        std::vector<double> lower(Count(), -HUGE_VAL);
        if (Coil == CoilModel::Classic) {
            lower[4] = 0.0;
        } else {
            lower[3] = 0.0;
            lower[6] = kLeastLossConductance;
        }
        return lower;
    }
    DriverModel Unpack(std::span<const double> x) const {
        DriverModel m;
        m.Coil = Coil;
        m.Re = GivenRe ? *GivenRe : std::exp(x.back());
        m.Fs = std::exp(x[1]);
        m.Qms = std::exp(x[2]);
        m.Qes = m.Re * m.Qms / std::exp(x[0]);
        if (Coil == CoilModel::Classic) {
            m.Le = std::exp(std::clamp(x[3], -20.0, 0.0));
            m.G2 = std::max(x[4], 0.0);
        } else {
            m.Le = std::max(x[3], 0.0) * 1e-3;
            m.K = std::exp(std::clamp(x[4], -30.0, 5.0));
            m.N = kMinExponent +
                  (1.0 - kMinExponent) / (1.0 + std::exp(-std::clamp(x[5], -30.0, 30.0)));
            m.G2 = std::max(x[6], kLeastLossConductance);
        }
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

// The coils the fit starts from. The coil's values are loosely tied to the data near the
// resonance, the magnitude alone even less: starting from a few coils and keeping the best fit
// avoids the side valleys where the coil's loss stands in for Re. The lossy coils share the
// inductance the top band shows among Le and the semi-inductance, with a few exponents.
std::vector<DriverModel> StartCoils(const DriverModel& start, const ImpedanceCurve& fitted,
                                    const Packing& packing) {
    std::vector<DriverModel> starts;
    if (packing.Coil == CoilModel::Classic) {
        for (const double le : kStartInductance) {
            for (const double g2 : kStartLossConductance) {
                DriverModel m = start;
                m.Le = le;
                m.G2 = g2;
                starts.push_back(m);
            }
        }
        return starts;
    }
    const ImpedanceBand& top = fitted.Bands.back();
    const double w = 2.0 * kPi * top.Freq;
    const double reactance =
        fitted.HasPhase
            ? top.Magnitude * std::sin(top.PhaseDeg * kPi / 180.0)
            : std::sqrt(std::max(top.Magnitude * top.Magnitude - start.Re * start.Re, 0.0));
    const double inductance = std::clamp(reactance / w, 0.02e-3, 20e-3);
    // A start only: the fit moves the share to where the curve puts it.
    constexpr double kSeriesShare = 0.3;
    for (const double exponent : {0.6, 0.8, 0.95}) {
        for (const double g2 : {kLeastLossConductance, 0.1}) {
            DriverModel m = start;
            m.Coil = CoilModel::Lossy;
            m.Le = kSeriesShare * inductance;
            m.N = exponent;
            m.K = (1.0 - kSeriesShare) * inductance * w / std::pow(w, exponent);
            m.G2 = g2;
            starts.push_back(m);
        }
    }
    return starts;
}

bool Plausible(const DriverModel& m, double from, double to) {
    const bool finite = std::isfinite(m.Re) && std::isfinite(m.Fs) && std::isfinite(m.Qms) &&
                        std::isfinite(m.Qes) && std::isfinite(m.Le) && m.Le < kMaxInductance &&
                        std::isfinite(m.K) && std::isfinite(m.N) && std::isfinite(m.G2);
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

std::complex<double> DriverModel::BlockedImpedance(double f) const {
    const std::complex<double> jw(0.0, 2.0 * kPi * f);
    if (Coil == CoilModel::Classic) return Re + jw * Le / (1.0 + jw * Le * G2);
    const std::complex<double> semi = K * std::pow(jw, N);
    return Re + jw * Le + semi / (1.0 + semi * G2);
}

std::complex<double> DriverModel::Impedance(double f) const {
    return BlockedImpedance(f) + Res() / std::complex<double>(1.0, Qms * (f / Fs - Fs / f));
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

ThieleSmallFit FitThieleSmall(const ImpedanceCurve& curve, std::optional<double> givenRe,
                              CoilModel coil) {
    ThieleSmallFit out;
    const Peak peak = FindPeak(curve);
    if (!peak.Error.empty()) {
        out.Error = peak.Error;
        return out;
    }
    const double fPeak = curve.Bands[peak.Index].Freq;
    const double top = coil == CoilModel::Classic ? fPeak * kRangeFactor
                                                  : std::max(fPeak * kRangeFactor, kCoilRangeHz);
    ImpedanceCurve fitted{{}, curve.HasPhase};
    std::size_t fittedPeak = 0;
    double lowestAbove = curve.Bands[peak.Index].Magnitude;
    double lowest = lowestAbove;
    for (std::size_t i = 0; i < curve.Bands.size(); ++i) {
        const auto& b = curve.Bands[i];
        if (b.Freq < fPeak / kRangeFactor || b.Freq > top) continue;
        if (i == peak.Index) fittedPeak = fitted.Bands.size();
        if (i > peak.Index && b.Freq <= fPeak * kRangeFactor)
            lowestAbove = std::min(lowestAbove, b.Magnitude);
        lowest = std::min(lowest, b.Magnitude);
        fitted.Bands.push_back(b);
    }
    out.FromHz = fitted.Bands.front().Freq;
    out.ToHz = fitted.Bands.back().Freq;
    if (givenRe && *givenRe < kFarBelowLowest * lowest) {
        out.Error = GivenReFarBelow(*givenRe, lowest);
        return out;
    }
    const Packing packing{givenRe, coil};
    const auto residuals = [&](std::span<const double> x, std::vector<double>& r) {
        Deviations(packing.Unpack(x), fitted, r);
    };
    const DriverModel start = StartModel(fitted, fittedPeak, givenRe.value_or(lowestAbove));
    LeastSquaresResult best;
    bool found = false;
    for (const DriverModel& from : StartCoils(start, fitted, packing)) {
        LeastSquaresResult r = MinimiseSquares(residuals, packing.Pack(from), packing.Lower(),
                                               coil == CoilModel::Lossy ? kLossySteps : 200);
        // The lossy coil's values may still drift along such a valley when the steps run out:
        // the cost has only fallen on the way.
        const bool settled = r.Converged || coil == CoilModel::Lossy;
        if (!settled || !Plausible(packing.Unpack(r.X), out.FromHz, out.ToHz)) continue;
        if (!found || r.Cost < best.Cost) best = std::move(r);
        found = true;
    }
    if (!found) {
        out.Error = text::translate(
            "ThieleSmallFit",
            "Das Treibermodell lässt sich der Kurve nicht anpassen (keine Konvergenz)");
        return out;
    }
    out.Model = packing.Unpack(best.X);
    out.RmsPercent = 100.0 * std::sqrt(best.Cost / static_cast<double>(fitted.Bands.size()));
    if (givenRe) out.Warnings = GivenReDoubts(*givenRe, lowest, FitThieleSmall(curve, {}, coil));
    return out;
}

} // namespace terzlab
