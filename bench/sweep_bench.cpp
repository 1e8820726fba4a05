// One swept-sine analysis (deconvolution, arrival, gate, gated response) of a recording of 2^18
// and 2^20 sweep samples, on our transform and, as the yardstick, on FFTW's real transform
// (single precision, FFTW_MEASURE) behind the same interface. bench/README.md has the figures.
#include "sweep/sweep_analysis.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <map>
#include <random>

#ifdef TERZLAB_HAVE_FFTW
#include <fftw3.h>
#endif

namespace {

using namespace terzlab::sweep;

// The sweep through a delay of 100 samples at half the level, with a little noise.
struct Measurement {
    SweepShape Shape;
    std::vector<float> Played, Recorded;
    explicit Measurement(int32_t samples) {
        const SweepSettings s{.SampleRate = 48000, .F1 = 10, .F2 = 20000, .Samples = samples};
        Shape = ShapeOf(s);
        const std::vector<double> x = MakeSweep(s);
        std::mt19937 rng(7);
        std::normal_distribution<double> noise(0.0, 1e-4);
        Played.assign(x.begin(), x.end());
        Recorded.assign(x.size(), 0.0f);
        for (std::size_t i = 100; i < x.size(); ++i)
            Recorded[i] = static_cast<float>(0.5 * x[i - 100] + noise(rng));
    }
    SweepResult Run(RealTransform& t) const {
        return AnalyseSweep(
            {.Recorded = Recorded, .Excitation = Played, .Sweep = Shape, .GateSettings = {}}, t);
    }
};

void run(benchmark::State& state, RealTransform& transform) {
    const Measurement m(static_cast<int32_t>(state.range(0)));
    const SweepResult first = m.Run(transform); // builds the tables, and must find the delay
    if (!first.Error.empty() || std::fabs(first.ArrivalAt.Sample - 100.0) > 0.5)
        state.SkipWithError("the analysis does not find the delay");
    for (auto _ : state)
        benchmark::DoNotOptimize(m.Run(transform).Gated.Bins.data());
}

void BM_SweepAnalysis(benchmark::State& state) {
    OwnRealFft transform;
    run(state, transform);
}
BENCHMARK(BM_SweepAnalysis)->Arg(1 << 18)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

#ifdef TERZLAB_HAVE_FFTW
class FftwRealFft final : public RealTransform {
  public:
    ~FftwRealFft() override {
        for (auto& [n, p] : plans_) {
            fftwf_destroy_plan(p.Forward);
            fftwf_destroy_plan(p.Inverse);
            fftwf_free(p.Real);
            fftwf_free(p.Bins);
        }
    }
    void Forward(std::span<const float> x, Spectrum& bins) override {
        Plans& p = plansFor(static_cast<int>(x.size()));
        std::copy(x.begin(), x.end(), p.Real);
        fftwf_execute(p.Forward);
        bins.resize(x.size() / 2 + 1);
        for (std::size_t k = 0; k < bins.size(); ++k)
            bins[k] = {p.Bins[k][0], p.Bins[k][1]};
    }
    void Inverse(const Spectrum& bins, std::vector<float>& x) override {
        const int n = 2 * static_cast<int>(bins.size() - 1);
        Plans& p = plansFor(n);
        for (std::size_t k = 0; k < bins.size(); ++k) {
            p.Bins[k][0] = static_cast<float>(bins[k].real() / n);
            p.Bins[k][1] = static_cast<float>(bins[k].imag() / n);
        }
        fftwf_execute(p.Inverse);
        x.assign(p.Real, p.Real + n);
    }

  private:
    struct Plans {
        float* Real;
        fftwf_complex* Bins;
        fftwf_plan Forward, Inverse;
    };
    Plans& plansFor(int n) {
        auto found = plans_.find(n);
        if (found != plans_.end()) return found->second;
        Plans p;
        p.Real = fftwf_alloc_real(n);
        p.Bins = fftwf_alloc_complex(n / 2 + 1);
        p.Forward = fftwf_plan_dft_r2c_1d(n, p.Real, p.Bins, FFTW_MEASURE);
        p.Inverse = fftwf_plan_dft_c2r_1d(n, p.Bins, p.Real, FFTW_MEASURE);
        return plans_.emplace(n, p).first->second;
    }
    std::map<int, Plans> plans_;
};

void BM_SweepAnalysisFftw(benchmark::State& state) {
    FftwRealFft transform;
    run(state, transform);
}
BENCHMARK(BM_SweepAnalysisFftw)->Arg(1 << 18)->Arg(1 << 20)->Unit(benchmark::kMillisecond);
#endif

} // namespace
