#include "analysis/bands.h"
#include "analysis/constants.h"
#include "analysis/types.h"
#include "signals.h"

#include <gtest/gtest.h>

#include <cmath>

namespace terzlab {
namespace {

using test::stereoBlock;

using Rig = test::BandRig;

TEST(BandTable, GridsAt44100And48000) {
    Rig level(meas::kLevelOneChannel);
    const BandTable& t = level.bands.Table;
    EXPECT_EQ(t.LastBand, 134);
    for (int b = 0; b <= 120; b += 40)
        EXPECT_NEAR(t.BandFreq[b], std::pow(10.0, 1 + b / 40), 1e-7) << b;
    // Band 0 (9.716 ... 10.29 Hz) lies inside bin 3 and takes 0.214 of its power.
    EXPECT_EQ(t.BandBin[0], 3);
    EXPECT_EQ(t.BandBin[1], 3);
    EXPECT_NEAR(t.BandFrac[1] - t.BandFrac[0], 0.214, 0.0005);
    EXPECT_EQ(Rig(meas::kImpedanceTwoChannel).bands.Table.LastBand, 133);
    EXPECT_EQ(Rig(meas::kLevelOneChannel, 48000).bands.Table.LastBand, 135);
    EXPECT_EQ(Rig(meas::kImpedanceOneChannel, 48000).bands.Table.LastBand, 134);
    // Impedance bands sit on the same bins at both rates.
    Rig at44(meas::kImpedanceTwoChannel);
    Rig at48(meas::kImpedanceTwoChannel, 48000);
    for (int b = 0; b <= 133; ++b)
        ASSERT_EQ(at44.bands.Table.BandBin[b], at48.bands.Table.BandBin[b]) << b;
    EXPECT_EQ(at44.bands.Table.BandBin[0], 15); // 10 Hz = bin 14.86
    EXPECT_DOUBLE_EQ(at44.bands.Table.BandFreq[0], 15 * 44100.0 / 65536);
    EXPECT_EQ(at48.bands.Table.BandBin[134], 32767); // clamped to the lower half spectrum
}

// A later block with the count back at 0 replaces the means instead of averaging.
TEST(BandAnalysis, TransferRatioExchangeAndSilentDivisor) {
    Rig rig(meas::kLevelTwoChannel);
    rig.impulses(20000, 10000);
    EXPECT_NEAR(rig.row(3, 60), 4.0, 1e-6);
    rig.in.ExchangeChannel = true;
    rig.impulses(20000, 10000);
    EXPECT_NEAR(rig.row(3, 60), 0.25, 1e-6);
    // A silent divisor leaves the mean without a value until the count restarts.
    rig.in.ExchangeChannel = false;
    rig.impulses(20000, 0);
    EXPECT_EQ(rig.row(3, 60), kNoValue);
    rig.in.AvgCount = 1;
    rig.impulses(20000, 10000);
    EXPECT_EQ(rig.row(3, 60), kNoValue);
}

// The divider's answers and phase over the whole grid are pinned end to end by terzlab-analyze;
// here the limits: equal channels, exchanged wiring, no signal.
TEST(BandAnalysis, TwoChannelImpedanceOpenCircuitExchangeAndSilence) {
    Rig rig(meas::kImpedanceTwoChannel);
    rig.impulses(20000, 20000);
    for (int b = 0; b <= rig.bands.Table.LastBand; ++b)
        ASSERT_TRUE(rig.row(3, b) == kOpenCircuit && rig.row(4, b) == 0.0) << b;
    rig.in.ExchangeChannel = true; // left at the source, right across Z: Z = Rv
    rig.impulses(16000, 8000);
    EXPECT_NEAR(rig.row(3, 70), 10.0, 1e-9);
    EXPECT_NEAR(rig.row(4, 70), 0.0, 1e-9);
    rig.impulses(0, 0);
    EXPECT_EQ(rig.row(3, 70), kNoValue);
    EXPECT_EQ(rig.row(4, 70), kNoValue);
}

TEST(BandAnalysis, OneChannelImpedanceInTwoParts) {
    Rig rig(meas::kImpedanceOneChannel);
    rig.in.ActiveChannel = 1;
    rig.in.ImpedancePart = 1;
    rig.impulses(0, 16000);
    rig.in.ImpedancePart = 2;
    rig.impulses(0, 4000);
    EXPECT_NEAR(rig.row(3, 40), 2.5, 1e-9); // Rv * 4000/16000
    EXPECT_GT(rig.row(1, 40), 0.0);         // part 1 survives into part 2

    Rig silent(meas::kImpedanceOneChannel);
    silent.in.ImpedancePart = 2;
    silent.impulses(4000, 0);
    EXPECT_EQ(silent.row(3, 40), kNoValue); // part 1 never measured
}

TEST(BandAnalysis, WideRangeTakesTheStrongestBinNearEachBand) {
    Rig rig(meas::kImpedanceTwoChannel, 48000);
    rig.in.WideRange = true;
    const int b = rig.bands.Table.LastBand; // clamped to the last bin of the half spectrum
    const auto tone = [&](int32_t bin) {
        rig.analyse(stereoBlock(65536, test::cosineOnBin(65536, bin, 8000),
                                test::cosineOnBin(65536, bin, 16000)));
    };
    tone(32767 - 50);
    EXPECT_NEAR(rig.bands.BandSpecA1[b], 8000.0 / 32768, 1e-4);
    EXPECT_NEAR(rig.bands.BandSpecA2[b], 16000.0 / 32768, 1e-4);
    EXPECT_NEAR(rig.row(3, b), 10.0, 1e-3);
    rig.in.WideRange = false; // the band's own bin is empty
    tone(32767 - 50);
    EXPECT_NEAR(rig.bands.BandSpecA1[b], 0.0, 1e-6);
    // The search reaches a hundredth of the band's bin to either side and not one bin further.
    rig.in.WideRange = true;
    const int mid = 100;
    const int32_t centre = rig.bands.Table.BandBin[mid];
    for (const int32_t beyond : {0, 1}) {
        tone(centre + centre / 100 + beyond);
        EXPECT_NEAR(rig.bands.BandSpecA1[mid], beyond ? 0.0 : 8000.0 / 32768, 1e-4) << beyond;
    }
}

TEST(PhaseDeg, LeftHalfPlaneAndAxes) {
    const double cases[][3] = {{-1, 1, 135}, {-1, 0, 180}, {-1, -1, -135}, {0, -2, -90}, {0, 0, 0}};
    for (const auto& c : cases)
        EXPECT_NEAR(PhaseDeg(c[0], c[1]), c[2], 1e-9) << c[0] << "," << c[1];
}

} // namespace
} // namespace terzlab
