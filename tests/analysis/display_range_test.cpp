#include "analysis/chosen_axis.h"
#include "analysis/constants.h"
#include "analysis/meas_type.h"
#include "analysis/session.h"
#include "signals.h"

#include <gtest/gtest.h>

namespace terzlab {
namespace {

// A band state whose results are set by hand: one row holds the same value in every band.
BandState filled(int row, double value, MeasType type = MeasType::LevelOneChannel) {
    BandState s;
    BuildBandTable(
        s, {.BlockSize = type == MeasType::ImpedanceTwoChannel ? 65536 : 16384, .Type = type});
    for (int b = 0; b <= s.Table.LastBand; ++b)
        s.Results(row, b) = value;
    return s;
}

CorrectionCurve flatCurve(float amp, int16_t type = 1) {
    CorrectionCurve c{.CurveType = type, .CurveLoaded = 1, .CurveCount = 135};
    c.CurveAmp.fill(amp);
    return c;
}

TEST(GetDbRange, LevelsInDecibelWithOffsetsAndNoValueForZeroPower) {
    BandState s = filled(2, 0.01);
    s.Results(2, 7) = 0.0;
    DisplayInputs in{.ActiveChannel = 1, .MeasValid = true, .CalibValue = {5.0, 1.5}};
    AxisRange range;
    GetDbRange(s, in, false, range);
    EXPECT_NEAR(s.BandValue[3], -20 + 1.5 + 33.5, 1e-12);
    EXPECT_EQ(s.BandValue[7], kNoValue);
    in.CalibrationRun = true;
    GetDbRange(s, in, false, range);
    EXPECT_NEAR(s.BandValue[3], -20, 1e-12);
    BandState empty = filled(1, 0.0); // nothing to show leaves the axis
    EXPECT_FALSE(GetDbRange(empty, DisplayInputs{}, true, range).AxisChanged);
    EXPECT_EQ(range.RangeTop, 100); // as left by both calls: the others asked for no auto range
}

TEST(GetDbRange, SmoothingUsesUnsmoothedNeighboursAndEdgeWeights) {
    BandState s = filled(1, 0.0);
    for (int b = 0; b <= s.Table.LastBand; ++b)
        s.Results(1, b) = std::pow(10.0, b / 10.0); // b dB
    s.Results(1, 100) = 0.0;                        // a hole
    DisplayInputs in{.MeasValid = true, .FreqResIndex = 0, .LevelCorr5 = 0};
    AxisRange range;
    GetDbRange(s, in, false, range);
    auto p = [](double db) { return std::pow(10.0, db / 10); };
    // Band 0 at 1/3 octave: bands 0, 1, 2 with weights 1, 1, 0.5.
    EXPECT_NEAR(s.BandValue[0], 10 * std::log10((p(0) + p(1) + p(2) / 2) / 2.5), 1e-9);
    EXPECT_NEAR(s.BandValue[101], 10 * std::log10((p(99) / 2 + p(101) + p(102) + p(103) / 2) / 3),
                1e-9);
    // A lone band keeps its value and a straight slope survives smoothing at every resolution.
    std::vector<double> values(20, kNoValue);
    values[9] = 12.5;
    std::vector<double> work(40);
    SmoothBands(values, 1, work);
    EXPECT_NEAR(values[9], 12.5, 1e-12);
    EXPECT_EQ(values[5], kNoValue);
    for (int16_t res : {0, 1, 2}) {
        std::vector<double> slope(40);
        for (int b = 0; b < 40; ++b)
            slope[b] = 0.25 * b;
        SmoothBands(slope, res, work);
        for (int b = 3; b < 37; ++b)
            ASSERT_NEAR(slope[b] - slope[b - 1], 0.25, 1e-9) << res;
    }
}

TEST(GetDbRange, ImpedancePassesTheResolutionStepUnchanged) {
    BandState s = filled(3, 1500.0, MeasType::ImpedanceTwoChannel);
    for (int b = 1; b <= s.Table.LastBand; b += 2)
        s.Results(3, b) = 4.0;
    DisplayInputs in{.Type = MeasType::ImpedanceTwoChannel, .MeasValid = true, .FreqResIndex = 0};
    AxisRange range;
    EXPECT_EQ(GetDbRange(s, in, true, range).Min, 0.0f);
    EXPECT_EQ(std::pair(s.BandValue[1], s.BandValue[2]), std::pair(4.0, kOpenCircuit));
    EXPECT_EQ(test::Axis(range), (std::vector{1000, 0, 200}));
}

TEST(ChooseAxis, StepGrowsExactlyPastEachSpanLimit) {
    // min 0.5 and max span - 0.5 give the whole-number span that picks the step.
    const std::pair<int, int16_t> limits[] = {
        {4, 1},   {5, 1},   {7, 1},    {8, 2},    {14, 2},   {15, 5},    {35, 5},    {36, 10},
        {70, 10}, {71, 20}, {140, 20}, {141, 50}, {350, 50}, {351, 100}, {700, 100}, {701, 200}};
    for (const auto& [span, step] : limits) {
        AxisRange range;
        ChooseAxis(0.5f, static_cast<float>(span) - 0.5f, range);
        EXPECT_EQ(range.RangeStep, step) << span;
    }
    AxisRange range; // below five steps of one the axis is widened to five around the values
    ChooseAxis(0.5f, 4.5f, range);
    EXPECT_EQ(test::Axis(range), (std::vector{5, 0, 1}));
    ChooseAxis(3.2f, 6.9f, range);
    EXPECT_EQ(test::Axis(range), (std::vector{7, 2, 1}));
    EXPECT_EQ(ChooseAxis(-63.5f, -20.2f, range), 50);
    EXPECT_EQ(test::Axis(range), (std::vector{-20, -70, 10}));
}

// A chosen axis is refused for each reason it cannot be drawn (the wheel's steps are the GUI
// test's).
TEST(ChosenAxis, EachReasonAnAxisCannotBeDrawnIsNamed) {
    // top, bottom, step, and the start of the reason ("" accepted)
    const std::tuple<double, double, double, const char*> choices[] = {
        {0, -100, 20, ""},
        {1000, -1000, 200, ""},
        {-20, -34, 1, ""},
        {0.5, -100, 20, "Oben, unten"},
        {0, -100, 2.5, "Oben, unten"},
        {1001, 1, 200, "Oben und unten"},
        {0, 0, 1, "Oben muss"},
        {0, -100, 25, "Die Teilung"},
        {0, -90, 20, "Der Abstand"},
        {0, -15, 1, "Höchstens"}};
    for (const auto& [top, bottom, step, fault] : choices) {
        const std::string said = AxisFault(top, bottom, step);
        EXPECT_TRUE(*fault ? said.starts_with(fault) : said.empty())
            << top << " " << bottom << " " << step << ": " << said;
    }
}

// Sensor and reference are subtracted, a sensor band without value spreads; a comparison curve
// widens the range only when it fits the measurement.
TEST(GetDbRange, CurvesAreSubtractedAndAComparisonWidensTheRangeOnlyWhenItFits) {
    BandState s = filled(1, 1.0); // 0 dB
    CorrectionCurve sensor = flatCurve(2.0f);
    sensor.CurveAmp[4] = static_cast<float>(kNoValue);
    CorrectionCurve reference = flatCurve(-3.0f);
    CorrectionCurve cmp = flatCurve(static_cast<float>(kNoValue));
    cmp.CurveAmp[3] = -42.0f;
    DisplayInputs in{.MeasValid = true, .LevelCorr5 = 0, .Curves = {&sensor, &reference, &cmp}};
    in.CurveChecked = {true, true, true};
    AxisRange range;
    const DbRangeResult r = GetDbRange(s, in, true, range);
    EXPECT_NEAR(s.BandValue[3], 0 - 2 + 3, 1e-12);
    EXPECT_EQ(s.BandValue[4], kNoValue);
    EXPECT_EQ(std::pair(r.Min, range.RangeBottom), std::pair(-42.0f, int16_t{-50}));
    cmp.CurveType = 2; // an impedance curve does not fit a level measurement
    EXPECT_EQ(GetDbRange(s, in, true, range).Min, 1.0f);
}

// Type 4 with a reference: the rows take the reference impedance once per analysed block.
struct ReferenceRig {
    MeasurementSession session;
    CorrectionCurve reference = flatCurve(0.0f, 2);
    DisplayInputs display{.Type = MeasType::ImpedanceTwoChannel,
                          .MeasValid = true,
                          .Curves = {nullptr, &reference, nullptr},
                          .CurveChecked = {false, true, false}};
    AxisRange range;

