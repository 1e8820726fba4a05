// Harmonic distortion of known nonlinear systems: for a sine of amplitude A through
// y = x + a2 x^2 + a3 x^3 the fundamental is A + 3/4 a3 A^3, the second harmonic a2 A^2 / 2 and
// the third a3 A^3 / 4; a filter after it shapes each at its own frequency.
#include "sweep/distortion.h"
#include "sweep/known_system.h"
#include "sweep/sweep_analysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace terzlab::sweep {
namespace {

using test::KnownSystem;

constexpr SweepSettings kSweep{.SampleRate = 48000, .F1 = 10, .F2 = 20000, .Samples = 1 << 17};
constexpr double kA = 0.5; // the sweep's amplitude at -6 dBFS

std::vector<DistortionRow> distortionOf(const KnownSystem& system) {
    const test::Recording rec = test::Record(kSweep, system);
    OwnRealFft transform;
    const SweepInputs in{.Recorded = rec.Microphone,
                         .Excitation = rec.Played,
                         .Sweep = ShapeOf(kSweep),
                         .GateSettings = {}};
    const SweepResult r = AnalyseSweep(in, transform);
    EXPECT_EQ(r.Error, "");
    return HarmonicDistortion({.Ir = r.Ir,
                               .ArrivalSample = r.ArrivalAt.Sample,
                               .ResponseSamples = r.ResponseSamples,
                               .Sweep = ShapeOf(kSweep),
                               .Fraction = 12},
                              transform);
}

TEST(SweepDistortion, SecondAndThirdOrderOfAPowerSeriesAloneAndFilteredAfterwards) {
    const KnownSystem alone{.HighPassHz = 0, .LowPassHz = 0, .A2 = 0.16, .A3 = 0.48};
    KnownSystem filtered = alone;
    filtered.LowPassHz = 2000;
    for (const KnownSystem& system : {alone, filtered}) {
        SCOPED_TRACE(system.LowPassHz > 0 ? "low-pass after it" : "alone");
        double worstK = 0, worstThd = 0;
        for (const DistortionRow& row : distortionOf(system)) {
            const double f = row.FrequencyHz;
            for (int n = 2; n <= kHighestOrder; ++n)
                EXPECT_EQ(row.KPercent[n - 2].has_value(), n * f < kSweep.F2) << f << " Hz, k" << n;
            if (f < 50 || f > kSweep.F2 / 4) continue;
            const double g1 = std::abs(test::FiltersAt(system, f, 48000));
            const double fundamental = (kA + 0.75 * system.A3 * kA * kA * kA) * g1;
            const double k2 = 100 * system.A2 * kA * kA / 2 *
                              std::abs(test::FiltersAt(system, 2 * f, 48000)) / fundamental;
            const double k3 = 100 * system.A3 * kA * kA * kA / 4 *
                              std::abs(test::FiltersAt(system, 3 * f, 48000)) / fundamental;
            ASSERT_TRUE(row.ThdPercent.has_value()) << f;
            worstK = std::max({worstK, std::fabs(*row.KPercent[0] / k2 - 1),
                               std::fabs(*row.KPercent[1] / k3 - 1)});
            worstThd = std::max(worstThd, std::fabs(*row.ThdPercent - std::hypot(k2, k3)));
        }
        std::printf("k2/k3 worst relative error %.4f, THD worst error %.4f points\n", worstK,
                    worstThd);
        EXPECT_LT(worstK, 0.05);
        EXPECT_LT(worstThd, 0.15);
    }
}

// Nothing of the linear response leaks into the harmonics' windows; noise shows as the floor
// it is: the second order then reads, typically, what the floor reads at its frequency.
TEST(SweepDistortion, LinearSystemShowsNoDistortionAndNoiseAsTheFloor) {
    double worstThd = 0;
    for (const DistortionRow& row : distortionOf(KnownSystem{}))
        if (row.FrequencyHz >= 50 && row.ThdPercent) worstThd = std::max(worstThd, *row.ThdPercent);
    std::vector<double> k2OverFloor;
    for (const DistortionRow& row : distortionOf(KnownSystem{.NoiseDb = -60})) {
        ASSERT_TRUE(row.NoisePercent.has_value());
        if (row.FrequencyHz >= 50 && row.KPercent[0])
            k2OverFloor.push_back(*row.KPercent[0] / *row.NoisePercent);
    }
    std::nth_element(k2OverFloor.begin(), k2OverFloor.begin() + k2OverFloor.size() / 2,
                     k2OverFloor.end());
    const double typical = k2OverFloor[k2OverFloor.size() / 2];
    std::printf("linear THD at most %.5f %%; with noise, k2 / floor typically %.2f\n", worstThd,
                typical);
    EXPECT_LT(worstThd, 0.01);
    EXPECT_GT(typical, 0.5);
    EXPECT_LT(typical, 2.0);
}

} // namespace
} // namespace terzlab::sweep
