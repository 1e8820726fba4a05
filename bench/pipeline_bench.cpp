// Per-block cost of the analysis: loading with the window, the transform, the channel powers,
// the band sums and the running means; beside it the straightforward version the fast one
// reproduces bit for bit and, with FFTW available, the same pipeline on FFTW's single-precision
// transform as the yardstick. bench/README.md gives the command line (interleaved repetitions).
#include "analysis/bands.h"
#include "analysis/fft.h"
#include "analysis/types.h"
#include "support/fft_reference.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#ifdef TERZLAB_HAVE_FFTW
#include <fftw3.h>
#endif

namespace {

using namespace terzlab;

std::vector<int16_t> noiseBlock(int32_t n) {
    std::mt19937 rng(1234);
    std::uniform_int_distribution<int> dist(-12000, 12000);
    std::vector<int16_t> buf(static_cast<size_t>(2 * n));
    for (auto& s : buf)
        s = static_cast<int16_t>(dist(rng));
    return buf;
}

// The two-channel spectrum with the Hanning window: every step of the pipeline does work.
struct Pipeline {
    FftState fft;
    BandState bands;
    BandAnalysisInputs in;
    std::vector<int16_t> block;

    explicit Pipeline(int32_t n) : block(noiseBlock(n)) {
        fft.BlockSize = n;
        fft.WindowType = kWindowHanning;
        FftSetup(fft);
        BuildBandTable(bands, {44100, n, MeasType::LevelTwoChannel});
        in.Type = MeasType::LevelTwoChannel;
        in.AvgCount = 1;
    }
};

void BM_Pipeline(benchmark::State& state) {
    Pipeline p(static_cast<int32_t>(state.range(0)));
    for (auto _ : state) {
        LoadBlock(p.fft, p.block);
        BandAnalysis(p.bands, p.fft, p.in);
        benchmark::DoNotOptimize(p.bands.Results.Cells.data());
    }
}
BENCHMARK(BM_Pipeline)->Arg(8192)->Arg(16384)->Arg(65536)->Unit(benchmark::kMicrosecond);

void BM_PipelineStraightforward(benchmark::State& state) {
    Pipeline p(static_cast<int32_t>(state.range(0)));
    for (auto _ : state) {
        reference::LoadBlock(p.fft, p.block);
        reference::BandAnalysis(p.bands, p.fft, p.in);
        benchmark::DoNotOptimize(p.bands.Results.Cells.data());
    }
}
BENCHMARK(BM_PipelineStraightforward)
    ->Arg(8192)
    ->Arg(16384)
    ->Arg(65536)
    ->Unit(benchmark::kMicrosecond);

#ifdef TERZLAB_HAVE_FFTW
void BM_PipelineFftw(benchmark::State& state) {
    const auto n = static_cast<int32_t>(state.range(0));
    Pipeline p(n);
    float* re = p.fft.FftRe.data();
    float* im = p.fft.FftIm.data();
    fftwf_iodim dim{n, 1, 1};
    fftwf_plan plan = fftwf_plan_guru_split_dft(1, &dim, 0, nullptr, re, im, re, im, FFTW_MEASURE);
    auto block = [&] {
        for (int32_t i = 0; i < n; ++i) {
            re[i] = static_cast<float>(p.block[2 * i] / 32768.0) * p.fft.WindowCoeff[i];
            im[i] = static_cast<float>(p.block[2 * i + 1] / 32768.0) * p.fft.WindowCoeff[i];
        }
        fftwf_execute_split_dft(plan, re, im, re, im);
        for (int32_t i = 0; i < n; ++i) {
            re[i] = static_cast<float>(re[i] / static_cast<double>(n));
            im[i] = static_cast<float>(im[i] / static_cast<double>(n));
        }
        BandAnalysis(p.bands, p.fft, p.in);
    };
    // The yardstick must compute the same bands, or its time means nothing.
    p.in.AvgCount = 0;
    block();
    const std::vector<double> fftwRows = p.bands.Results.Cells;
    LoadBlock(p.fft, p.block);
    BandAnalysis(p.bands, p.fft, p.in);
    for (size_t i = 0; i < fftwRows.size(); ++i) {
        const double ours = p.bands.Results.Cells[i];
        if (std::abs(fftwRows[i] - ours) > 1e-4 * std::abs(ours) + 1e-12) {
            state.SkipWithError("FFTW pipeline disagrees with ours");
            break;
        }
    }
    p.in.AvgCount = 1;
    for (auto _ : state) {
        block();
        benchmark::DoNotOptimize(p.bands.Results.Cells.data());
    }
    fftwf_destroy_plan(plan);
}
BENCHMARK(BM_PipelineFftw)->Arg(8192)->Arg(16384)->Arg(65536)->Unit(benchmark::kMicrosecond);
#endif

} // namespace
