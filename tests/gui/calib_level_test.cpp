// The distance and level corrections dialog.
#include "calibration/frm_level.h"
#include "gui_fixture.h"

#include <QApplication>
#include <QPointer>
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
    EXPECT_EQ(dialog->txtDist[0]->text(), "100.0");
    EXPECT_EQ(dialog->txtLevel[1]->text(), "2.83");
    EXPECT_EQ(total(), "33.50");
    EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const auto before = window->settings().LevelCorr;
    // Each entry: the field, the keys typed, what the field then shows and the total (null: not
    // checked); a refused value keeps the focus and the total stays as it was. The keys: one
    // point, a comma becomes it, a minus only first and only in the offset.
    const struct {
        QLineEdit* field;
        const char *typed, *shows, *total;
        bool refused;
    } entries[] = {{dialog->txtLevel[1], "1.415", "1.415", "39.52", false},
                   {dialog->txtLevel[1], "2.83", "2.83", "33.50", false},
                   {dialog->txtDist[1], "50", "50", "27.48", false},
                   {dialog->txtDist[1], "999.9", "999.9", "53.50", false},
                   {dialog->txtDist[1], "1000", "1000", "53.50", true},
                   {dialog->txtDist[1], "100", "100", "33.50", false},
                   {dialog->txtLevel[1], "0.001", "0.001", "102.54", false},
                   {dialog->txtLevel[1], "0.0009", "0.0009", "102.54", true},
                   {dialog->txtLevel[0], "1,5,3-", "1.53", nullptr, false},
                   {dialog->txtSens[0], "-1-2", "-12", nullptr, false},
                   {dialog->txtSens[0], "3-", "3", nullptr, false}};
    for (const auto& e : entries) {
        enter(e.field, QString::fromLatin1(e.typed));
        EXPECT_EQ(e.field->text(), QString::fromLatin1(e.shows)) << e.typed;
        if (!e.total) continue;
        EXPECT_EQ(total(), QString::fromLatin1(e.total)) << e.typed;
        EXPECT_EQ(QApplication::focusWidget() == e.field, e.refused) << e.typed;
    }

    dialog->cmdCancel->click();
    platform::letEventsRun();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(window->settings().LevelCorr, before);
    EXPECT_EQ(redraws, 0);
    frmLevel::open(*window, boxes)->close();
    expectBoxesAsGolden(); // the note, once at each opening
}

TEST_F(LevelDialogTest, OkChecksTheFieldStillBeingTypedAndStoresOnlyValidValues) {
    const auto before = window->settings().LevelCorr;
    dialog->txtDist[1]->setFocus(Qt::TabFocusReason);
    dialog->txtDist[1]->setText("1000");
    dialog->cmdOK->click();
    platform::letEventsRun();
    ASSERT_TRUE(dialog && dialog->isVisible());
    EXPECT_EQ(dialog->focusWidget(), dialog->txtDist[1]);
    EXPECT_EQ(window->settings().LevelCorr, before);

    dialog->txtDist[1]->setText("200");
    dialog->txtSens[0]->setText("-10,5");
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
