// The sweep through the virtual bench against what the bench is built of: its delay, the
// loudspeaker's filters, the floor's reflection and the suspension that stiffens with excursion.
#include "support/bench_truth.h"
#include "sweep/distortion.h"
#include "sweep/known_system.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace terzlab::sweep {
namespace {

constexpr SweepSettings kSweep{.SampleRate = 48000, .F1 = 10, .F2 = 20000, .Samples = 1 << 17};
constexpr int kDelay = 100;
constexpr Gate kBeforeTheReflection{.PreMs = 1, .LengthMs = 3, .Shape = GateShape::HalfHann};

// One pass of the sweep and its silence through the bench's left input, analysed.
const SweepResult& throughTheBench() {
    static const SweepResult analysed = [] {
        audio::SoundData played{.samples = {}, .channels = 1, .sampleRate = kSweep.SampleRate};
        for (const double v : MakeSweep(kSweep))
            played.samples.push_back(static_cast<int16_t>(std::lround(v * 32767.0)));
        audio::BenchModel bench;
        bench.configure(kSweep.SampleRate);
        bench.setSettings({.delayFrames = kDelay});
        bench.setStimulus(played);
        std::vector<int16_t> heard(played.samples.size());
        bench.render(heard.data(), heard.size(), 1);
        const std::vector<float> mic(heard.begin(), heard.end()), // the analysis takes ratios
            sweep(played.samples.begin(), played.samples.end());
        return test::Analysed(kSweep, mic, sweep, kBeforeTheReflection);
    }();
    return analysed;
}

// The arrival is the bench's delay; the reflection stands in the response at its delay and with
// its level against the direct sound's (energies over the sweep's band); a gate ending before it
// gives the direct sound alone.
TEST(SweepOnTheBench, ArrivalReflectionAndGatedDirectSound) {
    const SweepResult& r = throughTheBench();
    ASSERT_EQ(r.Error, "");
    EXPECT_NEAR(r.ArrivalAt.Sample, kDelay, 1.0);

    const audio::BenchSettings bench;
    const double fs = kSweep.SampleRate, lag = std::round(bench.reflectionMs * fs / 1000);
    const auto after = r.Ir.begin() + kDelay + 72;
    const double peak =
        std::max_element(after, after + 480,
                         [](float a, float b) { return std::fabs(a) < std::fabs(b); }) -
        r.Ir.begin();
    EXPECT_NEAR(peak - r.ArrivalAt.Sample, lag, 1.0);
    double direct = 0, reflected = 0;
    for (double f = kSweep.F1; f < kSweep.F2; f += 1) {
        direct += std::norm(test::loudspeakerAt(f, fs));
        reflected += std::norm(test::loudspeakerAt(f, fs) * (test::roomAt(bench, f, fs) - 1.0));
    }
    const auto energyAround = [&r](double at) { // within half a millisecond
        double sum = 0;
        for (auto i = std::lround(at - 24); i <= std::lround(at + 24); ++i)
            sum += std::norm(r.Ir[static_cast<std::size_t>(i)]);
        return sum;
    };
    EXPECT_NEAR(10 * std::log10(energyAround(peak) / energyAround(r.ArrivalAt.Sample)),
                10 * std::log10(reflected / direct), 1.0);

    test::Worst w; // magnitudes: the arrival lies a fraction of a sample after the delay
    for (std::size_t k = 0; k < r.Gated.Bins.size(); ++k)
        if (const double f = r.Gated.FrequencyOf(k);
            f >= 2 / (kBeforeTheReflection.LengthMs / 1000) && f <= 0.8 * kSweep.F2)
            w.add(std::abs(r.Gated.Bins[k]), bench.gain * std::abs(test::loudspeakerAt(f, fs)));
    EXPECT_LT(w.Db, 0.3);
}

// The suspension distorts near the resonance and below, hardly in the midrange: THD at
// 1/12-octave centres within the range the design gives it, each lower than the one before.
TEST(SweepOnTheBench, DistortionRisesTowardLowFrequencies) {
    const SweepResult& r = throughTheBench();
    OwnRealFft t;
    const auto rows = HarmonicDistortion({.Ir = r.Ir,
                                          .ArrivalSample = r.ArrivalAt.Sample,
                                          .ResponseSamples = r.ResponseSamples,
                                          .Sweep = ShapeOf(kSweep),
                                          .Fraction = 12},
                                         t);
    const struct {
        double Hz, AtLeast, AtMost;
    } expected[] = {{29.5, 5, 20}, {49.6, 1, 5}, {99.2, 0.1, 1}, {1000, 0, 0.1}};
    double before = 100;
    for (const auto& e : expected) {
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const DistortionRow& x) {
            return std::fabs(x.FrequencyHz - e.Hz) < 0.1;
        });
        ASSERT_NE(row, rows.end()) << e.Hz;
        EXPECT_TRUE(*row->ThdPercent >= e.AtLeast && *row->ThdPercent <= std::min(e.AtMost, before))
            << e.Hz << " Hz: " << *row->ThdPercent << " %";
        before = *row->ThdPercent;
    }
}

} // namespace
} // namespace terzlab::sweep
