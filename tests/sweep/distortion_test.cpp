// Harmonic distortion of known nonlinear systems: for a sine of amplitude A through
// y = x + a2 x^2 + a3 x^3 the fundamental is A + 3/4 a3 A^3, the second harmonic a2 A^2 / 2 and
// the third a3 A^3 / 4; a filter after it shapes each at its own frequency.
#include "sweep/distortion.h"
#include "sweep/known_system.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace terzlab::sweep {
namespace {

constexpr SweepSettings kSweep{.SampleRate = 48000, .F1 = 10, .F2 = 20000, .Samples = 1 << 17};
constexpr double kA = 0.5; // the sweep's amplitude at -6 dBFS

std::vector<DistortionRow> distortionOf(const test::KnownSystem& system) {
    const test::Recording rec = test::Record(kSweep, system);
    const SweepResult r = test::Analysed(kSweep, rec.Microphone, rec.Played);
    OwnRealFft t;
    EXPECT_EQ(r.Error, "");
    return HarmonicDistortion({.Ir = r.Ir,
                               .ArrivalSample = r.ArrivalAt.Sample,
                               .ResponseSamples = r.ResponseSamples,
                               .Sweep = ShapeOf(kSweep),
                               .Fraction = 12},
                              t);
}

// k2 and k3 within 5 % of the truth, THD within 0.15 points, from 50 Hz to f2 / 4; an order
// only where it lies below f2.
TEST(SweepDistortion, SecondAndThirdOrderOfAPowerSeriesAloneAndFilteredAfterwards) {
    const test::KnownSystem alone{.HighPassHz = 0, .LowPassHz = 0, .A2 = 0.16, .A3 = 0.48};
    test::KnownSystem filtered = alone;
    filtered.LowPassHz = 2000;
    for (const test::KnownSystem& s : {alone, filtered}) {
        SCOPED_TRACE(s.LowPassHz > 0 ? "low-pass after it" : "alone");
        for (const DistortionRow& row : distortionOf(s)) {
            const double f = row.FrequencyHz;
            for (int n = 2; n <= kHighestOrder; ++n)
                EXPECT_EQ(row.KPercent[n - 2].has_value(), n * f < kSweep.F2) << f << " Hz, k" << n;
            if (f < 50 || f > kSweep.F2 / 4) continue;
            const auto gain = [&](double hz) { return std::abs(test::FiltersAt(s, hz, 48000)); };
            const double fundamental = (kA + 0.75 * s.A3 * kA * kA * kA) * gain(f);
            const double k2 = 100 * s.A2 * kA * kA / 2 * gain(2 * f) / fundamental;
            const double k3 = 100 * s.A3 * kA * kA * kA / 4 * gain(3 * f) / fundamental;
            EXPECT_NEAR(*row.KPercent[0] / k2, 1, 0.05) << f;
            EXPECT_NEAR(*row.KPercent[1] / k3, 1, 0.05) << f;
            EXPECT_NEAR(row.ThdPercent.value_or(0), std::hypot(k2, k3), 0.15) << f;
        }
    }
}

// Nothing of the linear response leaks into the harmonics' windows; noise shows as the floor
// it is: the second order then reads, typically, what the floor reads at its frequency.
TEST(SweepDistortion, LinearSystemShowsNoDistortionAndNoiseAsTheFloor) {
    for (const DistortionRow& row : distortionOf({})) {
        if (row.FrequencyHz >= 50 && row.ThdPercent) {
            EXPECT_LT(*row.ThdPercent, 0.01) << row.FrequencyHz;
        }
    }
    std::vector<double> k2OverFloor;
    for (const DistortionRow& row : distortionOf({.NoiseDb = -60}))
        if (row.FrequencyHz >= 50 && row.KPercent[0] && row.NoisePercent)
            k2OverFloor.push_back(*row.KPercent[0] / *row.NoisePercent);
    ASSERT_GT(k2OverFloor.size(), 50u);
    std::nth_element(k2OverFloor.begin(), k2OverFloor.begin() + k2OverFloor.size() / 2,
                     k2OverFloor.end());
    EXPECT_NEAR(k2OverFloor[k2OverFloor.size() / 2], 1.0, 0.5);
}

} // namespace
} // namespace terzlab::sweep
