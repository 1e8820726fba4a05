#include "graph_fixture.h"
#include <gtest/gtest.h>

namespace terzlab {
namespace {

using graphtest::Graph;
using graphtest::Has;
using graphtest::VerticalCount;

TEST(Frame, LogGridHasTheSameLinesAt44100And48000) {
    for (int32_t rate : {44100, 48000}) {
        Graph g;
        g.frame.SampleRate = rate;
        DisplayInit(g.graph, g.window, g.frame, true);
        const auto dotted = g.Lines(DrawStyle::Dot);
        EXPECT_EQ(VerticalCount(dotted), 29) << rate;
        EXPECT_EQ(dotted.size(), 29u + 4u) << "four horizontal lines for 0..-100 step 20";
        EXPECT_EQ(dotted.front().x1, 0) << "10 Hz is the left edge";
        for (const auto& s : dotted)
            EXPECT_EQ(s.colour, kBlack);
    }
}

TEST(Frame, KiloHertzLineAndFrequencyLabels) {
    Graph g;
    DisplayInit(g.graph, g.window, g.frame, true);
    const auto dotted = g.Lines(DrawStyle::Dot);
    EXPECT_EQ(dotted[18].x1, 419) << "1000 Hz, the 19th line, in a 700-pixel graph";
    for (const char* label :
         {"10", "20", "50", "500", "1k", "5k", "10k", "20k [Hz]", "0 dB ", "-100 dB "}) {
        EXPECT_TRUE(Has(g.Labels(), label)) << label;
    }
    int units = 0;
    for (const auto& l : g.Labels())
        units += l.find("[") != std::string::npos;
    EXPECT_EQ(units, 1);
}

TEST(Frame, UnitLabelOnlyWhileTwentyKilohertzIsBelowHalfTheRate) {
    Graph g;
    g.frame.SampleRate = 40000;
    DisplayInit(g.graph, g.window, g.frame, true);
    for (const auto& l : g.Labels())
        EXPECT_EQ(l.find("[Hz]"), std::string::npos) << l;
}

TEST(Frame, LevelLabelsTopToBottomAroundTheGraph) {
    Graph g;
    DisplayInit(g.graph, g.window, g.frame, true);
    std::vector<RecordedText> vertical;
    for (const auto& t : g.window.Texts) {
        if (t.text.find(" dB ") != std::string::npos) vertical.push_back(t);
    }
    ASSERT_EQ(vertical.size(), 6u);
    EXPECT_EQ(vertical[0].text, "0 dB ");
    EXPECT_EQ(vertical[5].text, "-100 dB ");
    EXPECT_DOUBLE_EQ(vertical[0].y, g.frame.Graph.Top);
    const double bottom = g.frame.Graph.Top + g.frame.Graph.Height;
    EXPECT_DOUBLE_EQ(vertical[5].y + g.window.TextHeight("x"), bottom);
    EXPECT_DOUBLE_EQ(vertical[2].x + g.window.TextWidth("-40 dB "), g.frame.Graph.Left);
}

TEST(Frame, PolarityTimeAxisEndsWithTheLocaleSeparator) {
    Graph g;
    g.frame.DisplayIndex = kDisplayTime;
    g.frame.MeasTypeIndex = meas::kPulse;
    g.frame.BlockSize = 8192;
    g.frame.Range = {100, -100, 20};
    DisplayInit(g.graph, g.window, g.frame, true);
    const auto labels = g.Labels();
    ASSERT_EQ(labels.size(), 9u + 11u);
    EXPECT_EQ(labels[0], "0,0");
    EXPECT_EQ(labels[8], "23,2 [ms]");
    EXPECT_EQ(labels[9], "100 % ");
    EXPECT_EQ(labels[19], "-100 % ");
    EXPECT_EQ(VerticalCount(g.Lines(DrawStyle::Dot)), 7);
}

TEST(Frame, ImpedanceAxisInOhmExceptFirstPartOfOneChannelRun) {
    Graph g;
    g.frame.MeasTypeIndex = meas::kImpedanceTwoChannel;
    g.frame.Range = {20, 0, 4};
    DisplayInit(g.graph, g.window, g.frame, true);
    std::vector<std::string> vertical;
    for (const auto& l : g.Labels()) {
        if (l.find("Ohm") != std::string::npos) vertical.push_back(l);
    }
    const std::vector<std::string> expected{"20 Ohm ", "16 Ohm ", "12 Ohm ",
                                            "8 Ohm ",  "4 Ohm ",  "0 Ohm "};
    EXPECT_EQ(vertical, expected);

    g.frame.MeasTypeIndex = meas::kImpedanceOneChannel;
    g.frame.ImpedancePart = 1;
    DisplayInit(g.graph, g.window, g.frame, true);
    EXPECT_EQ(g.Labels().back(), "0 dB ");
}

TEST(Frame, GridOnlyRedrawKeepsLabelsAndAlwaysDrawsTopLine) {
    Graph g;
    DisplayInit(g.graph, g.window, g.frame, true);
    const auto labels = g.window.Texts.size();
    DisplayInit(g.graph, g.window, g.frame, false);
    EXPECT_EQ(g.window.ClearCount, 1);
    EXPECT_EQ(g.graph.ClearCount, 2);
    EXPECT_EQ(g.window.Texts.size(), labels);
    const auto& top = g.window.Segments.back();
    EXPECT_EQ(top.colour, kDarkGrey);
    EXPECT_EQ(top.y1, 0);
    EXPECT_EQ(top.x2, 12000 - 15);
}

TEST(Frame, UnusableStepDrawsNoDivisions) {
    Graph g;
    g.frame.Range = {0, -100, 0};
    DisplayInit(g.graph, g.window, g.frame, true);
    EXPECT_EQ(g.Lines(DrawStyle::Dot).size(), 29u);
    g.frame.Range = {-100, 0, 20};
    DisplayInit(g.graph, g.window, g.frame, true);
    EXPECT_EQ(g.Lines(DrawStyle::Dot).size(), 29u);
}

} // namespace
} // namespace terzlab
