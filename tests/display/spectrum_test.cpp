#include "analysis/constants.h"
#include "display/spectrum_plot.h"
#include "graph_fixture.h"
#include <gtest/gtest.h>

namespace terzlab {
namespace {

using graphtest::Graph;

std::vector<RecordedSegment> InColour(const RecordingPicture& p, Colour c) {
    std::vector<RecordedSegment> out;
    for (const auto& s : p.Segments) {
        if (s.style == DrawStyle::Solid && s.colour == c) out.push_back(s);
    }
    return out;
}

CorrectionCurve Comparison(int16_t type) {
    CorrectionCurve c;
    c.CurveType = type;
    c.CurveLoaded = 1;
    c.CurveCount = 3;
    c.CurveFreq = {100.0f, 1000.0f, 10000.0f};
    c.CurveAmp = {-20.0f, static_cast<float>(kNoValue), -40.0f};
    return c;
}

struct Spectrum : Graph {
    std::vector<double> freq{1000.0, 5000.0, 10000.0};
    std::vector<double> value{-20.0, kNoValue, -60.0};
    CorrectionCurve comparison = Comparison(1);
    SpectrumInputs in;

    Spectrum() {
        in.BandFreq = freq;
        in.BandValue = value;
        in.LastBand = 2;
        in.MeasValid = true;
        in.CurveColour = kMagenta;
        in.Comparison = &comparison;
        in.ComparisonChecked = true;
    }
    void Draw() { DrawSpectrum(graph, window, frame, in); }
};

TEST(Spectrum, BandWithoutValueIsBridgedByOneStraightSegment) {
    Spectrum s;
    s.Draw();
    const auto curve = InColour(s.graph, kMagenta);
    ASSERT_EQ(curve.size(), 1u);
    EXPECT_EQ(curve[0].x1, 419) << "1000 Hz in a 700-pixel graph";
    EXPECT_EQ(curve[0].y1, 60) << "-20 dB of 0..-100 on 300 pixels";
    EXPECT_EQ(curve[0].x2, 628);
    EXPECT_EQ(curve[0].y2, 180);
}

TEST(Spectrum, ComparisonCurveOnlyOnItsOwnKindOfAxis) {
    Spectrum s;
    s.Draw();
    const auto black = InColour(s.graph, kBlack);
    ASSERT_EQ(black.size(), 1u) << "the comparison's own gap is bridged too";
    EXPECT_EQ(black[0].x1, 209) << "100 Hz";
    EXPECT_EQ(black[0].y2, 120);

    s.frame.MeasTypeIndex = meas::kImpedanceTwoChannel;
    s.Draw();
    EXPECT_TRUE(InColour(s.graph, kBlack).empty());
    s.comparison.CurveType = 2;
    s.Draw();
    EXPECT_EQ(InColour(s.graph, kBlack).size(), 1u);
    s.frame.MeasTypeIndex = meas::kLevelTwoChannel;
    s.Draw();
    EXPECT_TRUE(InColour(s.graph, kBlack).empty());
}

TEST(Spectrum, WithoutMeasurementOnlyFrameComparisonAndStamp) {
    Spectrum s;
    s.in.MeasValid = false;
    s.Draw();
    EXPECT_TRUE(InColour(s.graph, kMagenta).empty());
    EXPECT_EQ(InColour(s.graph, kBlack).size(), 1u);
    EXPECT_EQ(s.Lines(DrawStyle::Dot).size(), 29u + 4u);
    ASSERT_EQ(s.graph.Texts.size(), 1u);
    s.in.ComparisonChecked = false;
    s.Draw();
    EXPECT_EQ(s.graph.Segments.size(), 29u + 4u);
}

TEST(Spectrum, StampSitsCentredAtTheBottomOverAWhiteBox) {
    Spectrum s;
    s.Draw();
    ASSERT_EQ(s.graph.Boxes.size(), 1u);
    ASSERT_EQ(s.graph.Texts.size(), 1u);
    const RecordedBox& box = s.graph.Boxes[0];
    const RecordedText& text = s.graph.Texts[0];
    EXPECT_EQ(box.colour, kWhite);
    EXPECT_DOUBLE_EQ(box.x2, 700 - box.x1);
    EXPECT_DOUBLE_EQ(box.y2, 300 - 4);
    EXPECT_DOUBLE_EQ(text.x, box.x1);
    EXPECT_DOUBLE_EQ(text.y, box.y1);
    EXPECT_DOUBLE_EQ(300 - text.y, 1.2 * s.graph.TextHeight(text.text));
    EXPECT_EQ(text.text.rfind("\u00A9", 0), 0u);
    EXPECT_EQ(text.colour, kLightGrey);
    EXPECT_EQ(text.font.Name, "Arial");
    EXPECT_TRUE(text.font.Bold);
    EXPECT_DOUBLE_EQ(text.font.Size, 14.0);
}

TEST(Spectrum, MalformedInputsDrawWhatIsUsable) {
    Spectrum s;
    s.in.LastBand = 400; // more bands than values
    s.comparison.CurveCount = 999;
    s.comparison.CurveFreq[0] = 0.0f; // no place on a log axis
    s.value[0] = 1e30;                // far off the axis, still drawn towards
    s.Draw();
    EXPECT_EQ(InColour(s.graph, kMagenta).size(), 1u);
    EXPECT_EQ(InColour(s.graph, kBlack).size(), 0u) << "one usable point makes no line";
}

} // namespace
} // namespace terzlab
