#pragma once
// The main window's live analysis: the analysis and its reader over the capture stream, the
// commands of the live menu, and what the window needs to know of the last live spectrum.
#include "live/live_reader.h"

#include <array>
#include <cstdint>
#include <vector>

class QAction;
class QMenu;

namespace terzlab::app {

// One entry of the averaging choice: the mode and, for the linear mean, its count.
struct LiveAveragingEntry {
    live::AveragingChoice Choice;
    QAction* Action = nullptr;
};

struct LiveMode {
    live::LiveAnalyzer Analyzer;
    live::LiveReader Reader;
    bool On = false;
    int64_t UpdatesShown = 0;
    // The shown results are a live spectrum (until a normal run analyses a block).
    bool ResultIsLive = false;
    int32_t BlocksCountedAtStart = 0;
    // The averaging and peak hold the shown spectrum was formed with, for the file's note.
    live::AveragingChoice Shown;
    bool PeakShown = false;

    QMenu* Menu = nullptr;
    QAction* Run = nullptr;
    QAction* Pink = nullptr;
    QAction* HoldPeak = nullptr;
    QAction* ResetPeak = nullptr;
    std::vector<LiveAveragingEntry> Averaging;
};

} // namespace terzlab::app
