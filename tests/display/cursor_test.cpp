#include "display/cursor.h"
#include "display/curve_readout.h"
#include "display/level_bar.h"
#include "display/mapping.h"
#include "graph_fixture.h"
#include <gtest/gtest.h>

namespace terzlab {
namespace {

const CursorInputs kSpectrum{.Width = 700,
                             .Height = 300,
                             .Range = {0, -100, 20},
                             .MeasValid = true,
                             .DecimalSeparator = ","};

std::string Caption(float x, float y, const CursorInputs& in) {
    const CursorUpdate u = CursorReadout(x, y, true, in);
    EXPECT_EQ(u.Do, CursorUpdate::Action::Show);
    return u.Caption.value_or("<none>");
}

TEST(Cursor, CornersReadTheAxisEndsInBothViewsAndNothingToReadChangesNothing) {
    CursorInputs in = kSpectrum;
    EXPECT_EQ(Caption(0, 0, in), "0,00 dB / 10,00 Hz");
    EXPECT_EQ(Caption(699, 299, in), "-100,00 dB / 22050 Hz");
    EXPECT_EQ(Caption(350, 150, in), "-50,17 dB / 472,2 Hz");
    // The readout inverts the plot's mapping on the last pixel column and row.
    const double x = FrequencyX(1000.0, in.Width - 1, in.SampleRate);
    EXPECT_NEAR(CursorFrequency(x, in.Width, in.SampleRate), 1000.0, 1e-9);
    // The time view reads percent and milliseconds.
    in.Shown = View::Time;
    in.Type = MeasType::Pulse;
    in.Range = {5, -5, 1};
    EXPECT_EQ(Caption(699, 0, in), "5,00 % / 23,2 ms");
    in.Type = MeasType::ImpedanceTwoChannel;
    in.BlockSize = 65536;
    in.Range = {100, -100, 20};
    EXPECT_EQ(Caption(699, 299, in), "-100,0 % / 1486 ms");

    // Nothing to read changes nothing, a comparison curve alone is read.
    in = kSpectrum;
    in.MeasValid = false;
    EXPECT_EQ(CursorReadout(10, 10, true, in).Do, CursorUpdate::Action::Unchanged);
    EXPECT_EQ(CursorReadout(10, 10, false, in).Do, CursorUpdate::Action::Unchanged);
    in.ComparisonChecked = true;
    EXPECT_EQ(CursorReadout(10, 10, false, in).Do, CursorUpdate::Action::Hide);
    in.Width = 1; // a collapsed graph reads its left end, not a division by zero
    EXPECT_EQ(Caption(0, 0, in), "0,00 dB / 10,00 Hz");
}

// The axis labels and the cursor readout name the same unit for every type and run part,
// also before the first run (part 0) and in each part of the one-channel impedance.
TEST(Units, AxisAndCursorAgreeForEveryTypeAndPart) {
    struct Case {
        MeasType type;
        int16_t part;
        const char* unit;
    };
    const Case cases[] = {{.type = MeasType::LevelOneChannel, .part = 0, .unit = "dB"},
                          {.type = MeasType::LevelTwoChannel, .part = 0, .unit = "dB"},
                          {.type = MeasType::ImpedanceOneChannel, .part = 0, .unit = "Ohm"},
                          {.type = MeasType::ImpedanceOneChannel, .part = 1, .unit = "dB"},
                          {.type = MeasType::ImpedanceOneChannel, .part = 2, .unit = "Ohm"},
                          {.type = MeasType::ImpedanceTwoChannel, .part = 0, .unit = "Ohm"}};
    for (const auto& [type, part, name] : cases) {
        SCOPED_TRACE(std::to_string(IndexOf(type)) + "/" + std::to_string(part));
        graphtest::Graph g;
        g.frame.Type = type;
        g.frame.ImpedancePart = part;
        DisplayInit(g.graph, g.window, g.frame, true);
        const std::string unit = std::string(" ") + name + " ";
        EXPECT_NE(g.Labels().back().find(unit), std::string::npos);
        CursorInputs in = kSpectrum;
        in.Type = type;
        in.ImpedancePart = part;
        EXPECT_NE(Caption(10, 10, in).find(unit + "/ "), std::string::npos);
    }
}

// Nearest on the log axis (4 kHz reads 10 kHz, not 1 kHz), bands without a value skipped; the
// phase where it is shown.
TEST(CurveReadout, ReadsTheNearestValuedBandWithItsPhase) {
    const std::vector<double> freq{63.0957, 125.893, 1000.0, 10000.0};
    const std::vector<double> value{-2.414, kNoValue, -20.0, -60.0};
    CorrectionCurve comparison{.CurveFreq = {100.0f, 1000.0f},
                               .CurveAmp = {-1.0f, -30.0f},
                               .CurveType = 2,
                               .CurveLoaded = 1,
                               .CurveCount = 2};
    CurveReadoutInputs in{.Width = 700,
                          .BandFreq = freq,
                          .BandValue = value,
                          .LastBand = 3,
                          .MeasValid = true,
                          .Comparison = &comparison,
                          .DecimalSeparator = ","};
    const std::tuple<double, const char*, const char*> cases[] = {
        {63.0, "Messung: 63,1 Hz  -2,41 dB", "Vergleich: 100 Hz  -1,00 dB"},
        {125.0, "Messung: 63,1 Hz  -2,41 dB", "Vergleich: 100 Hz  -1,00 dB"},
        {3000.0, "Messung: 1000 Hz  -20,00 dB", "Vergleich: 1000 Hz  -30,00 dB"},
        {4000.0, "Messung: 10000 Hz  -60,00 dB", "Vergleich: 1000 Hz  -30,00 dB"}};
    for (const auto& [pointer, measured, compared] : cases) {
        const auto x = static_cast<float>(FrequencyX(pointer, in.Width - 1, in.SampleRate));
        const CurveReadoutText r = CurveReadout(x, in);
        EXPECT_EQ(r.MeasuredCaption, measured) << pointer;
        EXPECT_EQ(r.ComparisonCaption, compared) << pointer;
        EXPECT_TRUE(r.ComparisonCaption.ends_with("  " + CurveValueAt(x, comparison, in)))
            << "the legend line's value, as the readout has it";
    }
    const std::vector<double> phase{-45.04, 0.0, 12.0, 0.0};
    in.BandPhase = phase;
    in.ComparisonPhase = true;
    in.Ohm = true;
    comparison.CurvePhase = {30.0f, static_cast<float>(kNoValue)};
    const CurveReadoutText withPhase = CurveReadout(0, in);
    EXPECT_EQ(withPhase.MeasuredCaption, "Messung: 63,1 Hz  -2,41 Ohm  -45,0\u00B0");
    EXPECT_EQ(withPhase.ComparisonCaption, "Vergleich: 100 Hz  -1,00 Ohm  30,0\u00B0");
    EXPECT_EQ(withPhase.Measured, (CurvePoint{63.0957, -2.414})) << "the marker's place";
    const std::vector<double> swapped{-176.7, 0.0, 0.0, 0.0}; // beyond the axis: drawn 180 on
    in.BandPhase = swapped;
    EXPECT_EQ(CurveReadout(0, in).MeasuredCaption,
              "Messung: 63,1 Hz  -2,41 Ohm  -176,7\u00B0 (gezeichnet: 3,3\u00B0)");
}

TEST(LevelBar, EachBlockRedrawsTheBar) {
    RecordingPicture bar(100, 5);
    DrawLevelBar(bar, 16384, kBlue);
    DrawLevelBar(bar, 32767, kMagenta);
    ASSERT_EQ(bar.Segments.size(), 1u);
    EXPECT_EQ(bar.Segments[0].colour, kMagenta);
    EXPECT_EQ(graphtest::Ends(bar.Segments[0]), (std::vector{0, 2, 100, 2}));
}

} // namespace
} // namespace terzlab
