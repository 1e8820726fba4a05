// The whole per-block pipeline (window, transform, channel powers, band sums, running means and
// display values) against a slow reference written independently in double precision; and the
// fast transform and band step against the straightforward ones, for every window, measurement
// type and sample rate, on both kernel sets: the same bits, not merely close values, for the
// transform and the level bands.
#include "analysis/constants.h"
#include "analysis/display_range.h"
#include "analysis/meas_type.h"
#include "signals.h"
#include "support/fft_reference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <complex>
#include <cstring>

namespace terzlab {
namespace {

constexpr int32_t kN = 2048;
constexpr int32_t kRate = 44100;

// Power spectrum of one real channel: |2 X(k)/N|^2 by the defining sum.
std::vector<double> referencePower(const std::vector<int16_t>& block, int ch, bool hanning) {
    std::vector<double> x(kN);
    for (int32_t i = 0; i < kN; ++i) {
        const double w = hanning ? (0.5 - 0.5 * std::cos(2 * M_PI * i / (kN - 1))) * 1.633 : 1.0;
        x[i] = block[2 * i + ch] / 32768.0 * w;
    }
    std::vector<double> p(kN / 2);
    for (int32_t k = 0; k < kN / 2; ++k) {
        std::complex<double> sum = 0;
        for (int32_t i = 0; i < kN; ++i)
            sum += x[i] * std::polar(1.0, -2 * M_PI * ((k * i) % kN) / kN);
        p[k] = std::norm(2.0 * sum / static_cast<double>(kN));
    }
    return p;
}

// Band b covers [10^(1+(b-0.5)/40), 10^(1+(b+0.5)/40)) Hz; each bin [k, k+1) contributes the
// share of its width inside the band. Nothing reaches beyond the last bin of the half spectrum.
std::vector<double> referenceBands(const std::vector<double>& p, int lastBand) {
    const double df = static_cast<double>(kRate) / kN;
    const double top = kN / 2 - 1;
    std::vector<double> bands(lastBand + 1);
    for (int b = 0; b <= lastBand; ++b) {
        const double lo = std::min(std::pow(10.0, 1 + (b - 0.5) / 40) / df, top);
        const double hi = std::min(std::pow(10.0, 1 + (b + 0.5) / 40) / df, top);
        double sum = 0;
        for (int k = static_cast<int>(lo); k <= static_cast<int>(hi) && k < kN / 2; ++k) {
            const double overlap = std::min<double>(hi, k + 1) - std::max<double>(lo, k);
            if (overlap > 0) sum += overlap * p[k];
        }
        bands[b] = sum;
    }
    return bands;
}

void expectAgreement(MeasType type, int16_t window) {
    FftState fft{.BlockSize = kN, .WindowType = window};
    FftSetup(fft);
    BandState bands;
    BuildBandTable(bands, {.SampleRate = kRate, .BlockSize = kN, .Type = type});
    const int last = bands.Table.LastBand;
    BandAnalysisInputs in{.Type = type};
    std::vector<double> meanLeft(last + 1, 0.0), meanRatio(last + 1, 0.0);
    for (int16_t n = 0; n < 3; ++n) {
        const auto block = test::noiseBlock(kN, 100 + n);
        LoadBlock(fft, block);
        in.AvgCount = n;
        BandAnalysis(bands, fft, in);
        const auto left = referenceBands(referencePower(block, 0, window != 0), last);
        const auto right = referenceBands(referencePower(block, 1, window != 0), last);
        for (int b = 0; b <= last; ++b) {
            meanLeft[b] = (meanLeft[b] * n + left[b]) / (n + 1);
            meanRatio[b] = (meanRatio[b] * n + left[b] / right[b]) / (n + 1);
        }
    }
    AxisRange range;
    GetDbRange(bands, {.Type = type, .MeasValid = true}, true, range);
    const auto& expected = type == MeasType::LevelOneChannel ? meanLeft : meanRatio;
    for (int b = 0; b <= last; ++b)
        ASSERT_NEAR(bands.BandValue[b], 10 * std::log10(expected[b]) + 33.5, 0.001)
            << "type " << IndexOf(type) << " band " << b;
}

TEST(Pipeline, AgreesWithTheSlowReferenceOverSeveralBlocks) {
    expectAgreement(MeasType::LevelOneChannel, kWindowUniform);
    expectAgreement(MeasType::LevelTwoChannel, kWindowHanning);
}

template <typename T> bool sameBits(const std::vector<T>& a, const std::vector<T>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0;
}

// The first is silent on the right: the ratio has no value, and keeps none while the count runs.
std::vector<std::vector<int16_t>> testBlocks(int32_t n) {
    using test::stereoBlock;
    const auto fullScale = [](int32_t i) { return i % 3 == 0 ? 32767.0 : -32768.0; };
    return {
        stereoBlock(
            n, [](int32_t i) { return 30000 * std::sin(0.0123 * i); }, test::kSilence),
        test::noiseBlock(n, 5),
        stereoBlock(n, test::cosineOnBin(n, 372, 32767), test::cosineOnBin(n, 1001, 20000.4)),
        stereoBlock(n, fullScale, [](int32_t i) { return i % 2 ? 32767.0 : -32768.0; }),
    };
}

struct Rig : test::BandRig {
    Rig(MeasType type, int16_t window, int32_t rate, bool vector) : BandRig(type, rate) {
        fft.WindowType = window;
        FftSetup(fft);
        fft.Plan.Vector = fft.Plan.Vector && vector;
    }
};

// Block after block: the running means over three blocks of part 1 and two of part 2, the wide
// range and the exchanged inputs in between.
constexpr BandAnalysisInputs kSteps[] = {
    {.AvgCount = 0, .ImpedancePart = 1},
    {.AvgCount = 1, .ImpedancePart = 1, .WideRange = true},
    {.AvgCount = 2, .ImpedancePart = 1},
    {.AvgCount = 0, .ImpedancePart = 2, .WideRange = true},
    {.AvgCount = 1, .ImpedancePart = 2, .ExchangeChannel = true},
};

// The level types' band step is rearranged for speed and must give the same bits; the
// impedances, worked out by the reference in complex arithmetic, agree to rounding (a phase
// near 180 degrees may come out a turn apart).
void expectSameResults(const BandResults& fast, const BandResults& slow, bool sameBits) {
    ASSERT_EQ(fast.Cells.size(), slow.Cells.size());
    for (size_t i = 0; i < fast.Cells.size(); ++i) {
        const double tolerance = sameBits ? 0.0 : 1e-9 * std::max(1.0, std::abs(slow.Cells[i]));
        const bool phase = !sameBits && i / fast.BandCount == 4;
        const double apart = fast.Cells[i] - slow.Cells[i];
        ASSERT_NEAR(phase ? std::remainder(apart, 360.0) : apart, 0.0, tolerance)
            << "row " << i / fast.BandCount << " band " << i % fast.BandCount << ": "
            << fast.Cells[i] << " against " << slow.Cells[i];
    }
}

TEST(FastPipeline, GivesTheResultsOfTheStraightforwardOne) {
    // Every type at both rates, on the vector kernels at one and the scalar ones at the other.
    for (int16_t index = 0; index < kMeasTypeCount; ++index)
        for (const auto& [rate, vector] : {std::pair{44100, true}, {48000, false}})
            for (int16_t window = kWindowUniform; window <= kWindowBlackman; ++window) {
                const MeasType type = *MeasTypeOf(index);
                Rig fast(type, window, rate, vector), slow(type, window, rate, vector);
                const auto blocks = testBlocks(fast.fft.BlockSize);
                for (size_t step = 0; step < std::size(kSteps); ++step) {
                    SCOPED_TRACE(testing::Message() << "type " << index << ", " << rate << " Hz, "
                                                    << (vector ? "vector" : "scalar") << ", window "
                                                    << window << ", block " << step);
                    fast.in = kSteps[step];
                    fast.in.Type = type;
                    slow.in = fast.in;
                    const auto& block = blocks[step % blocks.size()];
                    fast.analyse(block);
                    reference::LoadBlock(slow.fft, block);
                    reference::BandAnalysis(slow.bands, slow.fft, slow.in);
                    ASSERT_TRUE(sameBits(fast.fft.FftRe, slow.fft.FftRe)) << "real part";
                    ASSERT_TRUE(sameBits(fast.fft.FftIm, slow.fft.FftIm)) << "imaginary part";
                    expectSameResults(fast.bands.Results, slow.bands.Results,
                                      PropertiesOf(type).Unit == ResultUnit::Decibel);
                }
            }
}

// Every size, both directions, both kernel sets, on values spread over many binades.
TEST(FastFft, GivesTheBitsOfTheStraightforwardTransformAtEverySize) {
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> mantissa(-1, 1);
    std::uniform_int_distribution<int> exponent(-30, 4);
    for (int32_t n = 2; n <= 16384; n *= 2)
        for (int inverse = 0; inverse < 4; ++inverse) {
            FftState fast{.BlockSize = n};
            FftSetup(fast);
            fast.Plan.Vector = fast.Plan.Vector && inverse < 2; // the scalar kernels on 2, 3
            for (int32_t i = 0; i < n; ++i) {
                fast.FftRe[i] = std::ldexp(mantissa(rng), exponent(rng));
                fast.FftIm[i] = std::ldexp(mantissa(rng), exponent(rng));
            }
            FftState slow = fast;
            std::vector<float> pairs; // the same block with its parts alternating
            for (int32_t i = 0; i < n; ++i)
                pairs.insert(pairs.end(), {fast.FftRe[i], fast.FftIm[i]});
            FftState paired = fast, once = fast, inDouble = fast;
            for (int run = 0; run < 2; ++run) { // no state of the first run survives
                Fft(fast, inverse % 2);
                reference::Fft(slow, inverse % 2);
            }
            ASSERT_TRUE(sameBits(fast.FftRe, slow.FftRe))
                << "real part, n " << n << " case " << inverse;
            ASSERT_TRUE(sameBits(fast.FftIm, slow.FftIm))
                << "imaginary part, n " << n << " case " << inverse;
            if (inverse % 2 != 0) continue;
            FftPairs(paired, pairs);
            reference::Fft(once, 0);
            ASSERT_TRUE(sameBits(paired.FftRe, once.FftRe)) << "pairs, real part, n " << n;
            ASSERT_TRUE(sameBits(paired.FftIm, once.FftIm)) << "pairs, imaginary part, n " << n;
            if (inverse != 0) continue;
            // The sweep's stage pairs that keep double between their stages: both kernel sets
            // give the same bits, close to the straightforward transform's.
            inDouble.Plan.RoundEveryStage = false;
            FftState scalar = inDouble;
            scalar.Plan.Vector = false;
            Fft(inDouble, 0);
            Fft(scalar, 0);
            ASSERT_TRUE(sameBits(inDouble.FftRe, scalar.FftRe) &&
                        sameBits(inDouble.FftIm, scalar.FftIm))
                << "stage pairs in double, n " << n;
            const double tolerance = 1e-6 * 16; // of the largest input, 2^4
            for (int32_t k = 0; k < n; ++k)
                ASSERT_LT(std::abs(std::complex<double>(inDouble.FftRe[k] - once.FftRe[k],
                                                        inDouble.FftIm[k] - once.FftIm[k])),
                          tolerance)
                    << "stage pairs in double, bin " << k << " of n " << n;
        }
}

} // namespace
} // namespace terzlab
