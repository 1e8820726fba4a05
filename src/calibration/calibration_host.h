#pragma once
// What the calibration dialogs need from the window whose measurement they use and whose
// levels they correct. The window implements it; the dialogs know nothing else of it.
#include "analysis/fft.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>

class QWidget;

namespace terzlab::calibration {

// One calibration run: the channel calibrated and the sine played.
struct CalibRequest {
    int channel = 0;
    int freqOption = 1;  // 0 the low sine, otherwise the 1-kHz sine
    int levelOption = 0; // 0 100 %, 1 10 %, 2 1 %
};

// The spectrum a calibration run left: 1/12-octave values, their grid and the transform.
struct CalibSpectrum {
    std::span<const double> BandValue;
    std::span<const double> BandFreq;
    int16_t LastBand = 0;
    const FftState* fft = nullptr;
};

class CalibrationHost {
  public:
    virtual ~CalibrationHost() = default;

    // The window the dialogs belong to.
    virtual QWidget* dialogParent() = 0;

    // The window set up for calibration runs (the one-channel level, four measurements in stop
    // mode, the spectrum at 1/12 octave with the Hanning window, the sensor curve off, the
    // start button locked) until endCalibration puts back everything it changed.
    virtual void beginCalibration() = 0;
    virtual void endCalibration() = 0;
    // Starts one calibration measurement and returns; `done` is told at its end whether a block
    // was analysed (if not, the run has already said why).
    virtual void measureCalibration(const CalibRequest& request,
                                    std::function<void(bool measured)> done) = 0;
    virtual CalibSpectrum calibrationSpectrum() = 0;

    virtual bool testCdPlayback() const = 0;
    virtual int32_t sampleRate() const = 0;
    virtual int16_t activeChannel() const = 0;
    // A one-channel level measurement can only calibrate the channel it measures.
    virtual bool measuresOneChannel() const = 0;
    virtual std::array<double, 2>& calibValues() = 0;

    // The distance and level corrections, and the redraw after they changed.
    virtual std::array<double, 6>& levelCorrections() = 0;
    virtual void correctionsChanged() = 0;
    // The start button takes the focus back when it can.
    virtual void focusStart() = 0;
};

} // namespace terzlab::calibration
