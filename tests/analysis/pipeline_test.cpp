// The whole per-block pipeline (window, transform, channel powers, band sums, running means and
// display values) against a slow reference written independently in double precision.
#include "analysis/constants.h"
#include "analysis/display_range.h"
#include "signals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>

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

struct PipelineCase {
    int16_t type;
    int16_t window;
};

class Pipeline : public ::testing::TestWithParam<PipelineCase> {};

TEST_P(Pipeline, AgreesWithTheSlowReferenceOverSeveralBlocks) {
    const auto [type, window] = GetParam();
    FftState fft;
    fft.BlockSize = kN;
    fft.WindowType = window;
    FftSetup(fft);
    BandState bands;
    BuildBandTable(bands, {kRate, kN, type});
    const int last = bands.Table.LastBand;
    BandAnalysisInputs in;
    in.MeasTypeIndex = type;
    std::vector<double> meanLeft(last + 1, 0.0);
    std::vector<double> meanRatio(last + 1, 0.0);
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
    DisplayInputs display;
    display.MeasTypeIndex = type;
    display.MeasValid = true;
    display.ImpedancePart = 0;
    AxisRange range;
    GetDbRange(bands, display, true, range);
    const auto& expected = type == meas::kLevelOneChannel ? meanLeft : meanRatio;
    for (int b = 0; b <= last; ++b) {
        ASSERT_NEAR(bands.BandValue[b], 10 * std::log10(expected[b]) + 33.5, 0.001) << b;
    }
}

INSTANTIATE_TEST_SUITE_P(LevelTypes, Pipeline,
                         ::testing::Values(PipelineCase{meas::kLevelOneChannel, kWindowUniform},
                                           PipelineCase{meas::kLevelTwoChannel, kWindowHanning}));

} // namespace
} // namespace terzlab
