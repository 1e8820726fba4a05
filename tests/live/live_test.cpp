// The live analysis against the block-mode analysis of the same signal, its averaging in time,
// its update rate and what it does with frames that never arrived.
#include "live/live_reader.h"

#include "analysis/constants.h"
#include "analysis/meas_type.h"
#include "analysis/signals.h"
#include "audio/virtual/virtual_card.h"
#include "stimuli/signals.h"
#include "stimuli/stimulus_files.h"
#include "support/temp_folder.h"
#include "support/wav_file.h"

#include <gtest/gtest.h>

#include <cmath>

namespace terzlab::live {
namespace {

double Db(double power) {
    return 10 * std::log10(power);
}

// `frames` frames of the channels, from frame `from` on.
std::vector<int16_t> signalFrames(const test::Channel& left, const test::Channel& right,
                                  int32_t frames, int32_t from = 0) {
    return test::stereoBlock(
        frames, [&](int32_t i) { return left(from + i); },
        [&](int32_t i) { return right(from + i); });
}

TEST(LiveUpdates, EveryOfferedBlockSizeAndRateUpdatesTenTimesASecondWithHalfABlockOverlapOrMore) {
    for (const int32_t rate : kLiveRates) {
        for (const int32_t size : kLiveBlockSizes) {
            SCOPED_TRACE(testing::Message() << size << " points at " << rate << " Hz");
            LiveAnalyzer live;
            ASSERT_TRUE(live.Configure({.SampleRate = rate, .BlockSize = size, .Average = {}}));
            EXPECT_GE(live.UpdatesPerSecond(), kMinUpdatesPerSecond);
            EXPECT_LE(live.Hop(), size / 2);
            // Counted, not taken from the formula: after the first block, three seconds give
            // thirty updates and more.
            live.Feed(std::vector<int16_t>(static_cast<size_t>(2 * (size + 3 * rate)), 0));
            EXPECT_GE(live.Updates(), 1 + 30);
        }
    }
}

TEST(LiveLevels, PeriodicPinkNoiseAndASineGiveTheBlockModeBandLevels) {
    const stimuli::PeriodicSignal pink = stimuli::pseudoNoise();
    const test::Channel pinkChannel = [&](int32_t i) {
        return 32768.0 * pink.period[static_cast<size_t>(i) % pink.period.size()];
    };
    const int32_t n = 16384;
    struct Case {
        const char* name;
        MeasType type;
        int32_t rate;
        test::Channel left, right;
    } cases[] = {
        {"pink, one channel, 44.1 kHz", MeasType::LevelOneChannel, 44100, pinkChannel,
         test::kSilence},
        {"pink, one channel, 48 kHz", MeasType::LevelOneChannel, 48000, pinkChannel,
         test::kSilence},
        {"sine, one channel", MeasType::LevelOneChannel, 44100, test::cosineOnBin(n, 372, 10000),
         test::kSilence},
        {"sine, transfer of -6 dB", MeasType::LevelTwoChannel, 44100,
         test::cosineOnBin(n, 372, 5000), test::cosineOnBin(n, 372, 10000)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LiveAnalyzer live;
        ASSERT_TRUE(live.Configure(
            {.Type = c.type, .SampleRate = c.rate, .Average = {.Mode = Averaging::Slow}}));
        // Begun at an odd frame: no transform lines up with the block-mode block.
        live.Feed(signalFrames(c.left, c.right, 3 * n, 123));
        ASSERT_GE(live.Updates(), 8);
        test::BandRig block(c.type, c.rate); // the normal run's analysis
        block.analyse(signalFrames(c.left, c.right, n));
        const int row = c.type == MeasType::LevelOneChannel ? row::kFirstPower : row::kCombined;
        for (int b = 0; b <= block.bands.Table.LastBand; ++b) {
            if (block.row(1, b) < 1e-7) continue; // rounding noise (and its ratio) only
            EXPECT_NEAR(Db(live.Averaged().Results(row, b)), Db(block.row(row, b)), 0.1) << b;
        }
    }
}

// The exponential mean of a step from 0 to 1 follows 1 - exp(-t/tau) at every update of a
// 16384-point analysis at 44.1 kHz, and so reaches 1 - 1/e at the time constant.
TEST(LiveAveraging, TheExponentialStepResponseReachesOneMinusOneOverEAtTheTimeConstant) {
    const double update = 4096.0 / 44100;
    const double target = 1 - std::exp(-1.0);
    for (const Averaging mode : {Averaging::Fast, Averaging::Slow, Averaging::Long}) {
        const double tau = TimeConstantSeconds(mode);
        SCOPED_TRACE(testing::Message() << tau << " s");
        Averager averager;
        averager.Configure({.Mode = mode}, 1, update);
        averager.Add(std::vector<double>{0.0});
        double before = 0, after = 0;
        int updates = 0;
        while (after < target) {
            before = after;
            averager.Add(std::vector<double>{1.0});
            after = averager.Mean()[0];
            ++updates;
            ASSERT_NEAR(after, 1 - std::exp(-updates * update / tau), 1e-12) << updates;
        }
        // Between the two updates around it, -ln(1 - mean) grows in proportion to time.
        const double u0 = -std::log(1 - before), u1 = -std::log(1 - after);
        const double crossing = (updates - 1 + (1 - u0) / (u1 - u0)) * update;
        EXPECT_NEAR(crossing, tau, 1e-9);
    }
}

TEST(LiveAveraging, TheLinearMeanTakesTheLastNUpdatesAndThePeakHoldsUntilReset) {
    Averager averager;
    averager.Configure({.Mode = Averaging::Linear, .LinearCount = 4}, 2, 0.1);
    const double updates[] = {8, 8, 8, 8, 0, 0};
    for (size_t i = 0; i < std::size(updates); ++i)
        averager.Add(std::vector<double>{updates[i], i == 2 ? kNoValue : updates[i]});
    EXPECT_DOUBLE_EQ(averager.Mean()[0], (8.0 + 8 + 0 + 0) / 4);
    EXPECT_EQ(averager.Mean()[1], kNoValue) << "a value without a level left the mean defined";
    EXPECT_DOUBLE_EQ(averager.Peak()[0], 8.0);
    averager.ResetPeak();
    averager.Add(std::vector<double>{0.0, 0.0});
    EXPECT_DOUBLE_EQ(averager.Peak()[0], (8.0 + 0 + 0 + 0) / 4);
}

// A stream the test fills by hand; nothing arrives on its own.
struct HandFedStream final : audio::CaptureStream {
    HandFedStream() { ring_.resize(1 << 17, 2); }
    int open(int, const audio::WaveFormat&) override { return 0; }
    void start() override {}
    void stop() override {}
    void close() override {}
    bool isOpen() const override { return true; }
    void put(const std::vector<int16_t>& frames) { ring_.write(frames.data(), frames.size() / 2); }
    void lose(size_t frames) { ring_.lose(frames); }

  protected:
    audio::WaitResult produce(size_t, Clock::time_point) override {
        return audio::WaitResult::TimedOut;
    }
};

TEST(LiveGaps, LostFramesAreCountedAndNoTransformSpansTheGap) {
    HandFedStream stream;
    LiveAnalyzer live;
    ASSERT_TRUE(live.Configure({}));
    LiveReader reader;
    reader.Attach(stream, live);
    const int32_t n = live.BlockSize(), hop = live.Hop();
    const test::Channel sine = test::cosineOnBin(n, 372, 10000);
    stream.put(signalFrames(sine, sine, n + 2 * hop));
    stream.lose(1000);
    stream.put(signalFrames(sine, sine, n + hop));
    reader.Pump(1 << 20);
    EXPECT_EQ(live.Updates(), 3 + 2) << "transforms were joined across the gap";
    EXPECT_EQ(std::pair(live.Gaps(), live.LostFrames()), std::pair(1u, uint64_t{1000}));
    EXPECT_NEAR(live.LostMilliseconds(), 1000 * 1000.0 / 44100, 1e-9);
}

// The program's pink noise looped on the virtual card straight into the live analysis: the file
// holds whole periods, so the transforms across the loop point read what all others read. A
// step at the join would spread over every band of the transforms that span it.
TEST(LivePink, TheLoopedPinkNoiseJoinsWithoutAStep) {
    test::TempFolder folder;
    const sound_file::SoundData pink = *stimuli::stimulusSound("pseudo.wav", 44100);
    test::writeWav(folder / "pseudo.wav", pink.samples);
    auto card = audio::openVirtualCard();
    card->player->setProgramFolder(folder.path().string());
    card->bench->setSettings({.gain = 1.0, .noise = 0.0, .straightThrough = true});
    ASSERT_EQ(card->stream->open(0, audio::WaveFormat{}), 0);
    card->stream->start();
    card->player->playLooped("pseudo.wav");
    LiveAnalyzer live;
    ASSERT_TRUE(live.Configure({.Average = {.Mode = Averaging::Fast}}));
    LiveReader reader;
    reader.Attach(*card->stream, live);
    reader.Pump(static_cast<size_t>(live.BlockSize())); // the first transform
    const std::vector<double> first = live.Averaged().Results.Cells;
    double worst = 0;
    // Two loops of the file, one update at a time.
    while (card->stream->position() < 2 * pink.frames()) {
        ASSERT_EQ(reader.Pump(static_cast<size_t>(live.Hop())).frames, size_t(live.Hop()));
        for (size_t i = 0; i < first.size(); ++i)
            if (first[i] > 1e-7)
                worst = std::max(worst, std::abs(Db(live.Averaged().Results.Cells[i] / first[i])));
    }
    EXPECT_LT(worst, 0.01) << "dB apart from the first transform, at the loop point";
}

} // namespace
} // namespace terzlab::live
