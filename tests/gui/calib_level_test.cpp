// The distance and level corrections dialog.
#include "calibration/frm_level.h"
#include "gui_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace terzlab::test {

namespace {

using calibration::frmLevel;

class LevelDialogTest : public GuiTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(load());
        window->run().MeasValid = true; // a spectrum on hand: OK redraws it with the new offset
        window->hooks.DisplaySpec = [this](bool computeNew) { redraws += computeNew ? 100 : 1; };
        dialog = frmLevel::open(*window, boxes);
        dialog->activateWindow();
        platform::letEventsRun();
    }

    // Types into an emptied field and moves on to the next field, as the tab key does.
    void enter(QLineEdit* field, const QString& keys) {
        field->setFocus(Qt::TabFocusReason);
        field->clear();
        QTest::keyClicks(field, keys);
        QLineEdit* next = field == dialog->txtSens[0] ? dialog->txtDist[0] : dialog->txtSens[0];
        next->setFocus(Qt::TabFocusReason);
        platform::letEventsRun();
    }
    QString total() const { return dialog->txtSens[1]->text(); }

    QPointer<frmLevel> dialog;
    int redraws = 0;
};

// Opens with its note (at every opening); the total follows each valid field, an invalid field
// keeps the focus, and "Abbruch" leaves the corrections as they were.
TEST_F(LevelDialogTest, TotalFollowsValidFieldsAndAbbruchLeavesTheCorrections) {
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].title, QStringLiteral("Hinweis:"));
    EXPECT_TRUE(boxes.boxes()[0].text.startsWith(
        QStringLiteral("Der Pegel in jeder 1/12 Oktave der Datei Pseudo.wav\r\n")));
    EXPECT_EQ(dialog->txtDist[0]->text(), QStringLiteral("100.0"));
    EXPECT_EQ(dialog->txtLevel[1]->text(), QStringLiteral("2.83"));
    EXPECT_EQ(total(), QStringLiteral("33.50"));
    EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const auto before = window->settings().LevelCorr;
    enter(dialog->txtLevel[1], QStringLiteral("1.415"));
    EXPECT_EQ(total(), QStringLiteral("39.52"));
    enter(dialog->txtLevel[1], QStringLiteral("2.83"));
    enter(dialog->txtDist[1], QStringLiteral("50"));
    EXPECT_EQ(total(), QStringLiteral("27.48"));
    enter(dialog->txtDist[1], QStringLiteral("999.9"));
    EXPECT_EQ(total(), QStringLiteral("53.50"));
    EXPECT_NE(QApplication::focusWidget(), dialog->txtDist[1]);
    enter(dialog->txtDist[1], QStringLiteral("1000"));
    EXPECT_EQ(total(), QStringLiteral("53.50")); // not recomputed
    EXPECT_EQ(dialog->focusWidget(), dialog->txtDist[1]);
    enter(dialog->txtDist[1], QStringLiteral("100"));
    enter(dialog->txtLevel[1], QStringLiteral("0.001"));
    EXPECT_EQ(total(), QStringLiteral("102.54"));
    enter(dialog->txtLevel[1], QStringLiteral("0.0009"));
    EXPECT_EQ(dialog->focusWidget(), dialog->txtLevel[1]);
    // The keys: one point, a comma becomes it, a minus only first and only in the offset.
    enter(dialog->txtLevel[0], QStringLiteral("1,5,3-"));
    EXPECT_EQ(dialog->txtLevel[0]->text(), QStringLiteral("1.53"));
    enter(dialog->txtSens[0], QStringLiteral("-1-2"));
    EXPECT_EQ(dialog->txtSens[0]->text(), QStringLiteral("-12"));
    enter(dialog->txtSens[0], QStringLiteral("3-"));
    EXPECT_EQ(dialog->txtSens[0]->text(), QStringLiteral("3"));

    dialog->cmdCancel->click();
    platform::letEventsRun();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(window->settings().LevelCorr, before);
    EXPECT_EQ(redraws, 0);
    frmLevel::open(*window, boxes)->close();
    EXPECT_EQ(boxes.boxes().size(), 2u);
}

TEST_F(LevelDialogTest, OkChecksTheFieldStillBeingTypedAndStoresOnlyValidValues) {
    const auto before = window->settings().LevelCorr;
    dialog->txtDist[1]->setFocus(Qt::TabFocusReason);
    dialog->txtDist[1]->setText(QStringLiteral("1000"));
    dialog->cmdOK->click();
    platform::letEventsRun();
    ASSERT_FALSE(dialog.isNull());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->focusWidget(), dialog->txtDist[1]);
    EXPECT_EQ(window->settings().LevelCorr, before);

    dialog->txtDist[1]->setText(QStringLiteral("200"));
    dialog->txtSens[0]->setText(QStringLiteral("-10,5"));
    dialog->cmdOK->click();
    platform::letEventsRun();
    EXPECT_TRUE(dialog.isNull());
    const auto& stored = window->settings().LevelCorr;
    EXPECT_EQ(stored[1], 200.0);
    EXPECT_EQ(stored[4], -10.5);
    EXPECT_EQ(stored[5], -4.48);
    EXPECT_EQ(redraws, 1);
}

} // namespace

} // namespace terzlab::test
