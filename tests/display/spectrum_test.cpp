// The curves on the graph: the spectrum with its comparison curves, legend and phase, and the
// time view.
#include "analysis/constants.h"
#include "analysis/meas_type.h"
#include "display/curve_colour.h"
#include "display/spectrum_plot.h"
#include "display/time_plot.h"
#include "graph_fixture.h"
#include <gtest/gtest.h>
#include <map>

namespace terzlab {
namespace {

using Strokes = std::vector<std::vector<int32_t>>; // the ends of each segment
constexpr int16_t kLevelCurve = static_cast<int16_t>(CurveKind::Level);
constexpr int16_t kImpedanceCurve = static_cast<int16_t>(CurveKind::Impedance);

struct Spectrum : graphtest::Graph {
    std::vector<double> freq{1000.0, 5000.0, 10000.0};
    std::vector<double> value{-20.0, kNoValue, -60.0};
    CorrectionCurve comparison{.CurveFreq = {100.0f, 1000.0f, 10000.0f},
                               .CurveAmp = {-20.0f, static_cast<float>(kNoValue), -40.0f},
                               .CurveType = kLevelCurve,
                               .CurveLoaded = 1,
                               .CurveCount = 3};
    SpectrumInputs in{.BandFreq = freq,
                      .BandValue = value,
                      .LastBand = 2,
                      .MeasValid = true,
                      .CurveColour = kMagenta,
                      .Comparison = &comparison,
                      .ComparisonChecked = true};

