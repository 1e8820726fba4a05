#pragma once
// The ESC key as the run asks for it. The run only looks at the key between blocks, so a press
// is latched until it has been asked for: a short tap while a block is captured is not lost.
#include <QObject>

namespace terzlab::platform {

class KeyState {
  public:
    virtual ~KeyState() = default;
    // True when ESC is down now or was pressed since the last call; clears the latch.
    virtual bool escPressed() = 0;
    // True only while ESC is held down.
    virtual bool escHeld() = 0;
    // Drops a press that happened before now.
    virtual void forgetEsc() = 0;
};

// Watches every key event of the application.
class EscKeyTracker final : public QObject, public KeyState {
  public:
    EscKeyTracker(); // installs itself on the running application
    ~EscKeyTracker() override;
    bool escPressed() override;
    bool escHeld() override { return held_; }
    void forgetEsc() override { latched_ = held_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool held_ = false;
    bool latched_ = false;
};

} // namespace terzlab::platform
