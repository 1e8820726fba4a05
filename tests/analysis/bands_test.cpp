#include "analysis/bands.h"
#include "analysis/constants.h"
#include "analysis/types.h"
#include "signals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>

namespace terzlab {
namespace {

using test::stereoBlock;

struct Rig {
    FftState fft;
    BandState bands;
    BandAnalysisInputs in;

    explicit Rig(int16_t type, int32_t sampleRate = 44100) {
        GetBlockSize(fft, type);
        BuildBandTable(bands, {sampleRate, fft.BlockSize, type});
        in.MeasTypeIndex = type;
    }
    void analyse(const std::vector<int16_t>& block) {
        LoadBlock(fft, block);
        BandAnalysis(bands, fft, in);
    }
    double row(int r, int b) const { return bands.Results(r, b); }
};

TEST(BandTable, LevelGridAt44100And48000) {
    Rig level(meas::kLevelOneChannel);
    const BandTable& t = level.bands.Table;
    EXPECT_EQ(t.LastBand, 134);
    EXPECT_NEAR(t.BandFreq[0], 10.0, 1e-9);
    EXPECT_NEAR(t.BandFreq[40], 100.0, 1e-9);
    EXPECT_NEAR(t.BandFreq[80], 1000.0, 1e-8);
    EXPECT_NEAR(t.BandFreq[120], 10000.0, 1e-7);
    // Band 0 (9.716 ... 10.29 Hz) lies inside bin 3 and takes 0.214 of its power.
    EXPECT_EQ(t.BandBin[0], 3);
    EXPECT_EQ(t.BandBin[1], 3);
    EXPECT_NEAR(t.BandFrac[1] - t.BandFrac[0], 0.214, 0.0005);
    EXPECT_EQ(Rig(meas::kImpedanceTwoChannel).bands.Table.LastBand, 133);
    EXPECT_EQ(Rig(meas::kLevelOneChannel, 48000).bands.Table.LastBand, 135);
    EXPECT_EQ(Rig(meas::kImpedanceOneChannel, 48000).bands.Table.LastBand, 134);
}

TEST(BandTable, ImpedanceBandsSitOnTheSameBinsAtBothRates) {
    Rig at44(meas::kImpedanceTwoChannel);
    Rig at48(meas::kImpedanceTwoChannel, 48000);
    for (int b = 0; b <= 133; ++b) {
        ASSERT_EQ(at44.bands.Table.BandBin[b], at48.bands.Table.BandBin[b]) << b;
    }
    EXPECT_EQ(at44.bands.Table.BandBin[0], 15); // 10 Hz = bin 14.86
    EXPECT_DOUBLE_EQ(at44.bands.Table.BandFreq[0], 15 * 44100.0 / 65536);
    EXPECT_EQ(at48.bands.Table.BandBin[134], 32767); // clamped to the lower half spectrum
}

TEST(BandAnalysis, FlatSpectrumRisesAQuarterDecibelPerBand) {
    Rig rig(meas::kLevelOneChannel);
    // An impulse has the same power in every bin.
    rig.analyse(stereoBlock(16384, test::impulse(0, 30000), test::silence()));
    for (int b = 1; b < rig.bands.Table.LastBand - 1; ++b) {
        const double step = 10 * std::log10(rig.row(1, b) / rig.row(1, b - 1));
        ASSERT_NEAR(step, 0.25, 1e-6) << b;
    }
    EXPECT_EQ(rig.row(2, 10), 0.0);
}

TEST(BandAnalysis, FirstBlockReplacesAndLaterBlocksAverage) {
    Rig rig(meas::kLevelOneChannel);
    const auto loud = stereoBlock(16384, test::impulse(0, 20000), test::impulse(0, 20000));
    const auto quiet = stereoBlock(16384, test::impulse(0, 10000), test::silence());
    rig.analyse(loud);
    const double loudPower = rig.row(1, 50);
    rig.analyse(quiet); // AvgCount still 0: replaces
    const double quietPower = rig.row(1, 50);
    EXPECT_NEAR(quietPower / loudPower, 0.25, 1e-6);
    EXPECT_EQ(rig.row(2, 50), 0.0);
    rig.in.AvgCount = 1;
    rig.analyse(loud);
    EXPECT_NEAR(rig.row(1, 50), (quietPower + loudPower) / 2, 1e-15);
}

TEST(BandAnalysis, TransferRatioExchangeAndSilentDivisor) {
    Rig rig(meas::kLevelTwoChannel);
    const auto equal = test::noiseBlock(16384, 9);
    auto block = equal;
    for (int32_t i = 0; i < 16384; ++i)
        block[2 * i + 1] = block[2 * i];
    rig.analyse(block);
    for (int b = 0; b <= rig.bands.Table.LastBand; ++b)
        ASSERT_NEAR(rig.row(3, b), 1.0, 1e-6);

    const auto halfRight =
        stereoBlock(16384, test::impulse(8192, 20000), test::impulse(8192, 10000));
    rig.analyse(halfRight);
    EXPECT_NEAR(rig.row(3, 60), 4.0, 1e-6);
    rig.in.ExchangeChannel = true;
    rig.analyse(halfRight);
    EXPECT_NEAR(rig.row(3, 60), 0.25, 1e-6);
    // A silent divisor leaves the mean without a value until the count restarts.
    rig.in.ExchangeChannel = false;
    rig.analyse(stereoBlock(16384, test::impulse(8192, 20000), test::silence()));
    EXPECT_EQ(rig.row(3, 60), kNoValue);
    rig.in.AvgCount = 1;
    rig.analyse(halfRight);
    EXPECT_EQ(rig.row(3, 60), kNoValue);
}

TEST(BandAnalysis, TwoChannelImpedanceKnownAnswersAndPhase) {
    Rig rig(meas::kImpedanceTwoChannel);
    const auto same = stereoBlock(65536, test::impulse(0, 20000), test::impulse(0, 20000));
    rig.analyse(same);
    for (int b = 0; b <= rig.bands.Table.LastBand; ++b) {
        ASSERT_EQ(rig.row(3, b), kOpenCircuit) << b;
        ASSERT_EQ(rig.row(4, b), 0.0) << b;
    }
    // Left across Z, right at the source: Z = Rv halves the voltage.
    const auto divider = stereoBlock(65536, test::impulse(0, 8000), test::impulse(0, 16000));
    rig.analyse(divider);
    for (int b = 0; b <= rig.bands.Table.LastBand; ++b) {
        ASSERT_NEAR(rig.row(3, b), 10.0, 1e-9) << b;
        ASSERT_NEAR(rig.row(4, b), 0.0, 1e-9) << b;
    }
    // Exchanged wiring: the same divider with the channels swapped reads the same.
    rig.in.ExchangeChannel = true;
    rig.analyse(stereoBlock(65536, test::impulse(0, 16000), test::impulse(0, 8000)));
    EXPECT_NEAR(rig.row(3, 70), 10.0, 1e-9);
    // No signal at all has no impedance.
    rig.analyse(stereoBlock(65536, test::silence(), test::silence()));
    EXPECT_EQ(rig.row(3, 70), kNoValue);
    EXPECT_EQ(rig.row(4, 70), kNoValue);
    rig.in.ExchangeChannel = false;
    // One sample of delay on the voltage across Z turns its phase by -360*f/fs degrees.
    rig.analyse(stereoBlock(65536, test::impulse(1, 8000), test::impulse(0, 16000)));
    const int b = 60;
    const double bin = rig.bands.Table.BandBin[b];
    const double turn = -2 * M_PI * bin / 65536;
    const std::complex<double> x1 = std::polar(0.5, turn);
    const std::complex<double> z = 10.0 * x1 / (1.0 - x1);
    EXPECT_NEAR(rig.row(3, b), std::abs(z), 1e-4);
    EXPECT_NEAR(rig.row(4, b), std::arg(z) * 180 / M_PI, 1e-4);
}

TEST(BandAnalysis, OneChannelImpedanceInTwoParts) {
    Rig rig(meas::kImpedanceOneChannel);
    rig.in.ActiveChannel = 1;
    rig.in.ImpedancePart = 1;
    rig.analyse(stereoBlock(65536, test::silence(), test::impulse(0, 16000)));
    rig.in.ImpedancePart = 2;
    rig.analyse(stereoBlock(65536, test::silence(), test::impulse(0, 4000)));
    EXPECT_NEAR(rig.row(3, 40), 2.5, 1e-9); // Rv * 4000/16000
    EXPECT_GT(rig.row(1, 40), 0.0);         // part 1 survives into part 2

    Rig silent(meas::kImpedanceOneChannel);
    silent.in.ImpedancePart = 2;
    silent.analyse(stereoBlock(65536, test::impulse(0, 4000), test::silence()));
    EXPECT_EQ(silent.row(3, 40), kNoValue); // part 1 never measured
}

TEST(BandAnalysis, WideRangeTakesTheStrongestBinNearEachBand) {
    Rig rig(meas::kImpedanceTwoChannel, 48000);
    rig.in.WideRange = true;
    const int b = rig.bands.Table.LastBand; // clamped to the last bin of the half spectrum
    const int32_t target = 32767 - 50;
    rig.analyse(stereoBlock(65536, test::cosineOnBin(65536, target, 8000),
                            test::cosineOnBin(65536, target, 16000)));
    EXPECT_NEAR(rig.bands.BandSpecA1[b], 8000.0 / 32768, 1e-4);
    EXPECT_NEAR(rig.bands.BandSpecA2[b], 16000.0 / 32768, 1e-4);
    EXPECT_NEAR(rig.row(3, b), 10.0, 1e-3);
    rig.in.WideRange = false; // the band's own bin is empty
    rig.analyse(stereoBlock(65536, test::cosineOnBin(65536, target, 8000),
                            test::cosineOnBin(65536, target, 16000)));
    EXPECT_NEAR(rig.bands.BandSpecA1[b], 0.0, 1e-6);
    // The search reaches a hundredth of the band's bin to either side and not one bin further.
    rig.in.WideRange = true;
    const int mid = 100;
    const int32_t centre = rig.bands.Table.BandBin[mid];
    for (const int32_t beyond : {0, 1}) {
        const int32_t bin = centre + centre / 100 + beyond;
        rig.analyse(stereoBlock(65536, test::cosineOnBin(65536, bin, 8000),
                                test::cosineOnBin(65536, bin, 16000)));
        EXPECT_NEAR(rig.bands.BandSpecA1[mid], beyond ? 0.0 : 8000.0 / 32768, 1e-4) << beyond;
    }
}

TEST(PhaseDeg, LeftHalfPlaneAndAxes) {
    EXPECT_NEAR(PhaseDeg(-1, 1), 135, 1e-9);
    EXPECT_NEAR(PhaseDeg(-1, 0), 180, 1e-9);
    EXPECT_NEAR(PhaseDeg(-1, -1), -135, 1e-9);
    EXPECT_EQ(PhaseDeg(0, -2), -90);
    EXPECT_EQ(PhaseDeg(0, 0), 0);
}

} // namespace
} // namespace terzlab
