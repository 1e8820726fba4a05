// The capture stream: the ring between the audio callback and the run (wrap-around, lost
// frames, gaps), and what a reader takes from it through the virtual card: every frame in
// order, and whole blocks that begin again after a gap.
#include "audio/frame_ring.h"
#include "audio/virtual/virtual_card.h"
#include "support/temp_folder.h"
#include "support/wav_file.h"

#include <gtest/gtest.h>

namespace terzlab::audio {
namespace {

// Stereo frames numbered from `first`: left = the number, right = its negative.
std::vector<int16_t> numbered(int first, int count) {
    std::vector<int16_t> frames;
    for (int n = first; n < first + count; ++n)
        frames.insert(frames.end(), {static_cast<int16_t>(n), static_cast<int16_t>(-n)});
    return frames;
}

TEST(FrameRing, ConsecutiveReadsGoOnAcrossTheEndOfTheStorage) {
    FrameRing ring;
    ring.resize(5, 2);
    ASSERT_EQ(ring.capacity(), 8u);
    int written = 0, read = 0;
    std::vector<int16_t> chunk(2 * 3);
    while (written < 50) { // six times round
        written += static_cast<int>(ring.write(numbered(written, 5).data(), 5));
        for (; ring.available() >= 3; read += 3) {
            ring.read(chunk.data(), 3);
            ASSERT_EQ(chunk, numbered(read, 3)) << "frames from " << read;
        }
    }
    EXPECT_EQ(ring.position(), 48u);
    EXPECT_EQ(ring.lostFrames(), 0u);
    EXPECT_EQ(ring.gaps(), 0u);
}

TEST(FrameRing, FramesWithoutRoomAreCountedAsLostAndMarkedAsOneGap) {
    FrameRing ring;
    ring.resize(8, 2);
    EXPECT_EQ(ring.write(numbered(0, 6).data(), 6), 6u);
    EXPECT_EQ(ring.write(numbered(6, 5).data(), 5), 2u);
    EXPECT_EQ(ring.write(numbered(11, 4).data(), 4), 0u); // still full: the same gap
    EXPECT_EQ(ring.lostFrames(), 7u);
    EXPECT_EQ(ring.gaps(), 1u);
    EXPECT_EQ(ring.lastGap(), 8u); // the next frame written does not join the eighth
    ring.markGap(3);               // behind the last mark: changes nothing
    EXPECT_EQ(ring.lastGap(), 8u);
    ring.markGap(20); // ahead: frames still on their way carry a gap
    EXPECT_EQ(ring.gaps(), 2u);
}

constexpr int kRampFrames = 4096;

// A virtual card whose right input carries a looped ramp exactly: the excitation of the
// two-channel wiring at full gain, without noise.
struct RampCard {
    test::TempFolder folder;
    std::unique_ptr<SoundCard> card;

    explicit RampCard(const VirtualCardOptions& options = {}) : card(openVirtualCard(options)) {
        std::vector<int16_t> ramp;
        for (int i = 0; i < kRampFrames; ++i)
            ramp.insert(ramp.end(), 2, static_cast<int16_t>(i - kRampFrames / 2));
        test::writeWav(folder / "ramp.wav", ramp);
        card->player->setProgramFolder(folder.path().string());
        card->bench->setWiring(BenchWiring{.measType = 1});
        card->bench->setSettings(BenchSettings{.gain = 1.0, .noise = 0.0});
        card->player->playLooped("ramp.wav");
    }
};

// Where the ramp on the right does not go on by one, counted from the frame before `block`.
int breaksIn(const std::vector<int16_t>& block, int16_t& last) {
    int breaks = 0;
    for (size_t i = 1; i < block.size(); i += 2) {
        breaks += (block[i] - last + kRampFrames) % kRampFrames != 1 ? 1 : 0;
        last = block[i];
    }
    return breaks;
}

TEST(CaptureStream, ALiveReaderTakesEveryFrameInHopSizedChunks) {
    RampCard ramp;
    CaptureStream& stream = *ramp.card->stream;
    ASSERT_EQ(stream.open(0, WaveFormat{}), 0);
    stream.start();
    std::vector<int16_t> hop(2 * 1000);
    int16_t last = -kRampFrames / 2 - 1;
    int breaks = 0;
    for (int i = 0; i < 20; ++i) {
        const StreamRead got = stream.readFrames(hop, 0.0);
        ASSERT_EQ(got.result, WaitResult::Done);
        ASSERT_EQ(got.frames, 1000u);
        breaks += breaksIn(hop, last);
    }
    EXPECT_EQ(breaks, 0);
    EXPECT_EQ(stream.position(), 20000u);
    EXPECT_EQ(stream.lostFrames(), 0u);
}

// The player runs dry once while the block is captured: the block begins again after the gap
// and holds the ramp unbroken.
TEST(CaptureStream, ABlockCapturedWhileThePlayerRanDryIsCapturedAgain) {
    RampCard ramp({.underflowsPerBlock = 1});
    CaptureDevice& capture = *ramp.card->capture;
    std::vector<int16_t> block(2 * 3000);
    WaveHeader header{.data = block.data(),
                      .bufferLength = static_cast<uint32_t>(block.size() * sizeof(int16_t))};
    ASSERT_EQ(capture.open(0, WaveFormat{}), 0);
    capture.start();
    capture.addBuffer(header);
    ASSERT_EQ(capture.waitDone(header, 1.0), WaitResult::Done);
    int16_t last = static_cast<int16_t>(block[1] - 1);
    EXPECT_EQ(breaksIn(block, last), 0);
    EXPECT_EQ(ramp.card->bench->underflowsReported(), 1);
    EXPECT_EQ(capture.blocksStartedOver(), 1);
}

} // namespace
} // namespace terzlab::audio
