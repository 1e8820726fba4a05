#pragma once
// The judgement of one calibration measurement: is the loudest band where the sine belongs, are
// its harmonics and the rest of the spectrum far enough below it, and how far is the strongest
// bin of the last block from the expected frequency. Plain data in, text and verdict out.
#include "analysis/fft.h"

#include <cstdint>
#include <span>
#include <string>

namespace terzlab::calibration {

// The sine the dialog plays: the test CD always carries 1000 Hz; the files hold periods of 910
// and 45 samples, so their frequency follows the sample rate.
double ExpectedCalibFrequency(bool testCd, int freqOption, int32_t sampleRate);

// 1/12-octave band of a frequency on the 1/40-decade grid, halves to the even neighbour.
int ExpectedCalibBand(double frequency);

struct CalibCheckInputs {
    std::span<const double> BandValue; // 0..LastBand, uncalibrated dB
    std::span<const double> BandFreq;  // 0..LastBand
    int LastBand = 0;
    const FftState* fft = nullptr; // the transform of the last block
    int channel = 0;               // 0 left, 1 right
    int32_t SampleRate = 44100;
    double expectedFrequency = 1000.0;
    std::string DecimalSeparator = "."; // the user's, for the numbers in the text
};

enum class CalibProblem { None = 0, Peak = 1, SecondHarmonic = 2, ThirdHarmonic = 3, Higher = 4 };

struct CalibCheckResult {
    double CalibMax = -999.99;
    int iMax = 0;
    CalibProblem problem = CalibProblem::None;
    std::string text; // lines joined by CR LF
};

CalibCheckResult CheckCalibration(const CalibCheckInputs& in);

// The strongest bin of the channel in the last block, 0 when none rises above 1e-16 (then no
// frequency can be read from the block).
int32_t StrongestBin(const FftState& fft, int channel);

} // namespace terzlab::calibration