    ReferenceRig() { session.SetUp(MeasType::ImpedanceTwoChannel, 44100); }
    const BandState& s() const { return session.Bands(); }
    void block(double left, double right, int16_t n) {
        display.AvgCount = n;
        session.AddBlock(test::stereoBlock(65536, test::impulse(0, left), test::impulse(0, right)),
                         display, false, true, 4, range);
    }
};

TEST(GetDbRange, TwoChannelReferenceFeedsTheMeanOncePerBlockAndFollowsTheExchange) {
    ReferenceRig rig;
    rig.reference.CurveAmp.fill(20 * std::log10(0.75f)); // source reads 0.75 of its level
    rig.reference.CurveAmp[5] = static_cast<float>(kNoValue);
    rig.block(8000, 16000, 0);
    // r*X2 - X1 = 0.75*16000 - 8000 = 4000: Z = 10 * 8000/4000.
    EXPECT_NEAR(rig.s().BandValue[30], 20.0, 1e-4);
    EXPECT_NEAR(rig.s().Results(4, 30), 0.0, 1e-6);
    EXPECT_EQ(rig.s().BandValue[5], kNoValue);
    EXPECT_NEAR(rig.s().Results(3, 5), 10.0, 1e-9); // left as the analysis put it

    // A second, different block: the analysis takes in 10*8000/6000 with count 1, then the
    // reference step 10*8000/2500 with the same count; a second or a missing step shows, also
    // after a redraw (resolution change, check box, resize).
    rig.block(8000, 14000, 1);
    const double mean = ((20.0 + 10.0 * 8000 / 6000) / 2 + 32.0) / 2;
    EXPECT_NEAR(rig.s().BandValue[30], mean, 1e-3);
    rig.session.Redraw(rig.display, true, rig.range);
    EXPECT_NEAR(rig.s().BandValue[30], mean, 1e-3);

    rig.reference.CurveAmp.fill(20 * std::log10(0.5f)); // r*X2 = X1: open circuit
    rig.block(8000, 16000, 0);
    EXPECT_EQ(rig.s().BandValue[30], kOpenCircuit);

    ReferenceRig exchanged; // the reference follows the channel exchange
    exchanged.reference.CurveAmp.fill(20 * std::log10(0.75f));
    exchanged.display.ExchangeChannel = true;
    exchanged.block(16000, 8000, 0);
    EXPECT_NEAR(exchanged.s().BandValue[30], 20.0, 1e-4);
}

// Values for a file at 1/12 octave leave the shown 1/3-octave values alone and equal what a
// redraw at 1/12 shows; the grid check before a block keeps the calibration's window, and only
// a new choice of the type brings back the type's own.
TEST(Session, ValuesAtAResolutionArePureAndSetUpKeepsAChosenWindow) {
    MeasurementSession session;
    session.SelectType(MeasType::LevelOneChannel, 44100);
    DisplayInputs in{.MeasValid = true, .FreqResIndex = kThirdOctave};
    AxisRange range;
    session.AddBlock(test::noiseBlock(16384, 7), in, false, true, 4, range);
    const std::vector<double> shown = session.Bands().BandValue;
    const std::vector<double> twelfth = session.ValuesAt(in, kTwelfthOctave);
    EXPECT_EQ(session.Bands().BandValue, shown);
    EXPECT_NE(twelfth, shown);
    in.FreqResIndex = kTwelfthOctave;
    session.Redraw(in, false, range);
    EXPECT_EQ(session.Bands().BandValue, twelfth);

    session.UseWindow(kWindowHanning);
    session.SetUp(MeasType::LevelOneChannel, 44100);
    EXPECT_EQ(session.WindowType(), kWindowHanning);
    session.SelectType(MeasType::LevelOneChannel, 44100);
    EXPECT_EQ(session.WindowType(), kWindowUniform);
}

} // namespace
} // namespace terzlab
