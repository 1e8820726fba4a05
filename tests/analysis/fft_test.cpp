#include "analysis/fft.h"
#include "signals.h"

#include <gtest/gtest.h>

#include <complex>
#include <random>

namespace terzlab {
namespace {

using test::stereoBlock;

// The obviously correct transform: the defining sum, in double, scaled by 1/N.
std::vector<std::complex<double>> slowDft(const std::vector<float>& re,
                                          const std::vector<float>& im) {
    const size_t n = re.size();
    std::vector<std::complex<double>> out(n);
    for (size_t k = 0; k < n; ++k) {
        std::complex<double> sum = 0;
        for (size_t i = 0; i < n; ++i) {
            const double angle = -2 * M_PI * static_cast<double>((k * i) % n) / n;
            sum += std::complex<double>(re[i], im[i]) * std::polar(1.0, angle);
        }
        out[k] = sum / static_cast<double>(n);
    }
    return out;
}

FftState stateOfSize(int32_t n) {
    FftState fft;
    fft.BlockSize = n;
    FftSetup(fft);
    return fft;
}

TEST(Fft, MatchesTheDefiningSumOnSmallBlocks) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> dist(-1, 1);
    for (int32_t n : {2, 4, 8, 16, 64, 256, 1024}) {
        FftState fft = stateOfSize(n);
        for (int32_t i = 0; i < n; ++i) {
            fft.FftRe[i] = dist(rng);
            fft.FftIm[i] = dist(rng);
        }
        const auto expected = slowDft(fft.FftRe, fft.FftIm);
        Fft(fft, 0);
        for (int32_t k = 0; k < n; ++k) {
            ASSERT_NEAR(fft.FftRe[k], expected[k].real(), 1e-6) << "n=" << n << " k=" << k;
            ASSERT_NEAR(fft.FftIm[k], expected[k].imag(), 1e-6) << "n=" << n << " k=" << k;
        }
    }
}

TEST(Fft, InverseUndoesForwardWithoutScaling) {
    FftState fft = stateOfSize(512);
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> dist(-1, 1);
    for (int32_t i = 0; i < 512; ++i)
        fft.FftRe[i] = dist(rng), fft.FftIm[i] = dist(rng);
    const auto re = fft.FftRe;
    const auto im = fft.FftIm;
    Fft(fft, 0);
    Fft(fft, 1);
    for (int32_t i = 0; i < 512; ++i) {
        EXPECT_NEAR(fft.FftRe[i], re[i], 1e-5);
        EXPECT_NEAR(fft.FftIm[i], im[i], 1e-5);
    }
}

TEST(Fft, FullScaleSineOnABinGivesUnitPowerOnBothChannels) {
    FftState fft;
    ASSERT_TRUE(GetBlockSize(fft, 0));
    const int32_t n = fft.BlockSize;
    const auto sine = test::cosineOnBin(n, 372, 32768.0 * (32767.0 / 32768.0));
    const auto block = stereoBlock(n, sine, sine);
    LoadBlock(fft, block);
    for (int32_t k = 0; k < n / 2; ++k) {
        const ChannelBin c = SeparateChannels(fft, k);
        const double expected = k == 372 ? std::pow(32767.0 / 32768.0, 2) : 0.0;
        ASSERT_NEAR(c.P1(), expected, 1e-6) << k;
        ASSERT_NEAR(c.P2(), expected, 1e-6) << k;
    }
}

TEST(Fft, PackedTransformSeparatesTheChannels) {
    FftState fft;
    ASSERT_TRUE(GetBlockSize(fft, 1)); // Hanning window as well
    const int32_t n = fft.BlockSize;
    auto block = test::noiseBlock(n, 11);
    for (int32_t i = 0; i < n; ++i)
        block[2 * i + 1] = 0;
    LoadBlock(fft, block);
    double left = 0;
    for (int32_t k = 0; k < n / 2; ++k) {
        const ChannelBin c = SeparateChannels(fft, k);
        ASSERT_NEAR(c.P2(), 0.0, 1e-12) << k;
        left += c.P1();
    }
    EXPECT_GT(left, 0.01);
}

TEST(Fft, BlockSizeAndWindowFollowTheMeasurementType) {
    FftState fft;
    ASSERT_TRUE(GetBlockSize(fft, 0));
    EXPECT_EQ(fft.BlockSize, 16384);
    EXPECT_EQ(fft.WindowType, kWindowUniform);
    ASSERT_TRUE(GetBlockSize(fft, 1));
    EXPECT_EQ(fft.WindowType, kWindowHanning);
    EXPECT_FLOAT_EQ(
        fft.WindowCoeff[100],
        static_cast<float>((0.5 - 0.5 * std::cos(6.28318530717958 * 100 / 16383)) * 1.633));
    ASSERT_TRUE(GetBlockSize(fft, 0));
    EXPECT_EQ(fft.WindowCoeff[100], 1.0f);
    ASSERT_TRUE(GetBlockSize(fft, 2));
    EXPECT_EQ(fft.BlockSize, 8192);
    ASSERT_TRUE(GetBlockSize(fft, 4));
    EXPECT_EQ(fft.BlockSize, 65536);
    EXPECT_EQ(fft.WindowType, kWindowUniform);
    EXPECT_EQ(fft.FftRe.size(), 65536u);
    EXPECT_FALSE(GetBlockSize(fft, -1));
    EXPECT_FALSE(GetBlockSize(fft, 5));
    EXPECT_EQ(fft.BlockSize, 65536);
}

TEST(Fft, WindowsAreSymmetricWithUnitMeanPower) {
    for (int16_t type : {kWindowHanning, kWindowHamming, kWindowBlackman}) {
        FftState fft;
        fft.BlockSize = 16384;
        fft.WindowType = type;
        FftSetup(fft);
        double power = 0;
        for (float w : fft.WindowCoeff)
            power += double(w) * w;
        EXPECT_NEAR(power / 16384, 1.0, 0.003) << WindowName(type);
        EXPECT_EQ(fft.WindowCoeff[0], fft.WindowCoeff[16383]);
    }
    FftState hanning;
    hanning.BlockSize = 16385; // odd, so that the centre falls on a sample
    hanning.WindowType = kWindowHanning;
    FftSetup(hanning);
    EXPECT_NEAR(hanning.WindowCoeff[0], 0.0f, 1e-7);
    EXPECT_NEAR(hanning.WindowCoeff[16384], 0.0f, 1e-7);
    EXPECT_FLOAT_EQ(hanning.WindowCoeff[8192], 1.633f);
}

} // namespace
} // namespace terzlab
