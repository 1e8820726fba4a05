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

// Selecting the same list entry runs the handler again; setting a box as it is does not.
TEST(Platform, ListSelectionsAlwaysRunTheHandlerAndEscTapIsSeenOnceAfterRelease) {
    QComboBox list;
    list.addItems({QStringLiteral("a"), QStringLiteral("b")});
    QCheckBox box;
    int runs = 0;
    QObject::connect(&list, &QComboBox::currentIndexChanged, [&runs] { runs += 1; });
    QObject::connect(&box, &QCheckBox::toggled, [&runs] { runs += 10; });
    for (int twice = 0; twice < 2; ++twice) {
        platform::selectListIndex(&list, 1);
        platform::setChecked(&box, true);
    }
    EXPECT_EQ(runs, 12);

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
