#include "platform/services.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace terzlab::platform {

void letEventsRun() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void waitForEvents() {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void waitUntil(const std::function<bool()>& done) {
    while (!done())
        waitForEvents();
}

void TimerScheduler::after(int milliseconds, QObject* owner, std::function<void()> step) {
    QTimer::singleShot(milliseconds, owner, std::move(step));
}

int screenWidthPixels() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

void makeTopmost(QWidget* window) {
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

void selectListIndex(QComboBox* list, int index) {
    if (list->currentIndex() != index) {
        list->setCurrentIndex(index);
        return;
    }
    emit list->currentIndexChanged(index);
}

void setChecked(QAbstractButton* box, bool checked) {
    box->setChecked(checked);
}

} // namespace terzlab::platform
