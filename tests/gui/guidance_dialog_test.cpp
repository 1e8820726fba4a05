// The instruction and help dialogs, on their own and as the run's steps: the series resistor,
// keys and closing, every help page, the instructions before a run, the manual start of the CD
// signal and the overload hint after it.
#include "gui_fixture.h"
#include "guidance/dialog_state.h"
#include "guidance/frm_help.h"
#include "guidance/frm_meas.h"
#include "guidance/help_pages.h"
#include "guidance/instruction_text.h"
#include "platform/qt_picture.h"

#include <QPointer>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace terzlab::test {

namespace {

using guidance::frmHelp;
using guidance::frmMeas;

class MeasDialogTest : public ::testing::Test {
  protected:
    frmMeas* open(int type, int page) {
        delete dialog.data();
        settings.MeasTypeIndex = static_cast<int16_t>(type);
        dialogs.DialogPage = static_cast<int16_t>(page);
        dialog = new frmMeas(dialogs, {settings.MeasTypeIndex, settings.ActiveChannel,
                                       run.ImpedancePart, &settings.SeriesResistor});
        dialog->show();
        return dialog;
    }
    void TearDown() override { delete dialog.data(); }

    guidance::DialogState dialogs;
    app::Settings settings;
    app::RunState run;
    QPointer<frmMeas> dialog;
};

// One page through: its words, the number keys, the refused values and the sketch's boxes.
TEST_F(MeasDialogTest, ImpedancePageKeepsTheDialogUntilTheResistorIsInRange) {
    settings.ActiveChannel = 1;
    run.ImpedancePart = 2;
    open(3, 23);
    const auto words = guidance::InstructionText({3, false, 2}); // golden-checked, CR LF ends
    EXPECT_EQ(dialog->lblMain->text(), QString::fromStdString(words).replace("\r\n", "\n"));
    EXPECT_TRUE(dialog->txtValue->isVisible() && dialog->chkImp->isVisible());
    dialog->txtValue->clear();
    QTest::keyClicks(dialog->txtValue, "-4,7xe+ -,2");
    EXPECT_EQ(dialog->txtValue->text(), "4.72");
    QTest::keyClick(dialog->txtValue, Qt::Key_Backspace);
    EXPECT_EQ(dialog->txtValue->text(), "4.7");
    dialog->txtValue->selectAll();
    QTest::keyClicks(dialog->txtValue, ",5");
    EXPECT_EQ(dialog->txtValue->text(), ".5");

    for (const char* refused : {"0.05", "101", "", "."}) {
        dialog->txtValue->setText(QString::fromLatin1(refused));
        dialog->cmdOK->setFocus();
        EXPECT_FALSE(dialog->cmdOK_Click()) << refused;
        EXPECT_EQ(dialog->focusWidget(), dialog->txtValue);
        EXPECT_EQ(dialogs.DialogPage, 23);
        EXPECT_FLOAT_EQ(settings.SeriesResistor, 10.0f);
    }
    // Closing by the frame is refused the same way: the run must not take an unconfirmed value.
    EXPECT_FALSE(dialog->close());
    EXPECT_EQ(dialogs.DialogPage, 23);
    const QImage plain = dialog->sketch().Image().copy();
    dialog->chkImp->click();
    EXPECT_NE(dialog->sketch().Image(), plain);
    dialog->chkImp->click();
    EXPECT_EQ(dialog->sketch().Image(), plain);
    dialog->chkXchan->click();
    EXPECT_NE(dialog->sketch().Image(), plain);

    open(0, 7);
    EXPECT_EQ(dialog->lblMain->text(), "Verkabelung:");
    EXPECT_FALSE(dialog->txtValue->isVisible());
}

// OK, the frame and ESC all confirm; the limits are inclusive; level types ignore the field.
TEST_F(MeasDialogTest, EveryWayOfClosingConfirmsAValidResistor) {
    enum How { Ok, Close, Escape };
    const struct {
        int type;
        const char* text;
        How how;
        float stored;
    } cases[] = {{0, "0", Close, 10.0f},
                 {3, "0.1", Ok, 0.1f},
                 {3, "100", Close, 100.0f},
                 {4, "8,2", Escape, 8.2f}};
    for (const auto& c : cases) {
        open(c.type, 20 + c.type);
        dialog->txtValue->setText(QString::fromLatin1(c.text));
        if (c.how == Ok) dialog->cmdOK->click();
        if (c.how == Escape) QTest::keyClick(dialog, Qt::Key_Escape);
        EXPECT_TRUE(c.how != Close || dialog->close());
        EXPECT_EQ(dialogs.DialogPage, -1) << c.text;
        EXPECT_FLOAT_EQ(settings.SeriesResistor, c.stored);
        EXPECT_TRUE(dialog.isNull() || !dialog->isVisible());
    }
}

// The dialog shows its page's words (golden-checked in the guidance text test) with LF line
// ends; pages outside the table keep the design caption. The information window at start-up
// (page 0) releases the start however it is closed.
TEST(HelpDialog, ShowsThePagesWordsAndClosingReleasesOnlyItsOwnPage) {
    enum How { Ok, Escape, Close };
    const struct {
        int page;
        bool lowSine;
        How how;
    } cases[] = {{0, false, Escape}, {0, false, Ok},  {0, false, Close},
                 {5, false, Ok},     {10, false, Ok}, {15, true, Ok},
                 {15, false, Ok},    {7, false, Ok},  {25, false, Ok}};
    guidance::DialogState dialogs;
    for (const auto& c : cases) {
        const auto words = guidance::HelpPageFor(c.page, c.lowSine)
                               .value_or(guidance::HelpPage{"Hinweis", "", "", "OK"});
        dialogs = {static_cast<int16_t>(c.page), c.page == 0};
        QPointer<frmHelp> help = new frmHelp(dialogs, nullptr, c.lowSine);
        help->show();
        if (c.page == 0) {
            EXPECT_EQ(help->windowTitle(), "Information");
            EXPECT_FALSE(help->lblNormText->text().isEmpty());
        } else {
            EXPECT_EQ(help->windowTitle().toStdString(), words.caption) << c.page;
            EXPECT_EQ(help->lblBigText->text().toStdString(), words.bigText) << c.page;
            EXPECT_EQ(help->lblNormText->text(),
                      QString::fromStdString(words.normText).replace("\r\n", "\n"));
            EXPECT_EQ(help->cmdOK->text().toStdString(), words.button) << c.page;
        }
        if (c.how == Ok) help->cmdOK->click();
        if (c.how == Escape) QTest::keyClick(help, Qt::Key_Escape);
        if (c.how == Close) help->close();
        EXPECT_FALSE(dialogs.AboutOpen) << c.page;
        EXPECT_EQ(dialogs.DialogPage, -1) << c.page;
        delete help.data();
    }
    // A late overload hint leaves the page of the next run's instructions, open meanwhile.
    dialogs.DialogPage = 5;
    QPointer<frmHelp> hint = new frmHelp(dialogs);
    hint->show();
    dialogs.DialogPage = 23; // the next run's instructions are open and waited for
    hint->cmdOK->click();
    EXPECT_EQ(dialogs.DialogPage, 23);
    delete hint.data();
}

// The window opening its real dialogs.
class GuidedRunTest : public GuiTest {
  protected:
    void SetUp() override {
        realDialogs = true;
        ASSERT_TRUE(load());
        platform::selectListIndex(window->cmbAvgCnt, 0);
        platform::setChecked(window->chkAvgType, true);
    }

