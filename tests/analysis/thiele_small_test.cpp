// The lossy-coil fit on simulated drivers whose coil is a two-section eddy-current ladder
// (Le + L2 || R2 + L3 || R3): a truth the fitted single section can only approximate, as it can
// only approximate a real coil. And the classic fit beside it, a given Re that disagrees with
// the curve, and the added-mass line through two loaded resonances.
#include "analysis/thiele_small.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

namespace terzlab::test {
namespace {

// The coil as it is physically: Re, the inductance Le of the winding in air, and the eddy
// currents in the pole piece, a conductor of finite depth: K sqrt(j w) tanh(sqrt(j w tau)),
// an inductance without loss below 1 / tau and a semi-inductance (impedance rising with the
// root of frequency, half of it loss) above. Or, with tau 0, Le shunted by R2 (the bench's coil).
struct LossyDriver {
    const char* Name;
    double Re, Le, K, Tau, R2;
    double Fs, Qms, Qes, MmsGrams;

    std::complex<double> Impedance(double f) const {
        const std::complex<double> jw(0.0, 2.0 * std::numbers::pi * f);
        const std::complex<double> coil =
            Tau > 0 ? jw * Le + K * std::sqrt(jw) * std::tanh(std::sqrt(jw * Tau))
                    : jw * Le * R2 / (R2 + jw * Le);
        const std::complex<double> motional =
            Re * Qms / Qes / std::complex<double>(1.0, Qms * (f / Fs - Fs / f));
        return Re + coil + motional;
    }
    // A mass on the cone: the resonance falls, both Q rise by the root of the mass ratio.
    LossyDriver Loaded(double grams) const {
        const double root = std::sqrt(1.0 + grams / MmsGrams);
        LossyDriver d = *this;
        d.Fs /= root, d.Qms *= root, d.Qes *= root, d.MmsGrams += grams;
        return d;
    }
    double Qts() const { return Qms * Qes / (Qms + Qes); }
    double Bl() const { return std::sqrt(2 * std::numbers::pi * Fs * MmsGrams * 1e-3 * Re / Qes); }
};

// The 1/12-octave bands of a measurement from 10 Hz to 20 kHz.
ImpedanceCurve CurveOf(const LossyDriver& d, bool phase) {
    ImpedanceCurve c{{}, phase};
    for (int k = 0; k <= 132; ++k) {
        const double f = 10.0 * std::exp2(k / 12.0);
        const auto z = d.Impedance(f);
        c.Bands.push_back({f, std::abs(z), phase ? std::arg(z) * 180 / std::numbers::pi : 0.0});
    }
    return c;
}

double ErrorPercent(double got, double want) {
    return 100.0 * (got / want - 1.0);
}

// A 6.5" and a 10" woofer and a 4" midrange, their eddy currents setting in between 5 and 30 Hz,
// and the bench's coil.
const LossyDriver kDrivers[] = {
    {"woofer 6.5", 5.6, 0.15e-3, 0.025, 0.011, 0, 42, 3.2, 0.42, 16},
    {"woofer 10", 3.3, 0.40e-3, 0.045, 0.030, 0, 24, 4.5, 0.38, 60},
    {"midrange 4", 6.2, 0.05e-3, 0.012, 0.005, 0, 85, 2.4, 0.65, 4},
    {"bench coil", 6.5, 0.35e-3, 0, 0, 15, 45, 3.5, 0.8125, 20},
};

TEST(LossyCoilFit, RecoversTheDriverAndItsDcResistanceFromPhaseOrMagnitude) {
    for (const LossyDriver& d : kDrivers) {
        for (const bool phase : {true, false}) {
            SCOPED_TRACE(std::string(d.Name) + (phase ? ", with phase" : ", magnitude only"));
            const double addedGrams = d.MmsGrams / 2;
            const ThieleSmallFit fit = FitThieleSmall(CurveOf(d, phase));
            const ThieleSmallFit loaded = FitThieleSmall(CurveOf(d.Loaded(addedGrams), phase));
            ASSERT_EQ(fit.Error + loaded.Error, "");
            const MovingMass mass = AddedMassMethod(fit.Model, loaded.Model, addedGrams);
            EXPECT_LT(std::fabs(ErrorPercent(fit.Model.Fs, d.Fs)), 0.5);
            EXPECT_LT(std::fabs(ErrorPercent(fit.Model.Qts(), d.Qts())), 2.5);
            EXPECT_LT(std::fabs(ErrorPercent(fit.Model.Re, d.Re)), 2.0);
            EXPECT_LT(std::fabs(ErrorPercent(mass.BlTm, d.Bl())), 1.0);
            EXPECT_LT(fit.RmsPercent, 1.5);
            EXPECT_GT(fit.ToHz, 2000.0) << "the coil is fitted where it rules the curve";
        }
    }
}

// An ohmmeter's Re 5 % low keeps the coil near the one fitted without it, and says so; one far
// below the curve is refused with the reason, one above the curve's lowest value is doubted.
TEST(LossyCoilFit, GivenReThatDisagreesWithTheCurveIsWarnedAboutOrRefused) {
    const LossyDriver& d = kDrivers[0];
    const ThieleSmallFit own = FitThieleSmall(CurveOf(d, true));
    const ThieleSmallFit low = FitThieleSmall(CurveOf(d, true), 0.95 * d.Re);
    ASSERT_EQ(low.Error, "");
    EXPECT_LT(low.Model.Le, 2.0 * own.Model.Le + 0.1e-3);
    const double ownAt1k = std::abs(own.Model.BlockedImpedance(1000) - own.Model.Re);
    EXPECT_NEAR(std::abs(low.Model.BlockedImpedance(1000) - low.Model.Re), ownAt1k, 0.3 * ownAt1k);
    ASSERT_EQ(low.Warnings.size(), 1u);
    EXPECT_NE(low.Warnings[0].find("weicht um -"), std::string::npos) << low.Warnings[0];

    EXPECT_NE(FitThieleSmall(CurveOf(d, true), 1.0).Error.find("weit unter dem kleinsten Wert"),
              std::string::npos);
    double lowest = 1e9;
    for (const ImpedanceBand& b : CurveOf(d, true).Bands)
        lowest = std::min(lowest, b.Magnitude);
    const ThieleSmallFit high = FitThieleSmall(CurveOf(d, true), 1.03 * lowest);
    ASSERT_FALSE(high.Warnings.empty());
    EXPECT_NE(high.Warnings[0].find("über dem kleinsten Wert"), std::string::npos);
}

// Two masses: the line through the three resonances gives the driver's Mms and Cms; a loaded
// resonance read 1 % high pulls its own single-mass Mms further away than the line, and the
// spread shows it.
TEST(AddedMassLine, MassAndComplianceFromTheLineAndTheSpreadOfTheSingleResults) {
    const LossyDriver& d = kDrivers[1];
    const DriverModel free{.Re = d.Re, .Fs = d.Fs, .Qms = d.Qms, .Qes = d.Qes};
    const double cms = 1e3 / std::pow(2 * std::numbers::pi * d.Fs, 2) / (d.MmsGrams * 1e-3);
    const MovingMass exact = AddedMassLine(free, {{d.Loaded(20).Fs, 20}, {d.Loaded(45).Fs, 45}});
    EXPECT_NEAR(exact.MmsGrams, d.MmsGrams, 1e-6 * d.MmsGrams);
    EXPECT_NEAR(exact.CmsMmPerN, cms, 1e-6 * cms);
    EXPECT_NEAR(exact.BlTm, d.Bl(), 1e-6 * d.Bl());
    EXPECT_NEAR(exact.SpreadPercent, 0.0, 1e-6);

    const MovingMass skewed =
        AddedMassLine(free, {{1.01 * d.Loaded(20).Fs, 20}, {d.Loaded(45).Fs, 45}});
    const double first = 20 / (std::pow(d.Fs / (1.01 * d.Loaded(20).Fs), 2) - 1);
    const double second = 45 / (std::pow(d.Fs / d.Loaded(45).Fs, 2) - 1);
    EXPECT_NEAR(skewed.SpreadPercent, 200 * std::fabs(first - second) / (first + second), 1e-6);
    EXPECT_LT(std::fabs(skewed.MmsGrams - d.MmsGrams), std::fabs(first - d.MmsGrams));
    // More than ten cone masses: a slip of the keyboard, refused.
    EXPECT_NE(AddedMassLine(free, {{d.Loaded(11 * d.MmsGrams).Fs, 11 * d.MmsGrams}})
                  .Error.find("mehr als zehnmal"),
              std::string::npos);
}

} // namespace
} // namespace terzlab::test
