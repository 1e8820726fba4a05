// The ring between the audio callback and the run: wrap-around, lost frames, gaps. What a
// reader takes from the stream, the virtual card's cases show.
#include "audio/frame_ring.h"

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
    std::vector<int16_t> chunk(2 * 3);
    for (int written = 0, read = 0; written < 50; written += 5) { // six times round
        ASSERT_EQ(ring.write(numbered(written, 5).data(), 5), 5u);
        for (; ring.available() >= 3; read += 3) {
            ring.read(chunk.data(), 3);
            ASSERT_EQ(chunk, numbered(read, 3)) << "frames from " << read;
        }
    }
    EXPECT_EQ(ring.position(), 48u);
    EXPECT_EQ(ring.lostFrames(), 0u);
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
}

} // namespace
} // namespace terzlab::audio
