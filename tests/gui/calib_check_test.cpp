// Judging a calibration measurement from band values and the last block's transform.
#include "analysis/bands.h"
#include "calibration/frm_calib_check.h"

#include <gtest/gtest.h>

#include <string>

namespace terzlab::test {

namespace {

using calibration::CalibProblem;
using calibration::CheckCalibration;

class CalibCheckTest : public ::testing::Test {
  protected:
    void SetUp() override {
        BuildBandTable(bands, {44100, 16384, 0});
        values.assign(static_cast<size_t>(bands.Table.LastBand) + 1, -90.0);
    }

    calibration::CalibCheckResult check(const FftState* fft = nullptr) {
        calibration::CalibCheckInputs in;
        in.BandValue = values;
        in.BandFreq = bands.Table.BandFreq;
        in.LastBand = bands.Table.LastBand;
        in.fft = fft;
        in.expectedFrequency = calibration::ExpectedCalibFrequency(false, 1, 44100);
        return CheckCalibration(in);
    }

    BandState bands;
    std::vector<double> values;
};

TEST_F(CalibCheckTest, PeakMayLieOneBandBesideTheExpectedOne) {
    EXPECT_EQ(calibration::ExpectedCalibBand(44100 / 45.0), 80);
    for (const int peak : {79, 80, 81, 82}) {
        SetUp();
        values[static_cast<size_t>(peak)] = -6.02;
        const auto result = check();
        EXPECT_EQ(result.iMax, peak);
        EXPECT_DOUBLE_EQ(result.CalibMax, -6.02);
        if (peak == 82) {
            EXPECT_EQ(result.problem, CalibProblem::Peak);
            EXPECT_EQ(result.text, "Der Maximalwert von -6.02 dB tritt NICHT in der erwarteten\r\n"
                                   "1/12 Oktave mit der Mittenfrequenz von 1000 Hz auf!");
        } else {
            EXPECT_EQ(result.problem, CalibProblem::None) << peak;
            EXPECT_EQ(result.text.find("NICHT"), std::string::npos);
        }
    }
}

TEST_F(CalibCheckTest, DeviationLineNeedsABinAboveTheFloor) {
    values[80] = -6.0;
    FftState fft;
    fft.BlockSize = 16384;
    fft.FftRe.assign(16384, 0.0f);
    fft.FftIm.assign(16384, 0.0f);
    fft.FftRe[100] = 1e-9f; // power 1e-18: below the floor
    EXPECT_EQ(check(&fft).text.find("Frequenzabweichung"), std::string::npos);
    fft.FftRe[364] = 0.25f; // the left channel's bin nearest 980 Hz
    const auto result = check(&fft);
    EXPECT_NE(result.text.find("auf!\r\n\r\nDie Frequenzabweichung beträgt -0.02 %"),
              std::string::npos);
}

} // namespace

} // namespace terzlab::test