    Strokes Curve(Colour c) {
        DrawSpectrum(graph, window, frame, in);
        Strokes out;
        for (const auto& s : Lines(DrawStyle::Solid))
            if (s.colour == c) out.push_back(graphtest::Ends(s));
        return out;
    }
};

TEST(Spectrum, PointsWithoutValueAreBridgedAndTheStampSitsCentredOverAWhiteBox) {
    Spectrum s;
    // 1000 Hz in a 700-pixel graph at -20 dB of 0..-100 on 300 pixels, bridged to 10 kHz.
    EXPECT_EQ(s.Curve(kMagenta), (Strokes{{419, 60, 628, 180}}));
    EXPECT_EQ(s.Curve(kBlack), (Strokes{{209, 60, 628, 120}}));
    ASSERT_EQ(s.graph.Boxes.size(), 1u);
    const RecordedBox& box = s.graph.Boxes[0];
    const RecordedText& text = s.graph.Texts.at(0);
    EXPECT_EQ(box.colour, kWhite);
    EXPECT_EQ(std::pair(box.x2, box.y2), std::pair(700 - box.x1, 300 - 4.0))
        << "centred, at the foot";
    EXPECT_DOUBLE_EQ(text.x, box.x1);
    EXPECT_DOUBLE_EQ(300 - text.y, 1.2 * s.graph.TextHeight(text.text));
    EXPECT_EQ(std::tuple(text.text.substr(0, 2), text.colour, text.font.Size),
              std::tuple("\u00A9", kLightGrey, 14.0));
}

// The measurement types on whose graph a level curve, then an impedance curve is drawn.
TEST(Spectrum, ComparisonCurveOnlyOnItsOwnKindOfAxis) {
    Spectrum s;
    std::map<int16_t, std::vector<MeasType>> drawnOn;
    for (const int16_t kind : {kLevelCurve, kImpedanceCurve})
        for (int16_t index = 0; index < kMeasTypeCount; ++index) {
            const MeasType type = *MeasTypeOf(index);
            s.comparison.CurveType = kind;
            s.frame.Type = type;
            if (!s.Curve(kBlack).empty()) drawnOn[kind].push_back(type);
        }
    EXPECT_EQ(drawnOn[kLevelCurve],
              (std::vector{MeasType::LevelOneChannel, MeasType::LevelTwoChannel, MeasType::Sweep}));
    EXPECT_EQ(drawnOn[kImpedanceCurve],
              (std::vector{MeasType::ImpedanceOneChannel, MeasType::ImpedanceTwoChannel}));
}

// Further comparison curves each get their colour and a legend line, the first one too; one of
// the wrong kind is neither drawn nor named, and a long title is cut to a third of the width
// before the value under the pointer.
TEST(Spectrum, SixComparisonCurvesInTheirColoursWithALegendLineEach) {
    Spectrum s;
    std::array<CorrectionCurve, 5> more;
    const std::string longTitle(200, 'W');
    s.in.ComparisonTitle = "Erste";
    for (std::size_t i = 0; i < more.size(); ++i) {
        more[i] = s.comparison;
        more[i].CurveType = i == 2 ? 2 : 1; // an impedance curve on a level axis
        s.in.MoreComparisons.push_back({&more[i], kComparisonColours[i + 1],
                                        i == 4 ? longTitle : "K" + std::to_string(i),
                                        i == 4 ? "8,14 dB" : ""});
    }
    std::vector<std::string> texts;
    for (std::size_t c = 0; c < kComparisonColours.size(); ++c) {
        EXPECT_EQ(s.Curve(kComparisonColours[c]).size(), c == 3 ? 0u : 2u) << "curve and legend";
        for (const RecordedText& t : s.graph.Texts)
            if (t.colour == kComparisonColours[c]) texts.push_back(t.text);
    }
    const std::string cut = texts.back();
    texts.pop_back();
    EXPECT_EQ(texts, (std::vector<std::string>{"Erste", "K0", "K1", "K3"}));
    s.graph.SetFont({"Arial", 10, false}); // the legend's at this width
    const std::string title = cut.substr(0, cut.size() - std::string("  8,14 dB").size());
    EXPECT_EQ(cut.substr(0, 3) + "..." + cut.substr(title.size()), "WWW...  8,14 dB")
        << "the value under the pointer is never cut";
    EXPECT_EQ(title.substr(title.size() - 3), "\u2026");
    EXPECT_LE(s.graph.TextWidth(title), 700.0 / 3);
    s.in.MoreComparisons.clear();
    EXPECT_EQ(s.Curve(kBlack).size(), 1u) << "the first alone has no legend";
}

TEST(Spectrum, WithoutMeasurementOrWithMalformedInputsDrawWhatIsUsable) {
    Spectrum s;
    s.in.MeasValid = false;
    EXPECT_TRUE(s.Curve(kMagenta).empty());
    EXPECT_EQ(s.graph.Segments.size(), 29u + 4u + 1u);
    EXPECT_EQ(s.graph.Texts.size(), 1u);

    Spectrum bad;
    bad.in.LastBand = 400; // more bands than values
    bad.comparison.CurveCount = 999;
    bad.comparison.CurveFreq[0] = 0.0f; // no place on a log axis
    bad.value[0] = 1e30;                // far off the axis, still drawn towards
    EXPECT_EQ(bad.Curve(kMagenta).size(), 1u);
    EXPECT_TRUE(bad.Curve(kBlack).empty()) << "one usable point makes no line";
}

// The phase against its own axis: +90 at the top, -90 at the bottom whatever the level axis;
// the comparison's phase dotted; labels at the right. A file without phases holds zeros.
// Swapped inputs give phases near +-180 degrees: drawn 180 degrees on, the curve stays near the
// middle instead of striking from top to bottom between bands.
TEST(Spectrum, PhasesBeyondTheAxisAreDrawnHalfATurnOn) {
    Spectrum s;
    const std::vector<double> swapped{175.0, -175.0, 178.0};
    s.in.Phase = PhaseCurves{swapped, nullptr};
    DrawSpectrum(s.graph, s.window, s.frame, s.in);
    int strokes = 0;
    for (const auto& seg : s.graph.Segments) {
        if (seg.colour != kPhaseCurveColour) continue;
        const auto ends = graphtest::Ends(seg);
        EXPECT_LT(std::abs(ends[3] - ends[1]), 20) << "a stroke across the phase axis";
        ++strokes;
    }
    EXPECT_EQ(strokes, 2);
}

TEST(Spectrum, PhaseCurvesOnTheRightHandAxis) {
    Spectrum s;
    const std::vector<double> phase{45.0, kNoValue, -90.0};
    s.comparison.CurvePhase = {0.0f, 0.0f, 90.0f};
    s.in.Phase = PhaseCurves{phase, &s.comparison};
    DrawSpectrum(s.graph, s.window, s.frame, s.in);
    Strokes solid, dotted;
    for (const auto& seg : s.graph.Segments)
        if (seg.colour == kPhaseCurveColour)
            (seg.style == DrawStyle::Dot ? dotted : solid).push_back(graphtest::Ends(seg));
    EXPECT_EQ(solid, (Strokes{{419, 75, 628, 300}}));
    EXPECT_EQ(dotted, (Strokes{{209, 150, 419, 150}, {419, 150, 628, 0}}));
    std::vector<std::string> labels;
    for (const auto& t : s.window.Texts)
        if (t.x > s.frame.Graph.Left + s.frame.Graph.Width && t.colour == kPhaseCurveColour)
            labels.push_back(t.text);
    EXPECT_EQ(labels, (std::vector<std::string>{"90\u00B0", "45\u00B0", "0\u00B0", "-45\u00B0",
                                                "-90\u00B0"}));
    // Beside a further curve, each comparison's phase takes its curve's colour.
    CorrectionCurve second = s.comparison;
    second.CurvePhase = {0.0f, -90.0f, 0.0f};
    s.in.MoreComparisons.push_back({&second, kComparisonColours[1], "Zweite", ""});
    DrawSpectrum(s.graph, s.window, s.frame, s.in);
    std::map<Colour, Strokes> dottedBy;
    for (const auto& seg : s.graph.Segments) {
        const auto ends = graphtest::Ends(seg); // the grid, black and dotted too, spans the graph
        const bool grid = (ends[1] == 0 && ends[3] == 300) || (ends[0] == 0 && ends[2] == 700);
        if (seg.style == DrawStyle::Dot && !grid) dottedBy[seg.colour].push_back(ends);
    }
    EXPECT_EQ(dottedBy[kComparisonColours[0]], dotted);
    EXPECT_EQ(dottedBy[kComparisonColours[1]],
              (Strokes{{209, 150, 419, 300}, {419, 300, 628, 150}}));
    EXPECT_TRUE(dottedBy[kPhaseCurveColour].empty());
    s.comparison.CurvePhase = {};
    EXPECT_FALSE(HasPhase(s.comparison));
}

struct TimeView : graphtest::Graph {
    std::vector<int16_t> buffer;
    TimeInputs in;

