#pragma once
// The settings and the run state of the main window: one object, owned by frmMain, so that a
// test starts from a fresh one. Names follow the design so that every module finds them.
#include "analysis/types.h"
#include "audio/stimulus.h"
#include "display/picture.h"
#include "files/settings.h"

#include <array>
#include <cstdint>
#include <string>

namespace terzlab::app {

// The user's settings: those the settings file keeps between program starts (one definition,
// the file module's), and the corrections that always start afresh.
struct Settings : terzlab::Settings {
    // Distance and voltage corrections; never stored, always start from these values.
    std::array<double, 6> LevelCorr{100.0, 100.0, 2.83, 2.83, 33.5, 33.5};
};

// The window's side of a run: what it shows and plays. The run's own counters and phase are the
// measurement run's (analysis/measurement_run.h).
struct RunState {
    bool AutoRange = true; // the axis follows the values ("A&uto On")
    int16_t MeasLimit = 4; // the count chosen in the list
    bool CalibrationRun = false;
    // The calibration dialog's sine options, read by the start while CalibrationRun.
    int16_t CalibFreqOption = 1;  // 0 the low sine, otherwise the 1-kHz sine
    int16_t CalibLevelOption = 0; // 0 100 %, 1 10 %, 2 1 %
    std::string StimulusPath;
    bool MeasValid = false;
    Colour CurveColour = kMagenta;
    AxisRange Range;
    int32_t BlockSize = 16384;
    int16_t ChannelCount = 2;
    int16_t BitsPerSample = 16;
    int16_t TestCdIndex = 1;
    int16_t WavInDevCount = 0;
    int CaptureHandle = 0; // non-zero while the capture device is open
};

// What the window looked like before a calibration dialog set it up for its runs.
struct SavedForCalibration {
    bool sensorOn = false;
    bool avgChecked = false;
    int avgIndex = 0;
    int displayIndex = 0;
    int freqResIndex = 0;
    int measTypeIndex = 0;
    int channel = 0;
};

using audio::kTestCdPath;

} // namespace terzlab::app
