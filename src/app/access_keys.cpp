#include "app/access_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace terzlab::app {

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
