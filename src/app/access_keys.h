#pragma once
// Alt+letter on the main window as a menu-driven desktop resolves it: a menu title's letter
// opens that menu before any control with the same letter, and a control whose letter is
// taken elsewhere is reached by a key of its own. Captions keep their letters; without this,
// two owners of one letter make the key do nothing.
#include <QObject>

#include <functional>
#include <vector>

class QWidget;

namespace terzlab::app {

class AccessKeys final : public QObject {
  public:
    struct Entry {
        int key; // Qt::Key, pressed with Alt alone
        std::function<void()> act;
    };

    // Watches the keys typed into `window` (and only there) and becomes its child.
    AccessKeys(QWidget* window, std::vector<Entry> entries);

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const Entry* entryFor(QObject* watched, QEvent* event) const;

    QWidget* window_;
    std::vector<Entry> entries_;
};

} // namespace terzlab::app
