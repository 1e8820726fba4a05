// The impulse response, arrival and gated response of known linear systems, the truth computed
// from the systems' own formulas.
#include "sweep/known_system.h"
#include "sweep/smoothing.h"
#include "sweep/sweep_analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

namespace terzlab::sweep {
namespace {

using test::KnownSystem;

constexpr SweepSettings kSweep{.SampleRate = 48000, .F1 = 10, .F2 = 20000, .Samples = 1 << 17};

struct Worst {
    double Db = 0.0;
    double Degrees = 0.0;
};

// The largest deviations of the gated response from `truth` (its delay removed as printed)
// between two frequencies.
Worst worstDeviation(const SweepResult& r, const std::function<std::complex<double>(double)>& truth,
                     double from, double to) {
    Worst w;
    const double delaySeconds = r.DelayMs / 1000.0;
    for (std::size_t k = 0; k < r.Gated.Bins.size(); ++k) {
        const double f = r.Gated.FrequencyOf(k);
        if (f < from || f > to) continue;
        const auto expected = truth(f) * std::polar(1.0, 2 * std::numbers::pi * f * delaySeconds);
        const auto ratio = r.Gated.Bins[k] / expected;
        w.Db = std::max(w.Db, std::fabs(20 * std::log10(std::abs(ratio))));
        w.Degrees = std::max(w.Degrees, std::fabs(std::arg(ratio)) * 180 / std::numbers::pi);
    }
    return w;
}

SweepResult analyse(const test::Recording& rec, bool loopback, const Gate& gate) {
    OwnRealFft transform;
    const SweepInputs in{.Recorded = rec.Microphone,
                         .Excitation = loopback ? rec.Loopback : rec.Played,
                         .Sweep = ShapeOf(kSweep),
                         .GateSettings = gate};
    return AnalyseSweep(in, transform);
}

// A gate ending before the reflection 4 ms after the direct sound sees the direct sound alone;
// the square gates cut the high-pass's tail harder, so they are held to it from a higher
// frequency. With the loopback, the card's own delay drops out.
TEST(SweepResponse, GateBeforeTheReflectionGivesTheDirectSound) {
    const struct {
        const char* Name;
        GateShape Shape;
        double FromCycles; // the lowest frequency held to the bars, in cycles of the gate length
    } gates[] = {{"half-Hann", GateShape::HalfHann, 2},
                 {"rect", GateShape::Rect, 4},
                 {"Tukey", GateShape::Tukey, 4}};
    for (const bool loopback : {false, true}) {
        const KnownSystem system{
            .ReflectionMs = 4, .NoiseDb = -70, .CardDelay = loopback ? 480 : 0};
        const test::Recording rec = test::Record(kSweep, system);
        for (const auto& g : gates) {
            SCOPED_TRACE(std::string(g.Name) + (loopback ? ", loopback" : ", sweep"));
            const Gate gate{.PreMs = 1, .LengthMs = 3.5, .Shape = g.Shape};
            const SweepResult r = analyse(rec, loopback, gate);
            ASSERT_EQ(r.Error, "");
            EXPECT_NEAR(r.DelayMs * 48, system.DelaySamples, 1.0);
            const Worst w = worstDeviation(
                r, [&](double f) { return test::DirectAt(system, f, 48000); },
                g.FromCycles / 3.5e-3, 0.8 * kSweep.F2);
            std::printf("%s %s: delay %+.3f samples, %.4f dB, %.3f deg\n", g.Name,
                        loopback ? "loopback" : "sweep", r.DelayMs * 48 - system.DelaySamples, w.Db,
                        w.Degrees);
            EXPECT_LT(w.Db, 0.2);
            EXPECT_LT(w.Degrees, 5.0);
        }
    }
}

// A long gate takes the reflection in: the comb of direct sound and reflection.
TEST(SweepResponse, LongGateShowsTheReflectionsComb) {
    const KnownSystem system{.ReflectionMs = 4, .NoiseDb = -70};
    const test::Recording rec = test::Record(kSweep, system);
    for (const GateShape shape : {GateShape::Rect, GateShape::HalfHann}) {
        const SweepResult r = analyse(rec, false, {.PreMs = 1, .LengthMs = 120, .Shape = shape});
        ASSERT_EQ(r.Error, "");
        const Worst w = worstDeviation(
            r,
            [&](double f) {
                const double lag = 2 * std::numbers::pi * f * 4e-3;
                return test::DirectAt(system, f, 48000) * (1.0 + 0.5 * std::polar(1.0, -lag));
            },
            50, 0.8 * kSweep.F2);
        std::printf("comb: %.4f dB\n", w.Db);
        EXPECT_LT(w.Db, 0.3);
    }
}

} // namespace
} // namespace terzlab::sweep
