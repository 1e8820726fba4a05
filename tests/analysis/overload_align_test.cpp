#include "analysis/align.h"
#include "analysis/overload.h"
#include "signals.h"

#include <gtest/gtest.h>

namespace terzlab {
namespace {

using test::stereoBlock;

// The threshold (32000 / 32001 on either polarity) is pinned end to end by terzlab-analyze.
TEST(Overload, PeaksOfTheBlocksFramesOnly) {
    auto block = stereoBlock(1024, test::impulse(10, 32000), test::impulse(20, -32768));
    EXPECT_EQ(ChannelPeaks(block, 1024)[0], 32000);
    EXPECT_EQ(ChannelPeaks(block, 1024)[1], 32768);
    EXPECT_TRUE(IsOverload(32768));
    EXPECT_EQ(ChannelPeaks(block, 8)[0], 0); // only the block's frames count
}

TEST(Overload, TimeViewScaleAndLevelBar) {
    EXPECT_EQ(TimeViewScale(16384).RangeTop, 100);
    EXPECT_EQ(TimeViewScale(16383).RangeTop, 50);
    EXPECT_EQ(LevelBarLength(32768, 200), 200);
    EXPECT_EQ(LevelBarLength(16384, 101), 50); // 50.5 rounds to even
    EXPECT_EQ(LevelBarLength(0, 200), 0);
}

std::vector<int16_t> pulse(int32_t rise, int32_t fall, int16_t level = 20000) {
    return stereoBlock(
        8192,
        [=](int32_t i) {
            const bool high = rise < fall ? (i >= rise && i < fall) : (i >= rise || i < fall);
            return high ? level : 0.0;
        },
        test::silence());
}

TEST(AlignTime, FindsThePulseAndKeepsTheLastUsablePosition) {
    AlignState align;
    AlignTime(align, pulse(1000, 1010), 8192, 0);
    EXPECT_EQ(align.AlignPosition, 1005);
    AlignTime(align, pulse(8190, 3), 8192, 0); // wraps round the end of the block
    EXPECT_EQ(align.AlignPosition, 8192);
    AlignTime(align, pulse(2000, 2600), 8192, 0); // edges too far apart for one pulse
    EXPECT_EQ(align.AlignPosition, 8192);
    AlignTime(align, stereoBlock(8192, test::silence(), test::silence()), 8192, 0);
    EXPECT_EQ(align.AlignPosition, 0);
    AlignTime(align, pulse(3000, 3100), 8192, 1); // the right channel is silent
    EXPECT_EQ(align.AlignPosition, 0);
}

} // namespace
} // namespace terzlab
