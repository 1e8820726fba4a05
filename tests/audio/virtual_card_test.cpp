// The virtual card as a machine (device lists, opening, the block cycle) and the bench model
// seen through it: what a known stimulus comes back as. The window's measurement and
// device-fault tables take both through whole runs.
#include "audio/device_caps.h"
#include "audio/virtual/virtual_card.h"
#include "support/bench_truth.h"
#include "support/temp_folder.h"
#include "support/wav_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <complex>
#include <numbers>

namespace terzlab::audio {
namespace {

// A sum of sines on whole hertz: one second of it loops without a seam.
void writeTones(const std::string& path, const std::vector<double>& freqs, double amplitude) {
    std::vector<int16_t> samples;
    for (size_t i = 0; i < 44100; ++i) {
        double v = 0.0;
        for (double f : freqs)
            v += amplitude * std::sin(2.0 * std::numbers::pi * f * static_cast<double>(i) / 44100);
        samples.insert(samples.end(), 2, static_cast<int16_t>(std::lround(v * 32767.0)));
    }
    test::writeWav(path, samples);
}

// Complex amplitude (full scale = 1) of `freq` in one channel; exact when the block holds whole
// periods.
std::complex<double> toneOf(const std::vector<int16_t>& block, int channel, double freq) {
    const size_t frames = block.size() / 2;
    std::complex<double> sum;
    for (size_t i = 0; i < frames; ++i)
        sum += block[i * 2 + static_cast<size_t>(channel)] / 32768.0 *
               std::polar(1.0, -2.0 * std::numbers::pi * freq * static_cast<double>(i) / 44100);
    return sum * (2.0 / static_cast<double>(frames));
}

constexpr size_t kBlock = 44100; // one second: every whole-hertz tone is on a bin

// A virtual card, captured from its first input in blocks of `frames` frames at 44.1 kHz stereo,
// with a folder of its own for the stimulus.
struct Bench {
    test::TempFolder folder;
    std::unique_ptr<SoundCard> card;
    std::vector<int16_t> block;
    WaveHeader header;

