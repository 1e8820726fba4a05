// A real message box opens centred on the window it belongs to, not where the window manager
// happens to put a window without a parent.
#include "platform/message_service.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <gtest/gtest.h>

namespace terzlab::test {
namespace {

TEST(MessageBoxes, ARealBoxIsCentredOnTheMainWindow) {
    QMainWindow window;
    window.setGeometry(40, 30, 700, 500);
    window.show();
    QWidget* parent = nullptr;
    QPoint offset(1000, 1000);
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr) return;
        parent = box->parentWidget();
        offset = box->frameGeometry().center() - window.frameGeometry().center();
        box->close();
    });
    platform::QtMessageService().show(QStringLiteral("Text"), platform::MsgButtons::Ok,
                                      platform::MsgIcon::Information, QStringLiteral("Titel"));
    EXPECT_EQ(parent, &window);
    EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << ", " << offset.y();
}

} // namespace
} // namespace terzlab::test
