// The platform stand-ins that the run relies on.
#include "platform/key_state.h"
#include "platform/services.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace terzlab::test {

namespace {

TEST(Platform, SelectingTheSameListEntryRunsTheHandlerAgain) {
    QComboBox list;
    list.addItems({QStringLiteral("a"), QStringLiteral("b")});
    int runs = 0;
    QObject::connect(&list, &QComboBox::currentIndexChanged, [&runs] { ++runs; });
    platform::selectListIndex(&list, 1);
    platform::selectListIndex(&list, 1);
    EXPECT_EQ(runs, 2);
    QCheckBox box;
    int clicks = 0;
    QObject::connect(&box, &QCheckBox::toggled, [&clicks] { ++clicks; });
    platform::setChecked(&box, true);
    platform::setChecked(&box, true);
    EXPECT_EQ(clicks, 1);
}

TEST(Platform, ShortEscTapIsSeenOnceAfterItWasReleased) {
    platform::EscKeyTracker keys;
    QWidget target;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&target, &press);
    EXPECT_TRUE(keys.escHeld());
    QApplication::sendEvent(&target, &release);
    EXPECT_FALSE(keys.escHeld());
    EXPECT_TRUE(keys.escPressed());
    EXPECT_FALSE(keys.escPressed());
    QApplication::sendEvent(&target, &press);
    QApplication::sendEvent(&target, &release);
    keys.forgetEsc();
    EXPECT_FALSE(keys.escPressed());
}

} // namespace

} // namespace terzlab::test