    // Calls `act` once on every dialog of the window as soon as it shows, also inside the wait
    // of another dialog.
    void onEachDialog(std::function<void(QDialog*)> act) {
        auto* poll = new QTimer(window.get());
        auto seen = std::make_shared<std::vector<QPointer<QDialog>>>();
        QObject::connect(poll, &QTimer::timeout, [this, act, seen] {
            std::vector<QPointer<QDialog>> shown;
            for (QDialog* dialog : window->findChildren<QDialog*>())
                if (dialog->isVisible() &&
                    std::find(seen->begin(), seen->end(), dialog) == seen->end())
                    shown.emplace_back(dialog);
            seen->insert(seen->end(), shown.begin(), shown.end());
            for (const QPointer<QDialog>& dialog : shown)
                if (dialog) act(dialog);
        });
        poll->start(0);
    }
    static int pageOf(QDialog* dialog) {
        if (auto* help = dynamic_cast<frmHelp*>(dialog)) return help->page();
        const auto* meas = dynamic_cast<frmMeas*>(dialog);
        return meas ? meas->mode() + 20 : -1;
    }
};

TEST_F(GuidedRunTest, OverloadedRunShowsTheHintWithoutWaitingForIt) {
    window->mnuHelpShow->setChecked(false);
    // A clipped block lights the label between the analysis and the ESC check.
    keys.onAsk = [this] {
        if (window->isRunning()) window->lblOVL[1]->show();
        return false;
    };
    window->cmdStart->click();
    EXPECT_EQ(window->cmdStart->text(), "&Starte Messung");
    std::vector<int> open;
    for (QDialog* dialog : window->findChildren<QDialog*>())
        if (dialog->isVisible()) open.push_back(pageOf(dialog));
    EXPECT_EQ(open, std::vector<int>{5});
}

// The test-CD run waits for the instructions and then for the manual start of the CD signal,
// capturing nothing meanwhile, and the idle start button behind them starts no second run.
TEST_F(GuidedRunTest, TestCdRunCapturesNothingAndStartsNoSecondRunWhileTheDialogsWait) {
    platform::selectListIndex(window->cmbWavOutDev, window->run().TestCdIndex);
    std::vector<int> pages, blocksWhileOpen;
    app::frmMain* main = window.get();
    onEachDialog([&](QDialog* dialog) {
        pages.push_back(pageOf(dialog));
        blocksWhileOpen.push_back(blocks());
        // Through the window system, as a user's click comes; only for the first two dialogs,
        // so that a broken guard cannot start runs without end.
        if (pages.size() <= 2) {
            EXPECT_EQ(main->cmdStart->text(), "&Starte Messung");
            const QPoint at = main->cmdStart->mapTo(main, main->cmdStart->rect().center());
            QTest::mouseClick(main->windowHandle(), Qt::LeftButton, {}, at);
        }
        const QPointer<QDialog> guard(dialog);
        if (guard) guard->close(); // a run started by the click may have closed it
    });
    window->cmdStart->click();
    EXPECT_EQ(pages, (std::vector<int>{20, 10}));
    EXPECT_EQ(blocksWhileOpen, (std::vector<int>{0, 0}));
    EXPECT_EQ(blocks(), 2);
    EXPECT_TRUE(bench().playLog().empty());
    EXPECT_EQ(dialogs.DialogPage, -1);
}

// Impedance runs always show their instructions, level runs only with the short help; both
// parts of the one-channel impedance run ask, part 2 for the changed wiring.
TEST_F(GuidedRunTest, InstructionsComeBeforeTheRunsThatNeedThem) {
    std::vector<int> pages, parts;
    onEachDialog([&](QDialog* dialog) {
        pages.push_back(pageOf(dialog));
        parts.push_back(window->run().ImpedancePart);
        if (auto* meas = dynamic_cast<frmMeas*>(dialog)) {
            meas->txtValue->setText("4,7");
            meas->cmdOK->click();
        } else {
            dialog->close();
        }
    });
    const struct {
        bool help;
        int type;
        std::vector<int> pages;
    } runs[] = {{false, 0, {}}, {true, 0, {20}}, {false, 4, {24}}, {false, 3, {23, 23}}};
    for (const auto& run : runs) {
        window->mnuHelpShow->setChecked(run.help);
        platform::selectListIndex(window->cmbMeasType, run.type);
        pages.clear();
        parts.clear();
        window->cmdStart->click();
        EXPECT_EQ(pages, run.pages) << run.type;
        EXPECT_EQ(window->cmdStart->text(), "&Starte Messung");
    }
    EXPECT_EQ(parts, (std::vector<int>{1, 2}));
    EXPECT_FLOAT_EQ(window->settings().SeriesResistor, 4.7f);
}

} // namespace

} // namespace terzlab::test
