#pragma once
// Small stand-ins for the window-system services the run uses: letting events run, sleeping,
// the screen width, topmost dialogs, and selections set from code that run their handlers.
#include <QString>

class QAbstractButton;
class QComboBox;
class QWidget;

namespace terzlab::platform {

void letEventsRun();
// Lets events run and, when there are none, waits for the next one instead of spinning.
void waitForEvents();

class Sleeper {
  public:
    virtual ~Sleeper() = default;
    virtual void sleepMs(int milliseconds) = 0;
};

class RealSleeper final : public Sleeper {
  public:
    void sleepMs(int milliseconds) override;
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
