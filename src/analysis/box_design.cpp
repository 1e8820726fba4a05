#include "analysis/box_design.h"

#include "analysis/constants.h"
#include "analysis/least_squares.h"
#include "text/translate.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace terzlab {
namespace {

// The figures are read off the response on a grid this fine, then refined between its points.
constexpr double kScanStepsPerOctave = 96.0;
constexpr double kScanBelowFs = 1.0 / 32.0;
constexpr double kScanAboveFs = 64.0;
// A peak or dip smaller than this is rounding, not a feature of the response.
constexpr double kLeastExtremumDb = 0.01;
constexpr double kButterworthQ = 0.70710678118654752;
// f3 is where the response has half the pass band's power.
const double kF3Db = -10.0 * std::log10(2.0);

// The denominator of the vented box's fourth-order high-pass, normalised to w0 = sqrt(ws wb),
// with the leakage losses QL: Small, "Vented-Box Loudspeaker Systems", Part I (1973).
struct Quartic {
    double A1 = 0.0, A2 = 0.0, A3 = 0.0;
};

Quartic VentedQuartic(double qt, double ql, double alpha, double h) {
    const double rootH = std::sqrt(h);
    return {(ql + h * qt) / (rootH * ql * qt),
            (h + (alpha + 1.0 + h * h) * qt * ql) / (h * qt * ql),
            (h * ql + qt) / (rootH * ql * qt)};
}

// The squared magnitude of the denominator at w = 1 / T0 is w^8 + C3 w^6 + C2 w^4 + C1 w^2 + 1.
struct SquaredTerms {
    double C3 = 0.0, C2 = 0.0, C1 = 0.0;
};

SquaredTerms SquaredTermsOf(const Quartic& q) {
    return {q.A1 * q.A1 - 2.0 * q.A2, q.A2 * q.A2 + 2.0 - 2.0 * q.A1 * q.A3,
            q.A3 * q.A3 - 2.0 * q.A2};
}

double Alpha(double vasLitres, const BoxDesign& box) {
    return vasLitres / box.VbLitres;
}

double Db(std::complex<double> h) {
    return 20.0 * std::log10(std::abs(h));
}

struct Scan {
    std::vector<double> Freq, Level;
};

Scan ScanResponse(const DriverModel& d, double vas, const BoxDesign& box) {
    Scan s;
    const double from = d.Fs * kScanBelowFs;
    const int steps =
        static_cast<int>(kScanStepsPerOctave * std::log2(kScanAboveFs / kScanBelowFs));
    for (int k = 0; k <= steps; ++k) {
        const double f = from * std::exp2(k / kScanStepsPerOctave);
        s.Freq.push_back(f);
        s.Level.push_back(Db(BoxResponse(d, vas, box, f)));
    }
    return s;
}

// Where the response, coming down from the pass band, first falls to half its power.
double F3Of(const DriverModel& d, double vas, const BoxDesign& box, const Scan& s) {
    for (std::size_t k = s.Freq.size() - 1; k > 0; --k) {
        if (s.Level[k - 1] >= kF3Db) continue;
        double low = s.Freq[k - 1], high = s.Freq[k];
        for (int i = 0; i < 60; ++i) {
            const double mid = std::sqrt(low * high);
            (Db(BoxResponse(d, vas, box, mid)) < kF3Db ? low : high) = mid;
        }
        return std::sqrt(low * high);
    }
    return s.Freq.front();
}

// The extreme point of the level between two grid points either side of k (golden section).
ResponseExtremum Refine(const DriverModel& d, double vas, const BoxDesign& box, const Scan& s,
                        std::size_t k, double sign) {
    double a = std::log(s.Freq[k - 1]), b = std::log(s.Freq[k + 1]);
    const auto level = [&](double x) { return sign * Db(BoxResponse(d, vas, box, std::exp(x))); };
    const double g = (std::sqrt(5.0) - 1.0) / 2.0;
    for (int i = 0; i < 60; ++i) {
        const double c = b - g * (b - a), e = a + g * (b - a);
        if (level(c) > level(e)) {
            b = e;
        } else {
            a = c;
        }
    }
    const double x = 0.5 * (a + b);
    return {sign * level(x), std::exp(x)};
}

std::optional<ResponseExtremum> ExtremumOf(const DriverModel& d, double vas, const BoxDesign& box,
                                           const Scan& s, double f3) {
    std::size_t peak = 0, dip = 0;
    for (std::size_t k = 1; k + 1 < s.Freq.size(); ++k) {
        const bool top = s.Level[k] >= s.Level[k - 1] && s.Level[k] > s.Level[k + 1];
        const bool low = s.Level[k] <= s.Level[k - 1] && s.Level[k] < s.Level[k + 1];
        if (top && s.Level[k] > kLeastExtremumDb && (peak == 0 || s.Level[k] > s.Level[peak]))
            peak = k;
        if (low && s.Freq[k] > f3 && (dip == 0 || s.Level[k] < s.Level[dip])) dip = k;
    }
    if (peak != 0) return Refine(d, vas, box, s, peak, 1.0);
    if (dip != 0 && s.Level[dip] < -kLeastExtremumDb) return Refine(d, vas, box, s, dip, -1.0);
    return {};
}

} // namespace

