#pragma once
// What the live analysis needs from the window it runs in: the run as the user has set it up,
// the window's measurement and capture for the run, and a place to show each new spectrum. The
// window implements it; the live analysis knows nothing else of it.
#include "analysis/measurement_config.h"
#include "audio/capture_stream.h"
#include "files/settings.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <span>

namespace terzlab::app {

// One live spectrum for the window: the band results on the run's grid, the peaks of the two
// channels in its block, and whether the axis is to fit it anew.
struct LiveSpectrum {
    std::span<const double> Cells;
    std::array<int32_t, 2> Peaks{0, 0};
    bool FitAxis = false;
};

// A live run as the analysis asks the window for it: the run as the user set it up, whether the
// program's pink noise plays, and who is told once the capture runs and before the noise plays.
struct LiveStart {
    MeasurementConfig Config;
    bool Pink = false;
    std::function<void(audio::CaptureStream&)> Started;
};

class LiveHost {
  public:
    virtual ~LiveHost() = default;

    // The settings the averaging choice is kept in.
    virtual terzlab::Settings& settings() = 0;
    // The run as the user has set it up now.
    virtual MeasurementConfig currentConfig() const = 0;
    // The test CD is chosen for playback: the program plays no noise of its own.
    virtual bool testCdPlayback() const = 0;
    // No run or dialog drives the measurement and the card has a stream to read.
    virtual bool liveMayStart() const = 0;
    // The window is to close: the live analysis ends at its next look at the stream.
    virtual bool closeRequested() const = 0;

    // The window's measurement set up for the run, the pink noise made ready, the capture opened
    // and started, and the window showing the run. False, the user already told and the window
    // idle, when any of it failed.
    virtual bool startLiveRun(const LiveStart& start) = 0;
    // The capture closed, the measurement stopped and the window idle again; then `then`.
    virtual void endLiveRun(std::function<void()> then) = 0;
    // Blocks the window's measurement has counted: the shown spectrum stays the live one while
    // no normal run adds to them.
    virtual int32_t blocksCounted() const = 0;

    // A new spectrum shown and drawn; false when the window could not take it.
    virtual bool showLiveSpectrum(const LiveSpectrum& spectrum) = 0;
    // The run's line on the start button.
    virtual void showLiveStatus(const QString& text) = 0;
};

} // namespace terzlab::app