    TimeView(int32_t blockSize, double width, MeasType type) : buffer(2 * blockSize) {
        graph.Resize(width, 300);
        frame.Shown = View::Time;
        frame.Type = type;
        frame.Range = {100, -100, 20};
        in = {.CaptureBuffer = {}, .BlockSize = blockSize, .ActiveChannel = 1};
    }
    std::vector<RecordedSegment> Curve() {
        in.CaptureBuffer = buffer;
        DisplayTime(graph, window, frame, in);
        return Lines(DrawStyle::Solid);
    }
};

TEST(Time, DecimatedStrokesRunFromGroupMaximumToMinimumAndATruncatedBlockDrawsNone) {
    TimeView v(16384, 600, MeasType::LevelOneChannel);
    for (int i = 0; i < 16384; ++i)
        v.buffer[2 * i + 1] = static_cast<int16_t>((i % 7) * 1000);
    v.buffer[2 * 16383 + 1] = -32768; // in the last, short group
    const auto curve = v.Curve();
    ASSERT_EQ(curve.size(), (16384u + 6u) / 7u) << "step 7";
    EXPECT_EQ(graphtest::Ends(curve[0]), (std::vector{0, 122, 0, 150})) << "6000 on 300 rows";
    EXPECT_EQ(graphtest::Ends(curve.back()), (std::vector{600, 140, 600, 300}));

    v.buffer.resize(100); // a truncated block
    EXPECT_TRUE(v.Curve().empty());
    EXPECT_EQ(v.window.Texts.back().text, "-100 % ");
}

TEST(Time, PolarityViewDrawsEveryFrameWithThePulseAtAQuarterAndAcrossTheBlockEnd) {
    TimeView v(8192, 497, MeasType::Pulse);
    v.in.AlignPosition = 1005;
    v.buffer[2 * 1005 + 1] = 32767;
    const auto curve = v.Curve();
    ASSERT_EQ(curve.size(), 1023u);
    // The last stroke ends at the right edge; frame 256 shows the pulse, the next one not.
    EXPECT_EQ(
        std::tuple(curve.back().x2, curve[255].x2, (curve[255].y2 < 10), (curve[256].y2 > 140)),
        std::tuple(497, 124, true, true));

    TimeView wrap(8192, 497, MeasType::Pulse); // a pulse straddling the block end stays continuous
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
