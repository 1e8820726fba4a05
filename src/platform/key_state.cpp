#include "platform/key_state.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace terzlab::platform {

EscKeyTracker::EscKeyTracker() {
    if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
}

EscKeyTracker::~EscKeyTracker() {
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

bool EscKeyTracker::escPressed() {
    bool pressed = held_ || latched_;
    latched_ = false;
    return pressed;
}

bool EscKeyTracker::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) held_ = latched_ = true;
        break;
    case QEvent::KeyRelease:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
            !static_cast<QKeyEvent*>(event)->isAutoRepeat())
            held_ = false;
        break;
    case QEvent::ApplicationDeactivate:
        // The release would go to another program; never wait for it.
        held_ = false;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace terzlab::platform
