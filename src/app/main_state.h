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

// What the start command does next: start a run, start part 2 of a two-part run, or nothing
// while a run is under way. The start button's caption shows it.
enum class RunPhase { Idle, PartTwoDue, Running };

// Where a run stands; read by the analysis and drawing through their input structs.
struct RunState {
    RunPhase Phase = RunPhase::Idle;
    bool AutoRange = true; // the axis follows the values ("A&uto On")
    int16_t AvgCount = 0;
    int16_t MeasLimit = 4;
    int16_t ImpedancePart = 0;
    bool CalibrationRun = false;
    // The calibration dialog's sine options, read by the start command while CalibrationRun.
    int16_t CalibFreqOption = 1;  // 0 the low sine, otherwise the 1-kHz sine
    int16_t CalibLevelOption = 0; // 0 100 %, 1 10 %, 2 1 %
    // Blocks analysed since the program started: tells a caller whether its run measured.
    int32_t BlocksAnalysed = 0;
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
