// The per-block analysis beside the transform: the band table and band sums, the block's peaks
// and the pulse position.
#include "analysis/align.h"
#include "analysis/constants.h"
#include "analysis/overload.h"
#include "signals.h"

#include <gtest/gtest.h>

namespace terzlab {
namespace {

using Rig = test::BandRig;

TEST(BandTable, GridsAt44100And48000) {
    Rig level(MeasType::LevelOneChannel);
    const BandTable& t = level.bands.Table;
    for (int b = 0; b <= 120; b += 40)
        EXPECT_NEAR(t.BandFreq[b], std::pow(10.0, 1 + b / 40), 1e-7) << b;
    // Band 0 (9.716 ... 10.29 Hz) lies inside bin 3 and takes 0.214 of its power.
    EXPECT_EQ(std::pair(t.BandBin[0], t.BandBin[1]), (std::pair<int16_t, int16_t>(3, 3)));
    EXPECT_NEAR(t.BandFrac[1] - t.BandFrac[0], 0.214, 0.0005);
    EXPECT_EQ(t.LastBand, 134);
    EXPECT_EQ(Rig(MeasType::ImpedanceTwoChannel).bands.Table.LastBand, 133);
    EXPECT_EQ(Rig(MeasType::LevelOneChannel, 48000).bands.Table.LastBand, 135);
    EXPECT_EQ(Rig(MeasType::ImpedanceOneChannel, 48000).bands.Table.LastBand, 134);
    // Impedance bands sit on the same bins at both rates.
    Rig at44(MeasType::ImpedanceTwoChannel), at48(MeasType::ImpedanceTwoChannel, 48000);
    for (int b = 0; b <= 133; ++b)
        ASSERT_EQ(at44.bands.Table.BandBin[b], at48.bands.Table.BandBin[b]) << b;
    EXPECT_EQ(at44.bands.Table.BandBin[0], 15); // 10 Hz = bin 14.86
    EXPECT_DOUBLE_EQ(at44.bands.Table.BandFreq[0], 15 * 44100.0 / 65536);
    EXPECT_EQ(at48.bands.Table.BandBin[134], 32767); // clamped to the lower half spectrum
}

// The divider's answers and phase over the whole grid are pinned end to end by terzlab-analyze;
// here the limits: equal channels, exchanged wiring, no signal.
TEST(BandAnalysis, TwoChannelImpedanceOpenCircuitExchangeAndSilence) {
    Rig rig(MeasType::ImpedanceTwoChannel);
    rig.impulses(20000, 20000);
    for (int b = 0; b <= rig.bands.Table.LastBand; ++b)
        ASSERT_EQ(std::pair(rig.row(3, b), rig.row(4, b)), std::pair(kOpenCircuit, 0.0)) << b;
    rig.in.ExchangeChannel = true; // left at the source, right across Z: Z = Rv
    rig.impulses(16000, 8000);
    EXPECT_NEAR(rig.row(3, 70), 10.0, 1e-9);
    EXPECT_NEAR(rig.row(4, 70), 0.0, 1e-9);
    rig.impulses(0, 0);
    EXPECT_EQ(std::pair(rig.row(3, 70), rig.row(4, 70)), std::pair(kNoValue, kNoValue));
}

TEST(BandAnalysis, OneChannelImpedanceInTwoParts) {
    Rig rig(MeasType::ImpedanceOneChannel);
    rig.in.ActiveChannel = 1;
    rig.in.ImpedancePart = 1;
    rig.impulses(0, 16000);
    rig.in.ImpedancePart = 2;
    rig.impulses(0, 4000);
    EXPECT_NEAR(rig.row(3, 40), 2.5, 1e-9); // Rv * 4000/16000
    EXPECT_GT(rig.row(1, 40), 0.0);         // part 1 survives into part 2

    Rig silent(MeasType::ImpedanceOneChannel);
    silent.in.ImpedancePart = 2;
    silent.impulses(4000, 0);
    EXPECT_EQ(silent.row(3, 40), kNoValue); // part 1 never measured
}

TEST(PhaseDeg, LeftHalfPlaneAndAxes) {
    const double cases[][3] = {{-1, 1, 135}, {-1, 0, 180}, {-1, -1, -135}, {0, -2, -90}, {0, 0, 0}};
    for (const auto& c : cases)
        EXPECT_NEAR(PhaseDeg(c[0], c[1]), c[2], 1e-9) << c[0] << "," << c[1];
}

// The threshold (32000 / 32001 on either polarity) is pinned end to end by terzlab-analyze. The
// time view's scale steps at half of full scale, the bar's 50.5 pixels round to even.
TEST(Overload, PeaksOfTheBlocksFramesOnlyAndTheScalesTheyGive) {
    auto block = test::stereoBlock(1024, test::impulse(10, 32000), test::impulse(20, -32768));
    EXPECT_EQ(ChannelPeaks(block, 1024), (std::array<int32_t, 2>{32000, 32768}));
    EXPECT_TRUE(IsOverload(32768));
    EXPECT_EQ(ChannelPeaks(block, 8)[0], 0); // only the block's frames count
    EXPECT_EQ((std::vector<int>{TimeViewScale(16384).RangeTop, TimeViewScale(16383).RangeTop,
                                LevelBarLength(32768, 200), LevelBarLength(16384, 101),
                                LevelBarLength(0, 200)}),
              (std::vector{100, 50, 200, 50, 0}));
}

std::vector<int16_t> pulse(int32_t rise, int32_t fall, int16_t level = 20000) {
    const auto high = [=](int32_t i) {
        return rise < fall ? i >= rise && i < fall : i >= rise || i < fall;
    };
    return test::stereoBlock(
        8192, [=](int32_t i) { return high(i) ? level : 0.0; }, test::kSilence);
}

TEST(AlignTime, FindsThePulseAndKeepsTheLastUsablePosition) {
    AlignState align;
    const auto at = [&](const std::vector<int16_t>& block, int16_t channel = 0) {
        AlignTime(align, block, 8192, channel);
        return align.AlignPosition;
    };
    EXPECT_EQ(at(pulse(1000, 1010)), 1005);
    EXPECT_EQ(at(pulse(3000, 3460)), 3230); // edges under 512 frames apart are one pulse
    EXPECT_EQ(at(pulse(8000, 268)), 8230);  // also round the end of the block
    EXPECT_EQ(at(pulse(8190, 3)), 8192);    // wraps round the end of the block
    EXPECT_EQ(at(pulse(2000, 2600)), 8192); // edges too far apart for one pulse: the last stays
    EXPECT_EQ(at(pulse(0, 0, 0)), 0);       // silence
    EXPECT_EQ(at(pulse(3000, 3100), 1), 0); // the right channel is silent
}

} // namespace
} // namespace terzlab