std::complex<double> BoxResponse(const DriverModel& d, double vasLitres, const BoxDesign& box,
                                 double f) {
    const double alpha = Alpha(vasLitres, box);
    if (box.Kind == BoxKind::Closed) {
        const double root = std::sqrt(1.0 + alpha);
        const std::complex<double> s(0.0, f / (d.Fs * root));
        return s * s / (s * s + s / (d.Qts() * root) + 1.0);
    }
    const double h = box.FbHz / d.Fs;
    const Quartic q = VentedQuartic(d.Qts(), box.Ql, alpha, h);
    const std::complex<double> s(0.0, f / std::sqrt(d.Fs * box.FbHz));
    const std::complex<double> s2 = s * s;
    return s2 * s2 / (s2 * s2 + q.A1 * s2 * s + q.A2 * s2 + q.A3 * s + 1.0);
}

BoxFigures FiguresOf(const DriverModel& d, double vasLitres, const BoxDesign& box) {
    BoxFigures out;
    if (box.Kind == BoxKind::Closed) {
        const double root = std::sqrt(1.0 + Alpha(vasLitres, box));
        out.Qtc = d.Qts() * root;
        out.FcHz = d.Fs * root;
    }
    const Scan scan = ScanResponse(d, vasLitres, box);
    out.F3Hz = F3Of(d, vasLitres, box, scan);
    out.Extremum = ExtremumOf(d, vasLitres, box, scan, out.F3Hz);
    return out;
}

// The cone's mechanical impedance with the mass taken as 1: the suspension, its losses and the
// air of the box behind it; the motor turns it into Bl^2 / Zm = (ws Re / Qes) / Zm.
std::complex<double> BoxImpedance(const DriverModel& d, double vasLitres, const BoxDesign& box,
                                  double f) {
    const double ws = 2.0 * kPi * d.Fs;
    const double alpha = Alpha(vasLitres, box);
    const std::complex<double> s(0.0, 2.0 * kPi * f);
    std::complex<double> mech = s + ws / d.Qms + ws * ws / s;
    if (box.Kind == BoxKind::Closed) {
        mech += alpha * ws * ws / s;
    } else {
        // The box's air as a compliance, the port as a mass tuned with it to fb, the leaks as a
        // resistance across them giving QL at fb.
        const double wb = 2.0 * kPi * box.FbHz;
        const double compliance = 1.0 / (alpha * ws * ws);
        const double portMass = 1.0 / (wb * wb * compliance);
        mech += 1.0 / (s * compliance + 1.0 / (s * portMass) + wb * compliance / box.Ql);
    }
    return d.BlockedImpedance(f) + ws * d.Re / d.Qes / mech;
}

Alignments AlignmentsFor(const DriverModel& d, double vasLitres) {
    Alignments out;
    const double qts = d.Qts();
    if (qts < kButterworthQ) {
        const double alpha = kButterworthQ * kButterworthQ / (qts * qts) - 1.0;
        out.ClosedVbLitres = vasLitres / alpha;
        out.ClosedF3Hz = d.Fs * kButterworthQ / qts;
    } else {
        out.ClosedError =
            text::arg(text::translate("BoxDesign", "Qts %1 ist für ein geschlossenes Gehäuse "
                                                   "mit Qtc 0,707 zu hoch"),
                      {text::fixed(qts, 3)});
    }
    // The two conditions C3 = C2 = 0 in log alpha and log h, from the lossless solution.
    const auto terms = [&](std::span<const double> x, std::vector<double>& r) {
        const SquaredTerms t =
            SquaredTermsOf(VentedQuartic(qts, kAlignmentQl, std::exp(x[0]), std::exp(x[1])));
        r = {t.C3, t.C2};
    };
    const double a2 = std::sqrt(std::max(2.0 / (qts * qts) - 2.0, 1e-6));
    const double h = 1.0 / (2.0 * a2 * qts * qts);
    const double alpha = std::max(a2 * h - 1.0 - h * h, 0.1);
    const LeastSquaresResult solved = MinimiseSquares(terms, {std::log(alpha), std::log(h)});
    const double fitAlpha = std::exp(solved.X[0]), fitH = std::exp(solved.X[1]);
    const SquaredTerms t = SquaredTermsOf(VentedQuartic(qts, kAlignmentQl, fitAlpha, fitH));
    if (!solved.Converged || solved.Cost > 1e-16 || !(t.C1 >= -1e-6) || !std::isfinite(fitAlpha)) {
        out.VentedError =
            text::arg(text::translate("BoxDesign", "Qts %1 ist für ein maximal flaches "
                                                   "Bassreflexgehäuse (QB3/B4 bei QL 7) zu hoch"),
                      {text::fixed(qts, 3)});
        return out;
    }
    out.VentedVbLitres = vasLitres / fitAlpha;
    out.VentedFbHz = d.Fs * fitH;
    out.VentedF3Hz =
        FiguresOf(d, vasLitres, {BoxKind::Vented, out.VentedVbLitres, out.VentedFbHz, kAlignmentQl})
            .F3Hz;
    return out;
}

std::string BoxRefusal(const BoxDesign& box) {
    if (!(box.VbLitres > 0.0) || !std::isfinite(box.VbLitres))
        return text::translate("BoxDesign", "Das Gehäusevolumen Vb fehlt");
    if (box.Kind == BoxKind::Vented && (!(box.FbHz > 0.0) || !std::isfinite(box.FbHz)))
        return text::translate("BoxDesign", "Die Abstimmfrequenz fb des Bassreflexgehäuses fehlt");
    if (box.Kind == BoxKind::Vented && (!(box.Ql > 0.0) || !std::isfinite(box.Ql)))
        return text::translate("BoxDesign", "Die Gehäuseverluste QL fehlen");
    return {};
}

} // namespace terzlab
