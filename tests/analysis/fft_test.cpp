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

// A different bin on each channel: the packed transform must not leak one into the other.
TEST(Fft, FullScaleSineOnABinGivesUnitPowerOnItsChannelOnly) {
    FftState fft;
    ASSERT_TRUE(GetBlockSize(fft, 0));
    const int32_t n = fft.BlockSize;
    const double amp = 32767.0 / 32768.0;
    LoadBlock(fft, stereoBlock(n, test::cosineOnBin(n, 372, 32768.0 * amp),
                               test::cosineOnBin(n, 1001, 32768.0 * amp)));
    for (int32_t k = 0; k < n / 2; ++k) {
        const ChannelBin c = SeparateChannels(fft, k);
        ASSERT_NEAR(c.P1(), k == 372 ? amp * amp : 0.0, 1e-6) << k;
        ASSERT_NEAR(c.P2(), k == 1001 ? amp * amp : 0.0, 1e-6) << k;
    }
}

TEST(Fft, SwitchingTheTypeRecomputesTheWindowAndHanningPeaksAtItsScaleFactor) {
    FftState fft;
    ASSERT_TRUE(GetBlockSize(fft, 1));
    EXPECT_LT(fft.WindowCoeff[100], 0.01f);
    ASSERT_TRUE(GetBlockSize(fft, 0));
    EXPECT_EQ(fft.WindowCoeff[100], 1.0f);
    ASSERT_TRUE(GetBlockSize(fft, 4));
    EXPECT_EQ(fft.FftRe.size(), 65536u);
    EXPECT_FALSE(GetBlockSize(fft, -1)); // no selection changes nothing
    EXPECT_EQ(fft.BlockSize, 65536);

    FftState hanning;
    hanning.BlockSize = 16385; // odd, so that the centre falls on a sample
    hanning.WindowType = kWindowHanning;
    FftSetup(hanning);
    EXPECT_EQ(hanning.WindowCoeff[0], 0.0f);
    EXPECT_NEAR(hanning.WindowCoeff[16384], 0.0f, 1e-7);
    EXPECT_FLOAT_EQ(hanning.WindowCoeff[8192], 1.633f);
}

} // namespace
} // namespace terzlab
