#include "app/access_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

#include <algorithm>
#include <set>

namespace terzlab::app {

int MnemonicKey(const QString& caption) {
    const QKeySequence letter = QKeySequence::mnemonic(caption);
    return letter.isEmpty() ? 0 : letter[0].key();
}

namespace {

// Only plain letters stand in: they are on every keyboard.
int standIn(const QString& caption, const std::set<int>& claimed) {
    for (const QChar c : caption) {
        const QChar upper = c.toUpper();
        if (upper >= QLatin1Char('A') && upper <= QLatin1Char('Z') &&
            !claimed.count(upper.unicode()))
            return upper.unicode();
    }
    return 0;
}

} // namespace

std::vector<int> ResolveAccessKeys(const std::vector<int>& reserved,
                                   const std::vector<QString>& captions) {
    std::vector<int> own;
    for (const QString& caption : captions)
        own.push_back(MnemonicKey(caption));
    std::set<int> claimed(reserved.begin(), reserved.end());
    claimed.insert(own.begin(), own.end());
    std::vector<int> keys(own.size(), 0);
    for (size_t i = 0; i < own.size(); ++i) {
        if (own[i] == 0) continue;
        const auto earlier = own.begin() + static_cast<std::ptrdiff_t>(i);
        const bool taken = std::count(reserved.begin(), reserved.end(), own[i]) > 0 ||
                           std::find(own.begin(), earlier, own[i]) != earlier;
        if (!taken) {
            keys[i] = own[i];
            continue;
        }
        keys[i] = standIn(captions[i], claimed);
        claimed.insert(keys[i]);
    }
    return keys;
}

AccessKeys::AccessKeys(QWidget* window, std::vector<Entry> entries)
    : QObject(window), window_(window), entries_(std::move(entries)) {
    qApp->installEventFilter(this);
}

const AccessKeys::Entry* AccessKeys::entryFor(QObject* watched, QEvent* event) const {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return nullptr;
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (widget == nullptr || widget->window() != window_) return nullptr;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->modifiers() != Qt::AltModifier) return nullptr;
    for (const Entry& entry : entries_)
        if (entry.key == key->key()) return &entry;
    return nullptr;
}

// Accepting the override keeps the shortcut map (and its ambiguity) out of it; the key press
// that follows then reaches this filter and acts.
bool AccessKeys::eventFilter(QObject* watched, QEvent* event) {
    const Entry* entry = entryFor(watched, event);
    if (entry == nullptr) return false;
    event->accept();
    if (event->type() == QEvent::KeyPress) entry->act();
    return true;
}

} // namespace terzlab::app
