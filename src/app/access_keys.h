#pragma once
// Alt+letter on the main window as a menu-driven desktop resolves it: a menu title's letter
// opens that menu before any control with the same letter, and a control whose letter is
// taken elsewhere is reached by a key of its own. Captions keep their letters; without this,
// two owners of one letter make the key do nothing.
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace terzlab::app {

// The key of the letter a caption marks with "&" (Qt::Key), zero when it marks none.
int MnemonicKey(const QString& caption);

// The keys the window resolves itself for its buttons, given in order of precedence, so that
// every key has one owner in whatever language the captions are and acts whether or not the
// window system counts the window as active: a button keeps its marked letter unless a menu
// title or a label (`reserved`) or an earlier button has it; a button that lost its letter is
// reached by the first letter of its caption that nothing else claims. Zero where the caption
// marks no letter or none is left.
std::vector<int> ResolveAccessKeys(const std::vector<int>& reserved,
                                   const std::vector<QString>& captions);

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
