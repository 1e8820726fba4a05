#include "analysis/session.h"
#include "signals.h"

#include <gtest/gtest.h>

namespace terzlab {
namespace {

// Values for a file at 1/12 octave leave the shown 1/3-octave values alone and equal what a
// redraw at 1/12 shows; the grid check before a block keeps the calibration's window, and only
// a new choice of the type brings back the type's own.
TEST(Session, ValuesAtAResolutionArePureAndSetUpKeepsAChosenWindow) {
    MeasurementSession session;
    ASSERT_TRUE(session.SelectType(meas::kLevelOneChannel, 44100));
    DisplayInputs in;
    in.MeasValid = true;
    in.FreqResIndex = kThirdOctave;
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
    session.SetUp(meas::kLevelOneChannel, 44100);
    EXPECT_EQ(session.WindowType(), kWindowHanning);
    session.SelectType(meas::kLevelOneChannel, 44100);
    EXPECT_EQ(session.WindowType(), kWindowUniform);
    EXPECT_FALSE(session.SelectType(5, 44100));
}

} // namespace
} // namespace terzlab
