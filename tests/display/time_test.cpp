#include "display/time_plot.h"
#include "graph_fixture.h"
#include <gtest/gtest.h>

namespace terzlab {
namespace {

using graphtest::Graph;

struct TimeView : Graph {
    std::vector<int16_t> buffer;
    TimeInputs in;

    TimeView(int32_t blockSize, double width) {
        graph.Resize(width, 300);
        frame.DisplayIndex = kDisplayTime;
        frame.BlockSize = blockSize;
        frame.Range = {100, -100, 20};
        buffer.assign(2 * blockSize, 0);
        in.BlockSize = blockSize;
        in.ActiveChannel = 1;
        in.CurveColour = kBlue;
    }
    void Draw() {
        in.CaptureBuffer = buffer;
        DisplayTime(graph, window, frame, in);
    }
    std::vector<RecordedSegment> Curve() const { return Lines(DrawStyle::Solid); }
};

TEST(Time, DecimatedStrokesRunFromGroupMaximumToMinimum) {
    EXPECT_EQ(DecimationStep(16384, 600), 7);
    TimeView v(16384, 600);
    for (int i = 0; i < 16384; ++i)
        v.buffer[2 * i + 1] = static_cast<int16_t>((i % 7) * 1000);
    v.buffer[2 * 16383 + 1] = -32768; // the last, short group
    v.Draw();
    const auto curve = v.Curve();
    ASSERT_EQ(curve.size(), (16384u + 6u) / 7u);
    EXPECT_EQ(curve[0].y1, 122) << "6000 at full scale 100 % on 300 rows";
    EXPECT_EQ(curve[0].y2, 150);
    EXPECT_EQ(curve.back().y2, 300) << "the block's end is drawn";
    EXPECT_EQ(curve.back().x2, 600);
}

TEST(Time, PolarityViewDrawsEveryFrameAroundThePulse) {
    TimeView v(8192, 497);
    v.frame.MeasTypeIndex = meas::kPulse;
    v.in.AlignPosition = 1005;
    v.buffer[2 * 1005 + 1] = 32767;
    v.Draw();
    const auto curve = v.Curve();
    ASSERT_EQ(curve.size(), 1023u);
    EXPECT_EQ(curve.back().x2, 497);
    int pulses = 0;
    for (size_t i = 0; i < curve.size(); ++i) {
        if (curve[i].y2 < 100) {
            ++pulses;
            EXPECT_EQ(i + 1, 256u) << "the pulse is the 256th shown frame";
        }
    }
    EXPECT_EQ(pulses, 1);
}

TEST(Time, PulseStraddlingTheBlockEndIsContinuous) {
    TimeView v(8192, 497);
    v.frame.MeasTypeIndex = meas::kPulse;
    v.in.AlignPosition = 8190; // shown frames 7934 .. 8957 wrap to the block's start
    for (int i = 8186; i < 8192 + 10; ++i)
        v.buffer[2 * (i % 8192) + 1] = 20000;
    v.Draw();
    const auto curve = v.Curve();
    ASSERT_EQ(curve.size(), 1023u);
    int high = 0;
    for (size_t i = 1; i < curve.size(); ++i) {
        EXPECT_EQ(curve[i].x1, curve[i - 1].x2);
        high += curve[i - 1].y2 < 100;
    }
    EXPECT_EQ(high, 16);
}

TEST(Time, BlockShorterThanItsSizeDrawsOnlyTheFrame) {
    TimeView v(16384, 600);
    v.buffer.resize(100);
    v.Draw();
    EXPECT_TRUE(v.Curve().empty());
    EXPECT_EQ(v.window.Texts.back().text, "-100 % ");
}

} // namespace
} // namespace terzlab
