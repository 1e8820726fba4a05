// The arrival and the gated response of known linear systems, the truth computed from the
// systems' own formulas.
#include "sweep/known_system.h"
#include "sweep/smoothing.h"
#include "sweep/sweep_files.h"

#include <gtest/gtest.h>

#include <numbers>

namespace terzlab::sweep {
namespace {

constexpr SweepSettings kSweep{.SampleRate = 48000, .F1 = 10, .F2 = 20000, .Samples = 1 << 17};

// The gated response against `truth` with the printed delay removed, from `from` to 0.8 f2.
test::Worst deviation(const test::Recording& rec, bool loopback, const Gate& gate, double from,
                      const std::function<std::complex<double>(double)>& truth) {
    const SweepResult r =
        test::Analysed(kSweep, rec.Microphone, loopback ? rec.Loopback : rec.Played, gate);
    EXPECT_EQ(r.Error, "");
    EXPECT_NEAR(r.DelayMs * 48, test::KnownSystem{}.DelaySamples, 1.0);
    test::Worst w;
    for (std::size_t k = 0; k < r.Gated.Bins.size(); ++k) {
        const double f = r.Gated.FrequencyOf(k);
        if (f >= from && f <= 0.8 * kSweep.F2)
            w.add(r.Gated.Bins[k],
                  truth(f) * std::polar(1.0, 2 * std::numbers::pi * f * r.DelayMs / 1000));
    }
    return w;
}

// A gate ending before the reflection 4 ms after the direct sound sees the direct sound alone;
// the square gates cut the high-pass's tail harder, so they are held to it from a higher
// frequency (in cycles of the gate length). With the loopback the card's delay drops out.
TEST(SweepResponse, GateBeforeTheReflectionGivesTheDirectSound) {
    const struct {
        const char* Name;
        GateShape Shape;
        double FromCycles;
    } gates[] = {{"half-Hann", GateShape::HalfHann, 2},
                 {"rect", GateShape::Rect, 4},
                 {"Tukey", GateShape::Tukey, 4}};
    for (const bool loopback : {false, true}) {
        const test::KnownSystem system{
            .ReflectionMs = 4, .NoiseDb = -70, .CardDelay = loopback ? 480 : 0};
        const test::Recording rec = test::Record(kSweep, system);
        for (const auto& g : gates) {
            SCOPED_TRACE(std::string(g.Name) + (loopback ? ", loopback" : ", sweep"));
            const test::Worst w = deviation(
                rec, loopback, {.PreMs = 1, .LengthMs = 3.5, .Shape = g.Shape},
                g.FromCycles / 3.5e-3, [&](double f) { return test::DirectAt(system, f, 48000); });
            EXPECT_LT(w.Db, 0.2);
            EXPECT_LT(w.Degrees, 5.0);
        }
    }
}

// A gate of 120 ms takes the reflection in: the comb of direct sound and reflection.
TEST(SweepResponse, LongGateShowsTheReflectionsComb) {
    const test::KnownSystem system{.ReflectionMs = 4, .NoiseDb = -70};
    const test::Recording rec = test::Record(kSweep, system);
    const auto comb = [&](double f) {
        return test::DirectAt(system, f, 48000) *
               (1.0 + 0.5 * std::polar(1.0, -2 * std::numbers::pi * f * 4e-3));
    };
    for (const GateShape shape : {GateShape::Rect, GateShape::HalfHann})
        EXPECT_LT(deviation(rec, false, {.PreMs = 1, .LengthMs = 120, .Shape = shape}, 50, comb).Db,
                  0.3);
}

// The group delay drawn unsmoothed, at 1/48 and at 1/12 octave is the band-pass's own, from the
// derivative of its formula's phase, with the printed delay removed: 3.7 ms at the high-pass's 60
// Hz, falling. The rectangular gate leaves the high-pass's tail whole; a tapering one would bend
// the truth.
TEST(SweepResponse, GroupDelayIsTheBandPassOwn) {
    const test::KnownSystem system{.NoiseDb = -70};
    const test::Recording rec = test::Record(kSweep, system);
    const SweepResult r = test::Analysed(kSweep, rec.Microphone, rec.Played,
                                         {.PreMs = 1, .LengthMs = 100, .Shape = GateShape::Rect});
    const auto truthMs = [&](double f) {
        const double df = 1e-4 * f;
        const double turned = std::arg(test::DirectAt(system, f + df, 48000) *
                                       std::conj(test::DirectAt(system, f - df, 48000)));
        return -turned / (2 * std::numbers::pi * 2 * df) * 1000 - r.DelayMs;
    };
    const struct {
        int Fraction;
        double WithinMs; // the wider smoothing averages the curve's bend at the high-pass
    } smoothings[] = {{.Fraction = kFullResolution, .WithinMs = 0.03},
                      {.Fraction = 48, .WithinMs = 0.03},
                      {.Fraction = 12, .WithinMs = 0.06}};
    for (const auto& s : smoothings) {
        double worst = 0;
        for (const ResponsePoint& p :
             SmoothedPoints(r.Gated, DrawnFrequencies(40, 16000, r.Gated, s.Fraction), s.Fraction))
            worst = std::max(worst, std::fabs(p.GroupDelayMs - truthMs(p.Freq)));
        EXPECT_LT(worst, s.WithinMs) << "1/" << s.Fraction << " octave (0: none)";
    }
}

// A plain delay reads 0 dB in every 1/12-octave band of the measurement file that the sweep
// excites at its full level, up to the fade-out's 1/48 octave below f2; the band at f2 takes only
// the bins below the fade and stays within a decibel (the gate's 1 ms before the arrival cuts
// the band edge's ringing).
TEST(SweepResponse, BandsReadFullLevelUpToTheFadeOut) {
    const test::KnownSystem wire{
        .DelaySamples = 300, .HighPassHz = 0, .LowPassHz = 0, .NoiseDb = -70};
    const test::Recording rec = test::Record(kSweep, wire);
    const SweepResult r =
        test::Analysed(kSweep, rec.Microphone, rec.Played, {.PreMs = 1, .LengthMs = 100});
    const SweepShape shape = ShapeOf(kSweep);
    const std::vector<ResponsePoint> bands = TwelfthOctavePoints(r, shape, 20);
    ASSERT_FALSE(bands.empty());
    EXPECT_NEAR(bands.back().Freq, kSweep.F2, 0.03 * kSweep.F2);
    EXPECT_NEAR(bands.back().Db, 0.0, 1.0) << "the band at f2";
    for (const ResponsePoint& band : bands) {
        if (band.Freq * std::exp2(1.0 / 24) <= shape.FullLevelTo()) {
            EXPECT_NEAR(band.Db, 0.0, 0.1) << band.Freq << " Hz";
        }
    }
}

} // namespace
} // namespace terzlab::sweep
