#pragma once
// The live analysis in the window: the input analysed without a gap in overlapping transforms,
// each new spectrum handed to the window to draw as a run's would be, from the event loop and
// never waiting for the device. It stops with its command, ESC, a normal run's start or the
// window's closing, and leaves its last spectrum to be saved and held like a measurement's. It
// knows the window only through LiveHost.
#include "app/live_host.h"
#include "live/live_reader.h"

#include <QCoreApplication>
#include <QObject>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace terzlab::platform {
class KeyState;
class MessageService;
class Scheduler;
} // namespace terzlab::platform

namespace terzlab::app {

// The services the live analysis uses besides its window.
struct LiveServices {
    platform::MessageService* messages = nullptr;
    platform::KeyState* keys = nullptr;
    platform::Scheduler* scheduler = nullptr; // the looks at the stream
};

class LiveController {
    Q_DECLARE_TR_FUNCTIONS(LiveController)

  public:
    LiveController(LiveHost& host, LiveServices services);

    // The live menu, put into the bar before `before`.
    void buildMenu(QMenuBar& bar, QAction* before);
    QMenu* menu() const { return menu_; }

    // The menu's command: starts the analysis, or stops it when it runs.
    void toggle();
    // Stops the analysis and then does `then`, at once when it does not run.
    void stop(std::function<void()> then);

    bool on() const { return on_; }
    int64_t updates() const { return analyzer_.Updates(); }
    uint64_t lostFrames() const { return analyzer_.LostFrames(); }
    // The note a saved live spectrum carries in its file; empty for a normal run's.
    std::string note() const;

  private:
    // One entry of the averaging choice: the mode and, for the linear mean, its count.
    struct AveragingEntry {
        live::AveragingChoice Choice;
        QAction* Action = nullptr;
    };

    void buildAveraging();
    live::AveragingChoice averaging() const;
    void chooseAveraging(const live::AveragingChoice& choice);
    void start();
    void tick();
    void show();
    void showStatus();

    LiveHost& host_;
    LiveServices services_;
    QObject owner_; // the menu's handlers and the pending look end with the analysis

    live::LiveAnalyzer analyzer_;
    live::LiveReader reader_;
    bool on_ = false;
    int64_t updatesShown_ = 0;
    // The shown results are a live spectrum (until a normal run analyses a block).
    bool resultIsLive_ = false;
    int32_t blocksCountedAtStart_ = 0;
    // The averaging and peak hold the shown spectrum was formed with, for the file's note.
    live::AveragingChoice shown_;
    bool peakShown_ = false;

    QMenu* menu_ = nullptr;
    QAction* run_ = nullptr;
    QAction* pink_ = nullptr;
    QAction* holdPeak_ = nullptr;
    QAction* resetPeak_ = nullptr;
    std::vector<AveragingEntry> averagingEntries_;
};

} // namespace terzlab::app
