// The sweep and its recognition from a stimulus, smoothing, the gate's refusals, and the impulse
// response's distance to the noise with and without averaging.
#include "sweep/known_system.h"
#include "sweep/smoothing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>

namespace terzlab::sweep {
namespace {

// f1 L whole (the harmonics lie L ln n before the linear response), the peak at the level asked
// for, silence after it; the 16-bit stimulus read back to the same shape, noise to none.
TEST(SweepSignal, SynchronizedSweepAndItsRecognition) {
    const SweepSettings settings{
        .SampleRate = 44100, .F1 = 20, .F2 = 16000, .Samples = 1 << 16, .LevelDb = -10};
    const SweepShape shape = ShapeOf(settings);
    EXPECT_DOUBLE_EQ(shape.F1 * shape.L, std::round(shape.F1 * shape.L));
    EXPECT_NEAR(shape.Samples, shape.L * std::log(800.0) * 44100, 0.5);
    const std::vector<double> x = MakeSweep(settings);
    ASSERT_EQ(x.size(), static_cast<std::size_t>(shape.Samples + 44100));
    EXPECT_NEAR(*std::max_element(x.begin(), x.end()), std::pow(10, -0.5), 1e-4);
    EXPECT_TRUE(std::all_of(x.begin() + shape.Samples, x.end(), [](double v) { return v == 0; }));
    std::vector<float> stimulus(x.size()), noise(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        stimulus[i] = static_cast<float>(std::round(x[i] * 32767) / 32768);
        noise[i] = static_cast<float>(std::sin(i * i * 0.37));
    }
    const auto seen = RecogniseSweep(stimulus, 44100);
    ASSERT_TRUE(seen.has_value());
    EXPECT_NEAR(seen->F1, 20, 1e-3);
    EXPECT_NEAR(seen->L, shape.L, 1e-6);
    EXPECT_NEAR(seen->F2, 16000, 16.0);
    EXPECT_FALSE(RecogniseSweep(noise, 44100).has_value());
}

// Power average, not magnitude average: alternating bins of 1 and 0 give -3 dB at every
// fraction; the phase comes from the complex mean.
TEST(SweepSmoothing, IsAPowerAverageWithThePhaseOfTheComplexMean) {
    Response r{.BinHz = 1.0, .Bins = {}};
    for (int k = 0; k < 20000; ++k)
        r.Bins.push_back(k % 2 ? std::polar(1.0, 0.5) : 0.0);
    for (const int fraction : kSmoothingFractions) {
        for (const auto& v : SmoothedAt(r, std::vector<double>{10000, 15000}, fraction)) {
            EXPECT_NEAR(20 * std::log10(std::abs(v)), -3.0103, 0.05) << "1/" << fraction;
            EXPECT_NEAR(std::arg(v), 0.5, 1e-9);
        }
    }
}

// A remaining delay of a quarter millisecond: its falling phase is 0.25 ms of group delay at every
// smoothing, also where a point is one octave's 48th from the next.
TEST(SweepGroupDelay, OfADelayIsThatDelay) {
    Response r{.BinHz = 5.0, .Bins = {}};
    for (int k = 0; k < 4000; ++k)
        r.Bins.push_back(std::polar(1.0, -2 * std::numbers::pi * k * 5.0 * 0.25e-3));
    for (const int fraction : {kFullResolution, 3, 6, 12, 24, 48})
        for (const ResponsePoint& p :
             SmoothedPoints(r, DrawnFrequencies(200, 16000, r, fraction), fraction))
            EXPECT_NEAR(p.GroupDelayMs, 0.25, 0.005) << p.Freq << " Hz, 1/" << fraction;
}

TEST(SweepGate, RefusesAGateBeforeTheArrivalOrPastTheResponse) {
    const struct {
        const char* Name;
        Gate GateSettings;
        bool Refused;
    } cases[] = {{"fits", {.PreMs = 1, .LengthMs = 50}, false},
                 {"negative pre-arrival part", {.PreMs = -0.5, .LengthMs = 5}, true},
                 {"longer than the response", {.PreMs = 1, .LengthMs = 400}, true},
                 {"reaching into the harmonics", {.PreMs = 300, .LengthMs = 5}, true}};
    for (const auto& c : cases) // arrival at 1000 of 19200 samples recorded at 48 kHz
        EXPECT_EQ(GateRefusal(c.GateSettings, 1000, 19200, 20000, 48000).empty(), !c.Refused)
            << c.Name;
}

// A 2^18-sample sweep with white noise 60 dB below the recording: the response's peak stands
// at least 100 dB over its RMS from 0.25 to 0.45 s; averaging four takes gains 6 dB.
TEST(SweepImpulseResponse, PeakStandsFarAboveTheNoiseAndAveragingLowersIt) {
    const SweepSettings settings{.SampleRate = 48000, .F1 = 10, .F2 = 20000, .Samples = 1 << 18};
    std::vector<test::Recording> recs;
    std::vector<std::vector<float>> takes;
    for (unsigned seed = 1; seed <= 4; ++seed) {
        recs.push_back(test::Record(settings, {.NoiseDb = -60, .Seed = seed}));
        takes.push_back(recs.back().Microphone);
    }
    const auto overNoise = [&](std::span<const float> recorded) {
        const SweepResult r = test::Analysed(settings, recorded, recs[0].Played);
        double power = 0;
        for (int i = 12000; i < 21600; ++i)
            power += double{r.Ir[i]} * r.Ir[i] / 9600;
        return 20 * std::log10(*std::max_element(r.Ir.begin(), r.Ir.end()) / std::sqrt(power));
    };
    const double one = overNoise(takes[0]);
    EXPECT_GT(one, 100.0);
    EXPECT_NEAR(overNoise(AverageCoherently(takes)) - one, 6.0, 1.5);
}

} // namespace
} // namespace terzlab::sweep
