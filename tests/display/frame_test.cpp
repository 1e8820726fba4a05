#include "graph_fixture.h"
#include <gtest/gtest.h>

namespace terzlab {
namespace {

using graphtest::Graph;

TEST(Frame, LogGridIsTheSameAt44100And48000) {
    for (int32_t rate : {44100, 48000}) {
        Graph g;
        g.frame.SampleRate = rate;
        DisplayInit(g.graph, g.window, g.frame, true);
        const auto dotted = g.Lines(DrawStyle::Dot);
        ASSERT_EQ(dotted.size(), 29u + 4u) << rate << ": 10 Hz .. 20 kHz, four level lines";
        // 10 Hz, 1000 Hz and the lowest level line
        EXPECT_EQ(std::tuple(rate, dotted.front().x1, dotted[18].x1, dotted.back().y1),
                  std::tuple(rate, 0, rate == 44100 ? 419 : 414, 240));
    }
}

TEST(Frame, FrequencyAndLevelLabelsAndAGridRedrawThatKeepsThem) {
    Graph g;
    DisplayInit(g.graph, g.window, g.frame, true);
    EXPECT_EQ(g.Labels(),
              (std::vector<std::string>{"10", "20", "50", "100", "200", "500", "1k", "2k", "5k",
                                        "10k", "20k [Hz]", "0 dB ", "-20 dB ", "-40 dB ", "-60 dB ",
                                        "-80 dB ", "-100 dB "}));
    const RecordedText& bottom = g.window.Texts.back();
    EXPECT_DOUBLE_EQ(g.window.Texts[11].y, g.frame.Graph.Top); // the top label, "0 dB "
    EXPECT_DOUBLE_EQ(bottom.y + g.window.TextHeight("x"), g.frame.Graph.Top + g.frame.Graph.Height);
    EXPECT_DOUBLE_EQ(bottom.x + g.window.TextWidth(bottom.text), g.frame.Graph.Left);

    // A grid redraw keeps the labels and draws the top line.
    g.frame.Range = {0, -100, 0}; // a step that divides nothing
    DisplayInit(g.graph, g.window, g.frame, false);
    const RecordedSegment& topLine = g.window.Segments.back();
    EXPECT_EQ(std::tuple(g.window.ClearCount, g.window.Texts.size(), g.graph.Segments.size(),
                         topLine.colour == kDarkGrey, topLine.x2),
              std::tuple(1, 17u, 29u, true, 12000 - 15));

    g.frame.SampleRate = 40000;
    DisplayInit(g.graph, g.window, g.frame, true);
    EXPECT_EQ(std::ranges::count(g.Labels(), "20k [Hz]"), 0);
}

TEST(Frame, PolarityTimeAxisUsesTheLocaleSeparator) {
    Graph g;
    g.frame.Shown = View::Time;
    g.frame.Type = MeasType::Pulse;
    g.frame.BlockSize = 8192;
    g.frame.Range = {100, -100, 20};
    DisplayInit(g.graph, g.window, g.frame, true);
    const auto labels = g.Labels();
    ASSERT_EQ(labels.size(), 9u + 11u);
    EXPECT_EQ(std::tuple(labels[8], labels[19], g.Lines(DrawStyle::Dot).size()),
              std::tuple("23,2 [ms]", "-100 % ", 7u + 9u));
}

// On a narrow graph and beside the auto-range button no label runs into another or hides
// under the button; the labels with the units stay.
TEST(Frame, LabelsNeverOverlapEachOtherOrAControl) {
    const ControlBox autoButton{60, 700, 735, 255}; // over the first division's label
    struct Row {
        View display;
        MeasType type;
        int32_t block;
        double width;
        bool button; // the auto-range button beside the graph
        const char* unitLabel;
    };
    const Row rows[] = {{.display = View::Time,
                         .type = MeasType::LevelOneChannel,
                         .block = 16384,
                         .width = 7000,
                         .button = false,
                         .unitLabel = "371,5 [ms]"},
                        {.display = View::Time,
                         .type = MeasType::ImpedanceOneChannel,
                         .block = 65536,
                         .width = 7000,
                         .button = true,
                         .unitLabel = "1486 [ms]"},
                        {.display = View::Time,
                         .type = MeasType::ImpedanceOneChannel,
                         .block = 65536,
                         .width = 10560,
                         .button = true,
                         .unitLabel = "1486 [ms]"},
                        {.display = View::Frequency,
                         .type = MeasType::LevelOneChannel,
                         .block = 16384,
                         .width = 5000,
                         .button = true,
                         .unitLabel = "20k [Hz]"}};
    for (const auto& [display, type, block, width, button, unitLabel] : rows) {
        Graph g;
        g.frame.Shown = display;
        g.frame.Type = type;
        g.frame.BlockSize = block;
        g.frame.Range = display == View::Time ? AxisRange{100, -100, 20} : AxisRange{0, -100, 10};
        g.frame.Graph.Width = width;
        if (button) g.frame.Controls = {autoButton};
        DisplayInit(g.graph, g.window, g.frame, true);
        const auto& texts = g.window.Texts;
        const double h = g.window.TextHeight("x");
        const auto box = [&](const RecordedText& t) {
            return ControlBox{t.x, t.y, g.window.TextWidth(t.text), h};
        };
        const auto apart = [](const ControlBox& a, const ControlBox& b) {
            return a.Left + a.Width <= b.Left || b.Left + b.Width <= a.Left ||
                   a.Top + a.Height <= b.Top || b.Top + b.Height <= a.Top;
        };
        EXPECT_EQ(std::ranges::count(g.Labels(), unitLabel), 1) << unitLabel;
        for (size_t i = 0; i < texts.size(); ++i) {
            EXPECT_TRUE(!button || apart(box(texts[i]), autoButton)) << texts[i].text;
            for (size_t j = i + 1; j < texts.size(); ++j)
                EXPECT_TRUE(apart(box(texts[i]), box(texts[j])))
                    << texts[i].text << " | " << texts[j].text << " at " << width;
        }
    }
}

} // namespace
} // namespace terzlab
