#pragma once
// What the swept-sine measurement needs from the window it runs in: the settings it is made and
// shown with, the window's capture format and input device, the run's bookkeeping the window
// keeps for every type, the graph and its readout, and the curves the window has applied. The
// window implements it; the sweep knows nothing else of it.
#include "analysis/bands.h"
#include "app/main_state.h"
#include "audio/wave.h"
#include "display/cursor.h"
#include "display/sweep_plot.h"

#include <QSize>
#include <QString>

class QWidget;

namespace terzlab::app {

class SweepWindowHost {
  public:
    virtual ~SweepWindowHost() = default;

    // The settings the sweep is made, calibrated and shown with.
    virtual const Settings& settings() const = 0;
    // The dialog's fields, kept for the settings file.
    virtual void keepSweepFields(const SweepFields& fields) = 0;
    // The window the sweep's dialog stands beside.
    virtual QWidget* dialogParent() = 0;

    // From the start until the run has ended, whichever type it measures.
    virtual bool isRunning() const = 0;
    // The window is to close: the sweep ends at its next step.
    virtual bool closeRequested() const = 0;
    // The test CD is chosen for playback: the program plays nothing of its own.
    virtual bool testCdPlayback() const = 0;

    // The capture's format for a run now (the window's channels, rate and sample size) and the
    // input device chosen.
    virtual const audio::WaveFormat& newCaptureFormat() = 0;
    virtual int inputDevice() const = 0;
    // The capture could not be opened: the user is told and the window is idle again.
    virtual void openFailed() = 0;

    // The run has started: the overload labels hidden, the commands that change the measurement
    // waiting, no result to save.
    virtual void beginSweepRun() = 0;
    // The run's line on the start button.
    virtual void showSweepStatus(const QString& text) = 0;
    // The capture has ended: the commands free and the start button idle again.
    virtual void stopSweepRun() = 0;
    // The recording of this channel is clipped: its overload label shows, and the box that says
    // so makes the overload help at the run's end needless.
    virtual void showClipped(int channel) = 0;
    // Whether the measurement holds a result (an impulse response) to show and save.
    virtual void setResultValid(bool valid) = 0;
    // The menu commands and curve boxes as the result and the run allow.
    virtual void showCommands() = 0;
    // The run's end for the window: the help for an overload, a close that waited, whoever
    // waited for the end.
    virtual void finishRun() = 0;

    // The graph: the empty frame of the type, or a plot of the sweep; its size in pixels.
    virtual void drawEmptyFrame() = 0;
    virtual void drawPlot(const PlotScene& scene) = 0;
    virtual QSize graphSize() const = 0;
    // The readout of the values under the pointer.
    virtual void showCursor(const CursorUpdate& update) = 0;

    // The sensor's curve where it takes part in the values shown and saved, else none, and the
    // band grid its values lie on.
    virtual const CorrectionCurve* appliedSensorCurve() const = 0;
    virtual const BandState& measuredBands() const = 0;
    // The comparison curve where its box is ticked, else none.
    virtual const CorrectionCurve* shownComparison() const = 0;
};

} // namespace terzlab::app
