#include "display/time_plot.h"
#include "graph_fixture.h"
#include <gtest/gtest.h>

namespace terzlab {
namespace {

struct TimeView : graphtest::Graph {
    std::vector<int16_t> buffer;
    TimeInputs in;

    TimeView(int32_t blockSize, double width, int16_t type) : buffer(2 * blockSize) {
        graph.Resize(width, 300);
        frame.DisplayIndex = kDisplayTime;
        frame.MeasTypeIndex = type;
        frame.Range = {100, -100, 20};
        in = {{}, blockSize, 2, 1, kBlue, 0};
    }
    std::vector<RecordedSegment> Curve() {
        in.CaptureBuffer = buffer;
        DisplayTime(graph, window, frame, in);
        return Lines(DrawStyle::Solid);
    }
};

TEST(Time, DecimatedStrokesRunFromGroupMaximumToMinimumAndATruncatedBlockDrawsNone) {
    TimeView v(16384, 600, 0);
    for (int i = 0; i < 16384; ++i)
        v.buffer[2 * i + 1] = static_cast<int16_t>((i % 7) * 1000);
    v.buffer[2 * 16383 + 1] = -32768; // in the last, short group
    const auto curve = v.Curve();
    ASSERT_EQ(curve.size(), (16384u + 6u) / 7u) << "step 7";
    EXPECT_EQ(graphtest::Ends(curve[0]), (std::vector{0, 122, 0, 150})) << "6000 on 300 rows";
    EXPECT_EQ(graphtest::Ends(curve.back()), (std::vector{600, 140, 600, 300}));

    TimeView cut(16384, 600, 0);
    cut.buffer.resize(100);
    EXPECT_TRUE(cut.Curve().empty());
    EXPECT_EQ(cut.window.Texts.back().text, "-100 % ");
}

TEST(Time, PolarityViewDrawsEveryFrameWithThePulseAtAQuarterAndAcrossTheBlockEnd) {
    TimeView v(8192, 497, meas::kPulse);
    v.in.AlignPosition = 1005;
    v.buffer[2 * 1005 + 1] = 32767;
    const auto curve = v.Curve();
    ASSERT_EQ(curve.size(), 1023u);
    EXPECT_EQ(curve.back().x2, 497);
    EXPECT_LT(curve[255].y2, 10) << "frame 256 shows the pulse";
    EXPECT_EQ(curve[255].x2, 124);
    EXPECT_GT(curve[256].y2, 140);

    TimeView wrap(8192, 497, meas::kPulse); // a pulse straddling the block end stays continuous
    wrap.in.AlignPosition = 8190;
    for (int i = 8186; i < 8192 + 10; ++i)
        wrap.buffer[2 * (i % 8192) + 1] = 20000;
    const auto wrapped = wrap.Curve();
    int high = 0;
    for (size_t i = 1; i < wrapped.size(); ++i) {
        EXPECT_EQ(wrapped[i].x1, wrapped[i - 1].x2);
        high += wrapped[i - 1].y2 < 100;
    }
    EXPECT_EQ(high, 16);
}

} // namespace
} // namespace terzlab