    explicit Bench(size_t frames = kBlock, const VirtualCardOptions& options = {})
        : card(openVirtualCard(options)), block(frames * 2) {
        header.data = block.data();
        header.bufferLength = static_cast<uint32_t>(block.size() * sizeof(int16_t));
    }
    int open() {
        const int result = card->capture->open(0, WaveFormat{});
        if (result != 0) return result;
        card->capture->prepare(header);
        card->capture->start();
        return 0;
    }
    WaitResult next(double timeout = 1.0) {
        card->capture->addBuffer(header);
        return card->capture->waitDone(header, timeout);
    }
    // The ramp file through a plain wire at full gain, without noise: every frame exact.
    Bench& playRamp() {
        test::writeRamp(folder / "ramp.wav");
        card->player->setProgramFolder(folder.path().string());
        card->bench->setSettings({.gain = 1.0, .noise = 0.0, .straightThrough = true});
        card->player->playLooped("ramp.wav");
        return *this;
    }
    // The tones looped through the wiring of `measType`; the first block settles, as in a run.
    Bench& play(const std::vector<double>& freqs, double amplitude, int measType, double gain,
                BenchSettings settings = {}) {
        writeTones(folder / "tones.wav", freqs, amplitude);
        card->player->setProgramFolder(folder.path().string());
        card->bench->setWiring(BenchWiring{measType, 0, 22.0});
        settings.gain = gain;
        settings.noise = 0.0;
        card->bench->setSettings(settings);
        EXPECT_EQ(open(), 0);
        card->player->playLooped("tones.wav");
        EXPECT_EQ(std::pair(next(), next()), std::pair(WaitResult::Done, WaitResult::Done));
        return *this;
    }
};

TEST(VirtualCard, ListsAndOpensWhatItIsGivenAndRefusesWhatARealDriverWould) {
    auto card = openVirtualCard(
        {.inputNames = {"Mikrofon", "Eingang mit einem sehr langen Namen über 32 Zeichen"},
         .inputFormats = {0, kFormat44S16}});
    ASSERT_EQ(card->devices->inputCount(), 2);
    EXPECT_STREQ(card->devices->inputCaps(0).name.data(), "Mikrofon");
    EXPECT_STREQ(card->devices->inputCaps(1).name.data(), "Eingang mit einem sehr langen N");
    EXPECT_EQ(card->devices->inputCaps(2).name[0], '\0'); // past the end: an empty record

    EXPECT_EQ(card->capture->open(2, WaveFormat{}), kOpenNoDevice);
    EXPECT_EQ(card->capture->open(-1, WaveFormat{}), kOpenNoDevice);
    EXPECT_EQ(card->capture->open(0, WaveFormat{}), kOpenBadFormat);
    EXPECT_EQ(card->capture->open(1, WaveFormat{.bitsPerSample = 8}), kOpenBadFormat);
    EXPECT_FALSE(card->capture->isOpen());
    EXPECT_EQ(card->capture->open(1, WaveFormat{}), 0);
    EXPECT_EQ(card->capture->open(1, WaveFormat{}), kOpenAllocated);
    card->capture->close();
    card->capture->close(); // harmless twice
    EXPECT_FALSE(card->capture->isOpen());
}

// On virtual time a queued block is done at once once the capture runs, and a reset drops it
// unfilled; on real time it takes its duration, and one longer than the wait allows times out.
TEST(VirtualCard, ABlockIsReadyWhenQueuedOnVirtualTimeAndAfterItsDurationOnRealTime) {
    Bench rec(441); // 10 ms
    ASSERT_EQ(rec.card->capture->open(0, WaveFormat{}), 0);
    EXPECT_EQ(rec.next(0.0), WaitResult::TimedOut); // not started: waits for data
    rec.card->capture->reset();
    rec.card->capture->start();
    EXPECT_EQ(rec.header.flags.load() & kHeaderDone, 0u);
    EXPECT_EQ(rec.card->bench->blocksCaptured(), 0);
    EXPECT_EQ(rec.next(0.0), WaitResult::Done);
    EXPECT_EQ(rec.card->bench->blocksCaptured(), 1);

    Bench real(441, VirtualCardOptions{.timing = Timing::RealTime});
    ASSERT_EQ(real.open(), 0);
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(real.next(5.0), WaitResult::Done);
    EXPECT_GE(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(10));
    Bench slow(44100, VirtualCardOptions{.timing = Timing::RealTime});
    ASSERT_EQ(slow.open(), 0);
    EXPECT_EQ(slow.next(0.005), WaitResult::TimedOut);
}

// A live reader takes the stream in hop-sized chunks: every frame, in order.
TEST(VirtualCard, ALiveReaderTakesEveryFrameInHopSizedChunks) {
    Bench rec(1000);
    rec.playRamp();
    ASSERT_EQ(rec.card->stream->open(0, WaveFormat{}), 0);
    rec.card->stream->start();
    int16_t last = -test::kRampFrames / 2 - 1;
    for (int i = 0; i < 20; ++i) {
        ASSERT_EQ(rec.card->stream->waitFor(1000, 0.0), WaitResult::Done); // on virtual time
        ASSERT_EQ(rec.card->stream->readFrames(rec.block, 0.0).frames, 1000u);
        ASSERT_EQ(test::rampBreaks(rec.block, last), 0) << "chunk " << i;
    }
    EXPECT_EQ(rec.card->stream->lostFrames(), 0u);
}

// The player runs dry once while a block is captured: the block begins again after the gap and
// holds the ramp unbroken.
TEST(VirtualCard, ABlockCapturedWhileThePlayerRanDryIsCapturedAgain) {
    Bench rec(3000, {.underflowsPerBlock = 1});
    ASSERT_EQ(rec.playRamp().open(), 0);
    ASSERT_EQ(rec.next(), WaitResult::Done);
    int16_t last = static_cast<int16_t>(rec.block[0] - 1);
    EXPECT_EQ(test::rampBreaks(rec.block, last), 0);
    EXPECT_EQ(rec.card->capture->blocksStartedOver(), 1);
}

// The microphone wiring returns the loudspeaker in its room on both inputs; delay and polarity
// act on the response only, never on the excitation input of the transfer wiring.
TEST(VirtualBench, WiringsReturnTheLoudspeakerAndTheExcitation) {
    Bench mic, plain, shifted;
    const auto& heard = mic.play({20.0, 1000.0}, 0.25, 0, 0.5).block;
    // Below the resonance the suspension's stiffening takes a few percent off the linear truth.
    for (const auto& [hz, tolerance] : {std::pair{1000.0, 0.01}, {20.0, 0.1}}) {
        const double truth =
            0.125 * std::abs(test::loudspeakerAt(hz, 44100) * test::roomAt({}, hz, 44100));
        EXPECT_NEAR(std::abs(toneOf(heard, 0, hz)), truth, tolerance * truth) << hz << " Hz";
    }
    const auto& a = plain.play({310.0, 2700.0}, 0.3, 1, 1.0).block;
    const auto& b =
        shifted.play({310.0, 2700.0}, 0.3, 1, 1.0, {.delayFrames = 100, .invertPolarity = true})
            .block;
    for (size_t i = 0; i < kBlock; ++i) {
        ASSERT_EQ(heard[2 * i], heard[2 * i + 1]) << "both microphone inputs, frame " << i;
        ASSERT_EQ(b[2 * i + 1], a[2 * i + 1]) << "excitation, frame " << i;
        ASSERT_TRUE(i < 100 || b[2 * i] == -a[2 * (i - 100)]) << "response, frame " << i;
    }
}

// A sine driven past full scale stays a flattened sine (no sample jumps across zero) unless
// clipping is off.
TEST(VirtualBench, ClipsLikeAConverterOrWrapsWhenClippingIsOff) {
    for (const bool clip : {true, false}) {
        Bench loud;
        const auto& block = loud.play({1000.0}, 0.9, 1, 2.0, {.clip = clip}).block;
        int jump = 0;
        for (size_t i = 1; i < kBlock; ++i)
            jump = std::max(jump, std::abs(block[2 * i + 1] - block[2 * i - 1]));
        EXPECT_TRUE(clip ? jump < 20000 : jump > 40000) << jump;
        if (!clip) continue;
        const auto [lo, hi] = std::minmax_element(block.begin(), block.end());
        EXPECT_EQ(std::pair(*lo, *hi), (std::pair<int16_t, int16_t>(-32768, 32767)));
    }
}

// 997 Hz over 5000 or 10000 frames: no block boundary falls on a whole period.
TEST(VirtualBench, StimulusRunsOnSeamlesslyFromBlockToBlock) {
    Bench small(5000), large(10000);
    small.play({997.0, 61.0}, 0.4, 1, 1.0);
    large.play({997.0, 61.0}, 0.4, 1, 1.0); // its second block: what small takes in two
    for (const size_t half : {0u, 1u}) {
        ASSERT_EQ(small.next(), WaitResult::Done);
        EXPECT_TRUE(std::equal(small.block.begin(), small.block.end(),
                               large.block.begin() + static_cast<long>(half * small.block.size())));
    }
}

} // namespace
} // namespace terzlab::audio
