// The fast transform and band step against the straightforward ones: the same bits, not merely
// close values, for every window, measurement type and sample rate, on both kernel sets.
#include "analysis/bands.h"
#include "analysis/fft.h"
#include "analysis/types.h"
#include "signals.h"
#include "support/fft_reference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace terzlab {
namespace {

template <typename T> bool sameBits(const std::vector<T>& a, const std::vector<T>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0;
}

std::vector<std::vector<int16_t>> testBlocks(int32_t n) {
    using test::stereoBlock;
    const auto fullScale = [](int32_t i) { return i % 3 == 0 ? 32767.0 : -32768.0; };
    return {
        test::noiseBlock(n, 5),
        stereoBlock(n, test::cosineOnBin(n, 372, 32767), test::cosineOnBin(n, 1001, 20000.4)),
        stereoBlock(
            n, [](int32_t i) { return 30000 * std::sin(0.0123 * i); }, test::silence()),
        stereoBlock(n, fullScale, [](int32_t i) { return i % 2 ? 32767.0 : -32768.0; }),
    };
}

struct Rig {
    FftState fft;
    BandState bands;
    BandAnalysisInputs in;

    Rig(int16_t type, int16_t window, int32_t rate, bool vector) {
        GetBlockSize(fft, type);
        fft.WindowType = window;
        FftSetup(fft);
        fft.Plan.Vector = fft.Plan.Vector && vector;
        BuildBandTable(bands, {rate, fft.BlockSize, type});
        in.MeasTypeIndex = type;
        in.ImpedancePart = 1;
    }
};

void expectSameBits(const Rig& fast, const Rig& slow, const std::string& where) {
    EXPECT_TRUE(sameBits(fast.fft.FftRe, slow.fft.FftRe)) << where;
    EXPECT_TRUE(sameBits(fast.fft.FftIm, slow.fft.FftIm)) << where;
    EXPECT_TRUE(sameBits(fast.bands.Results.Cells, slow.bands.Results.Cells)) << where;
}

struct PipelineCase {
    int16_t type;
    int32_t rate;
    bool vector;
};

class FastPipeline : public ::testing::TestWithParam<PipelineCase> {};

// Three blocks in a row exercise the running means; the impedance type takes both parts.
TEST_P(FastPipeline, GivesTheBitsOfTheStraightforwardOne) {
    const auto [type, rate, vector] = GetParam();
    for (int16_t window = kWindowUniform; window <= kWindowBlackman; ++window) {
        Rig fast(type, window, rate, vector);
        Rig slow(type, window, rate, vector);
        int16_t count = 0;
        for (const auto& block : testBlocks(fast.fft.BlockSize)) {
            for (Rig* rig : {&fast, &slow}) {
                rig->in.AvgCount = count;
                rig->in.ImpedancePart = count < 2 ? 1 : 2;
                rig->in.WideRange = count % 2 == 1;
            }
            LoadBlock(fast.fft, block);
            BandAnalysis(fast.bands, fast.fft, fast.in);
            reference::LoadBlock(slow.fft, block);
            reference::BandAnalysis(slow.bands, slow.fft, slow.in);
            expectSameBits(fast, slow,
                           "window " + std::to_string(window) + " block " + std::to_string(count));
            ++count;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(TypesAndRates, FastPipeline,
                         ::testing::Values(PipelineCase{meas::kLevelOneChannel, 44100, true},
                                           PipelineCase{meas::kLevelOneChannel, 48000, false},
                                           PipelineCase{meas::kLevelTwoChannel, 48000, true},
                                           PipelineCase{meas::kLevelTwoChannel, 44100, false},
                                           PipelineCase{meas::kPulse, 44100, true},
                                           PipelineCase{meas::kImpedanceOneChannel, 44100, true},
                                           PipelineCase{meas::kImpedanceTwoChannel, 48000, true},
                                           PipelineCase{meas::kImpedanceTwoChannel, 44100, false}),
                         [](const auto& info) {
                             return "Type" + std::to_string(info.param.type) + "At" +
                                    std::to_string(info.param.rate) +
                                    (info.param.vector ? "Vector" : "Scalar");
                         });

// Every size, both directions, both kernel sets, on values spread over many binades.
TEST(FastFft, GivesTheBitsOfTheStraightforwardTransformAtEverySize) {
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> mantissa(-1, 1);
    std::uniform_int_distribution<int> exponent(-30, 4);
    for (int32_t n = 2; n <= 16384; n *= 2) {
        for (int16_t inverse : {0, 1}) {
            for (bool vector : {true, false}) {
                FftState fast;
                fast.BlockSize = n;
                FftSetup(fast);
                fast.Plan.Vector = fast.Plan.Vector && vector;
                for (int32_t i = 0; i < n; ++i) {
                    fast.FftRe[i] = std::ldexp(mantissa(rng), exponent(rng));
                    fast.FftIm[i] = std::ldexp(mantissa(rng), exponent(rng));
                }
                FftState slow = fast;
                Fft(fast, inverse);
                Fft(fast, inverse); // a second run on the result: no state of the first survives
                reference::Fft(slow, inverse);
                reference::Fft(slow, inverse);
                const std::string where = "n " + std::to_string(n) + " inverse " +
                                          std::to_string(inverse) + " vector " +
                                          std::to_string(vector);
                ASSERT_TRUE(sameBits(fast.FftRe, slow.FftRe)) << where;
                ASSERT_TRUE(sameBits(fast.FftIm, slow.FftIm)) << where;
            }
        }
    }
}

} // namespace
} // namespace terzlab
