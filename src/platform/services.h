#pragma once
// Small stand-ins for the window-system services the run uses: letting events run, the run's
// timed pauses, the screen width, topmost dialogs, and selections set from code that run their
// handlers.
#include <QString>

#include <functional>

class QAbstractButton;
class QComboBox;
class QObject;
class QWidget;

namespace terzlab::platform {

void letEventsRun();
// Lets events run and, when there are none, waits for the next one instead of spinning.
void waitForEvents();
// Lets events run until `done` holds: for callers outside the window (the unattended start, the
// tests) that want a run's end before they go on.
void waitUntil(const std::function<bool()>& done);

// The run's pauses: the next step of a run comes from the event loop after a pause, so that the
// window never waits inside a run and stays free for the user's clicks and keys.
class Scheduler {
  public:
    virtual ~Scheduler() = default;
    // Runs `step` after the pause; never once `owner` is gone.
    virtual void after(int milliseconds, QObject* owner, std::function<void()> step) = 0;
};

class TimerScheduler final : public Scheduler {
  public:
    void after(int milliseconds, QObject* owner, std::function<void()> step) override;
};

// Width of the primary screen in logical pixels (0 when there is none).
int screenWidthPixels();

void makeTopmost(QWidget* window);

// Selecting a list entry from code runs the list's handler even when the entry was already
// selected, as several handler chains expect.
void selectListIndex(QComboBox* list, int index);
// Setting a check box from code runs its handler when the state changes, as a click would.
void setChecked(QAbstractButton* box, bool checked);

} // namespace terzlab::platform
