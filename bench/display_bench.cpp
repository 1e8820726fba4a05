// One DisplaySpec(true) of a 16384-frame level block into the graph at its design size
// (497 x 297 pixels): the analysis half (block, transform, bands, values and axis), the drawing
// half (frame, labels, comparison curve, measured curve, stamp) and both together.
#include "analysis/bands.h"
#include "analysis/display_range.h"
#include "analysis/fft.h"
#include "analysis/types.h"
#include "display/spectrum_plot.h"
#include "support/recording_picture.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

using namespace terzlab;

constexpr int32_t kFrames = 16384;

struct Measurement {
    FftState fft;
    BandState bands;
    BandAnalysisInputs analysis;
    DisplayInputs values;
    AxisRange range;
    CorrectionCurve comparison;
    std::vector<int16_t> block;
    RecordingPicture graph{497, 297};
    RecordingPicture window{10000, 7000, 20.0};
    FrameInputs frame;

    Measurement() : block(2 * kFrames) {
        std::mt19937 rng(99);
        std::uniform_int_distribution<int> noise(-9000, 9000);
        for (auto& s : block)
            s = static_cast<int16_t>(noise(rng));
        GetBlockSize(fft, MeasType::LevelOneChannel);
        BuildBandTable(bands, {44100, kFrames, MeasType::LevelOneChannel});
        values.MeasValid = true;
        values.FreqResIndex = 0;
        values.Curves[kComparisonSlot] = &comparison;
        values.CurveChecked[kComparisonSlot] = true;
        comparison.CurveType = 1;
        comparison.CurveLoaded = 1;
        comparison.CurveCount = CorrectionCurve::kEntries;
        for (int i = 0; i < CorrectionCurve::kEntries; ++i) {
            comparison.CurveFreq[i] = static_cast<float>(10.0 * std::pow(10.0, 1.0 + i / 40.0));
            comparison.CurveAmp[i] = -30.0f;
        }
        frame.Graph = {600, 400, 497 * kTwipsPerPixel + 60, 297 * kTwipsPerPixel + 60};
        Analyse();
    }

    void Analyse() {
        LoadBlock(fft, block);
        BandAnalysis(bands, fft, analysis);
        GetDbRange(bands, values, true, range);
    }

    void Draw() {
        frame.Range = range;
        SpectrumInputs in;
        in.BandFreq = bands.Table.BandFreq;
        in.BandValue = bands.BandValue;
        in.LastBand = bands.Table.LastBand;
        in.MeasValid = true;
        in.Comparison = &comparison;
        in.ComparisonChecked = true;
        DrawSpectrum(graph, window, frame, in);
        benchmark::DoNotOptimize(graph.Segments.data());
    }
};

void BM_DisplaySpecAnalysis(benchmark::State& state) {
    Measurement m;
    for (auto _ : state)
        m.Analyse();
}
BENCHMARK(BM_DisplaySpecAnalysis)->Unit(benchmark::kMicrosecond);

void BM_DisplaySpecDrawing(benchmark::State& state) {
    Measurement m;
    for (auto _ : state)
        m.Draw();
}
BENCHMARK(BM_DisplaySpecDrawing)->Unit(benchmark::kMicrosecond);

void BM_DisplaySpecWhole(benchmark::State& state) {
    Measurement m;
    for (auto _ : state) {
        m.Analyse();
        m.Draw();
    }
}
BENCHMARK(BM_DisplaySpecWhole)->Unit(benchmark::kMicrosecond);

} // namespace
