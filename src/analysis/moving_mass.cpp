#include "analysis/constants.h"
#include "analysis/thiele_small.h"
#include "text/translate.h"

#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

// The moving mass from resonances with added masses, and the figures that follow from it.
namespace terzlab {
namespace {

// A loaded resonance must move by more than this ratio, or Mms is noise.
constexpr double kMinMassShift = 1.005;
// An added mass beyond this many cone masses moves the resonance below a third: no driver is
// measured so, it is a slip of the keyboard.
constexpr double kMostMassRatio = 10.0;

// 1/fs^2 grows in a straight line with the moving mass: 1/fs^2 = (2 pi)^2 Cms (Mms + m).
struct Line {
    double Offset = 0.0; // at m = 0: (2 pi)^2 Cms Mms
    double Slope = 0.0;  // per kg: (2 pi)^2 Cms
};

// The least-squares line through (0, 1/fs^2) and every (m, 1/fs_m^2), m in kg.
Line MassLine(const DriverModel& free, const std::vector<LoadedResonance>& loaded) {
    std::vector<std::pair<double, double>> points = {{0.0, 1.0 / (free.Fs * free.Fs)}};
    for (const LoadedResonance& l : loaded)
        points.emplace_back(l.AddedGrams * 1e-3, 1.0 / (l.Fs * l.Fs));
    double meanM = 0.0, meanY = 0.0;
    for (const auto& [m, y] : points) {
        meanM += m / static_cast<double>(points.size());
        meanY += y / static_cast<double>(points.size());
    }
    double sxy = 0.0, sxx = 0.0;
    for (const auto& [m, y] : points) {
        sxy += (m - meanM) * (y - meanY);
        sxx += (m - meanM) * (m - meanM);
    }
    const double slope = sxy / sxx;
    return {.Offset = meanY - slope * meanM, .Slope = slope};
}

} // namespace

MovingMass AddedMassMethod(const DriverModel& free, const DriverModel& loaded, double addedGrams) {
    return AddedMassLine(free, {{loaded.Fs, addedGrams}});
}

MovingMass AddedMassLine(const DriverModel& free, const std::vector<LoadedResonance>& loaded) {
    MovingMass out;
    std::vector<double> singleMms;
    for (const LoadedResonance& l : loaded) {
        const double shift = free.Fs / l.Fs;
        if (!(shift > kMinMassShift)) {
            out.Error =
                text::arg(text::translate("ThieleSmallFit", "Die Resonanz mit Zusatzmasse (%1 Hz) "
                                                            "liegt nicht tiefer als ohne (%2 Hz)"),
                          {text::fixed(l.Fs, 2), text::fixed(free.Fs, 2)});
            return out;
        }
        singleMms.push_back(l.AddedGrams / (shift * shift - 1.0));
    }
    const Line line = MassLine(free, loaded);
    const double slope = line.Slope;
    const double mms = line.Offset / line.Slope;
    if (!(slope > 0.0) || !(mms > 0.0)) {
        out.Error = text::translate("ThieleSmallFit",
                                    "Die Resonanzen mit den Zusatzmassen passen nicht zueinander "
                                    "(Mms ergibt sich nicht positiv)");
        return out;
    }
    for (const LoadedResonance& l : loaded) {
        if (l.AddedGrams > kMostMassRatio * mms * 1e3) {
            out.Error = text::arg(text::translate("ThieleSmallFit",
                                                  "Die Zusatzmasse %1 g ist mehr als zehnmal so "
                                                  "schwer wie die Membran (Mms %2 g): bitte die "
                                                  "Eingabe prüfen"),
                                  {text::fixed(l.AddedGrams, 1), text::fixed(mms * 1e3, 2)});
            return out;
        }
    }
    out.MmsGrams = mms * 1e3;
    out.CmsMmPerN = 1e3 * slope / (4.0 * kPi * kPi);
    out.BlTm = std::sqrt(2.0 * kPi * free.Fs * mms * free.Re / free.Qes);
    if (singleMms.size() == 2) {
        out.SpreadPercent =
            200.0 * std::fabs(singleMms[0] - singleMms[1]) / (singleMms[0] + singleMms[1]);
    }
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
