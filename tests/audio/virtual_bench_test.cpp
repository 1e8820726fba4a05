// The bench model seen through the virtual card: what a known stimulus comes back as.
#include "audio_test_util.h"
#include <cmath>
#include <complex>

#include <algorithm>
#include <gtest/gtest.h>

namespace terzlab::audio {
namespace {

using testing::Recorder;
using testing::TempFolder;
using testing::toneOf;
using testing::writeTones;

constexpr size_t kBlock = 44100; // one second: every whole-hertz tone is on a bin

struct Bench {
    TempFolder folder;
    std::unique_ptr<SoundCard> card = openVirtualCard();
    Recorder rec{*card, kBlock};

    Bench(const std::vector<double>& freqs, double amplitude, BenchWiring wiring,
          BenchSettings settings) {
        writeTones(folder.path() / "tones.wav", freqs, amplitude);
        card->player->setProgramFolder(folder.path().string());
        card->bench->setWiring(wiring);
        card->bench->setSettings(settings);
        EXPECT_EQ(rec.open(), 0);
        card->player->playLooped("tones.wav");
        EXPECT_EQ(rec.next(), WaitResult::Done); // settling block, as the run takes one
    }
    const std::vector<int16_t>& capture() {
        EXPECT_EQ(rec.next(), WaitResult::Done);
        return rec.block();
    }
};

BenchSettings quiet(double gain = 1.0) {
    return BenchSettings{gain, 0.0, 0, false, true};
}

// The two-channel wirings are measured whole in the window's measurement tests.
TEST(VirtualBench, MicrophoneWiringReturnsTheLoudspeakerOnBothInputs) {
    Bench mic({20.0, 1000.0}, 0.25, BenchWiring{0, 0, 10.0}, quiet(0.5));
    const auto& block = mic.capture();
    const double mid = std::abs(toneOf(block, 0, 1000.0));
    EXPECT_NEAR(mid, 0.125, 0.125 * 0.03); // flat in the middle, below resonance it falls
    EXPECT_LT(std::abs(toneOf(block, 0, 20.0)), 0.3 * mid);
    for (size_t i = 0; i < kBlock; ++i)
        ASSERT_EQ(block[2 * i], block[2 * i + 1]) << "both microphone inputs, frame " << i;
}

TEST(VirtualBench, DelayAndPolarityActOnTheResponseOnly) {
    Bench plain({310.0, 2700.0}, 0.3, BenchWiring{1, 0, 10.0}, quiet());
    BenchSettings turned = quiet();
    turned.delayFrames = 100;
    turned.invertPolarity = true;
    Bench shifted({310.0, 2700.0}, 0.3, BenchWiring{1, 0, 10.0}, turned);
    const auto& a = plain.capture();
    const auto& b = shifted.capture();
    for (size_t i = 100; i < kBlock; ++i) {
        ASSERT_EQ(b[2 * i], -a[2 * (i - 100)]) << "response, frame " << i;
        ASSERT_EQ(b[2 * i + 1], a[2 * i + 1]) << "excitation, frame " << i;
    }
}

TEST(VirtualBench, ClipsLikeAConverterOrWrapsWhenClippingIsOff) {
    Bench clipped({1000.0}, 0.9, BenchWiring{1, 0, 10.0}, quiet(2.0));
    const auto& block = clipped.capture();
    const auto [lo, hi] = std::minmax_element(block.begin(), block.end());
    EXPECT_EQ(*lo, -32768);
    EXPECT_EQ(*hi, 32767);
    // A sine driven past full scale stays a flattened sine: no sample jumps across zero.
    for (size_t i = 1; i < kBlock; ++i)
        ASSERT_LT(std::abs(block[2 * i + 1] - block[2 * i - 1]), 20000) << i;

    BenchSettings wrap = quiet(2.0);
    wrap.clip = false;
    Bench wrapped({1000.0}, 0.9, BenchWiring{1, 0, 10.0}, wrap);
    const auto& w = wrapped.capture();
    bool jumped = false;
    for (size_t i = 1; i < kBlock; ++i)
        jumped = jumped || std::abs(w[2 * i + 1] - w[2 * i - 1]) > 40000;
    EXPECT_TRUE(jumped);
}

// Z = Rv * X1 / (X2 - X1), the two-channel impedance evaluation.
double twoChannelOhms(const std::vector<int16_t>& block, double f, double rv) {
    const auto x1 = toneOf(block, 0, f), x2 = toneOf(block, 1, f);
    return std::abs(rv * x1 / (x2 - x1));
}

const std::vector<double> kImpedanceTones{20.0, 45.0, 200.0, 1000.0, 15000.0};

// The two-channel reading shows a loudspeaker; the window's measurement tests take both
// impedance types through the whole run.
TEST(VirtualBench, ImpedanceShowsALoudspeaker) {
    const double rv = 22.0;
    Bench two(kImpedanceTones, 0.15, BenchWiring{4, 0, rv}, quiet(0.7));
    const auto reference = two.capture();
    const auto z = [&](double f) { return twoChannelOhms(reference, f, rv); };
    EXPECT_GT(z(45.0), 30.0);
    EXPECT_LT(z(45.0), 40.0);
    EXPECT_GT(z(45.0), 2.0 * z(20.0));
    EXPECT_NEAR(z(200.0), 7.0, 1.0); // near the voice-coil resistance
    EXPECT_NEAR(z(1000.0), 7.0, 1.0);
    // The lossy voice coil levels off near Re + R2 instead of climbing with the warped
    // reactance of the simulation: within 1.5 ohm of the analogue circuit.
    const std::complex<double> coil(0.0, 2.0 * 3.14159265358979 * 15000.0 * 0.35e-3);
    EXPECT_NEAR(z(15000.0), std::abs(6.5 + coil * 15.0 / (coil + 15.0)), 1.5);
}

TEST(VirtualBench, StimulusRunsOnSeamlesslyFromBlockToBlock) {
    TempFolder folder;
    // 997 Hz over 44100 frames: no block boundary falls on a whole period.
    writeTones(folder.path() / "t.wav", {997.0, 61.0}, 0.4);
    auto twoBlocks = openVirtualCard();
    auto oneBlock = openVirtualCard();
    Recorder small(*twoBlocks, 5000), large(*oneBlock, 10000);
    for (auto* card : {twoBlocks.get(), oneBlock.get()}) {
        card->player->setProgramFolder(folder.path().string());
        card->player->playLooped("t.wav");
    }
    ASSERT_EQ(small.open(), 0);
    ASSERT_EQ(large.open(), 0);
    ASSERT_EQ(large.next(), WaitResult::Done);
    ASSERT_EQ(small.next(), WaitResult::Done);
    const std::vector<int16_t> first = small.block();
    ASSERT_EQ(small.next(), WaitResult::Done);
    EXPECT_TRUE(std::equal(first.begin(), first.end(), large.block().begin()));
    EXPECT_TRUE(
        std::equal(small.block().begin(), small.block().end(), large.block().begin() + 10000));
}

} // namespace
} // namespace terzlab::audio
