// The instruction and help dialogs, on their own and as the run's steps: the series resistor,
// keys and closing, every help page, the instructions before a run, the manual start of the CD
// signal and the overload hint after it.
#include "gui_fixture.h"
#include "guidance/frm_help.h"
#include "guidance/frm_meas.h"
#include "guidance/help_pages.h"
#include "guidance/instruction_text.h"
#include "platform/qt_picture.h"

#include <QPointer>
#include <QTest>

namespace terzlab::test {

namespace {

using guidance::frmHelp;
using guidance::frmMeas;

enum How { Ok, Close, Escape };

// The words as a label shows them: with LF line ends.
QString shown(const std::string& words) {
    return QString::fromStdString(words).replace("\r\n", "\n");
}

class MeasDialogTest : public ::testing::Test {
  protected:
    void open(int type, int page, int16_t channel = 0, int16_t part = 0) {
        delete dialog.data();
        dialogs.DialogPage = static_cast<int16_t>(page);
        dialog = new frmMeas(dialogs, {*MeasTypeOf(type), channel, part, &resistor});
        dialog->show();
    }
    void TearDown() override { delete dialog.data(); }

    guidance::DialogState dialogs;
    float resistor = 10.0f;
    QPointer<frmMeas> dialog;
};

// One page through: its words (golden-checked with the texts), the number keys, the refused
// values and the sketch's boxes; closing by the frame is refused the same way as OK, since the
// run must not take an unconfirmed value.
TEST_F(MeasDialogTest, ImpedancePageKeepsTheDialogUntilTheResistorIsInRange) {
    open(3, 23, 1, 2);
    EXPECT_EQ(dialog->lblMain->text(), shown(guidance::InstructionText({3, false, 2})));
    EXPECT_EQ(std::pair(dialog->txtValue->isVisible(), dialog->chkImp->isVisible()),
              std::pair(true, true))
        << "the resistor field and the sketch's choice";
    QLineEdit* field = dialog->txtValue;
    field->clear();
    QTest::keyClicks(field, "-4,7xe+ -,2");
    QString typed = field->text() + ' ';
    QTest::keyClick(field, Qt::Key_Backspace);
    typed += field->text() + ' ';
    field->selectAll();
    QTest::keyClicks(field, ",5");
    EXPECT_EQ(typed + field->text(), "4.72 4.7 .5");
    for (const char* refused : {"0.05", "101", "", "."}) {
        field->setText(refused);
        dialog->cmdOK->setFocus();
        EXPECT_FALSE(dialog->cmdOK_Click()) << refused;
        EXPECT_EQ(std::pair(dialog->focusWidget(), resistor),
                  (std::pair<QWidget*, float>(field, 10.0f)))
            << refused;
    }
    EXPECT_FALSE(dialog->close());
    EXPECT_EQ(dialogs.DialogPage, 23);
    const QImage plain = dialog->sketch().Image().copy();
    const auto changedBy = [&](QCheckBox* box) {
        box->click();
        return dialog->sketch().Image() != plain;
    };
    EXPECT_EQ((std::vector{changedBy(dialog->chkImp), changedBy(dialog->chkImp),
                           changedBy(dialog->chkXchan)}),
              (std::vector{true, false, true}));
    open(0, 7);
    EXPECT_EQ(dialog->lblMain->text(), "Verkabelung:");
    EXPECT_FALSE(dialog->txtValue->isVisible());
}

// OK, the frame and ESC all confirm; the limits are inclusive; level types ignore the field.
TEST_F(MeasDialogTest, EveryWayOfClosingConfirmsAValidResistor) {
    const std::tuple<int, const char*, How, float> cases[] = {{0, "0", Close, 10.0f},
                                                              {3, "0.1", Ok, 0.1f},
                                                              {3, "100", Close, 100.0f},
                                                              {4, "8,2", Escape, 8.2f}};
    for (const auto& [type, text, how, stored] : cases) {
        open(type, 20 + type);
        dialog->txtValue->setText(text);
        if (how == Ok) dialog->cmdOK->click();
        if (how == Escape) QTest::keyClick(dialog, Qt::Key_Escape);
        EXPECT_TRUE(how != Close || dialog->close());
        EXPECT_EQ(dialogs.DialogPage, -1) << text;
        EXPECT_FLOAT_EQ(resistor, stored);
        EXPECT_TRUE(dialog.isNull() || !dialog->isVisible());
    }
}

// The dialog shows its page's words (golden-checked in the guidance text test) with LF line
// ends; pages outside the table keep the design caption. The information window at start-up
// (page 0) releases the start however it is closed. A late overload hint leaves the page of the
// next run's instructions (`later`), opened meanwhile and still waited for.
TEST(HelpDialog, ShowsThePagesWordsAndClosingReleasesOnlyItsOwnPage) {
    const std::tuple<int, bool, How, int16_t> cases[] = {
        {0, false, Escape, -1}, {0, false, Ok, -1},  {0, false, Close, -1}, {5, false, Ok, -1},
        {5, false, Ok, 23},     {10, false, Ok, -1}, {15, true, Ok, -1},    {15, false, Ok, -1},
        {7, false, Ok, -1},     {25, false, Ok, -1}};
    guidance::DialogState dialogs;
    for (const auto& [page, lowSine, how, later] : cases) {
        SCOPED_TRACE(page);
        const auto words = guidance::HelpPageFor(page, lowSine)
                               .value_or(guidance::HelpPage{"Hinweis", "", "", "OK"});
        dialogs = {static_cast<int16_t>(page), page == 0};
        QPointer<frmHelp> help = new frmHelp(dialogs, nullptr, lowSine);
        help->show();
        const QString text = help->windowTitle() + '|' + help->lblBigText->text() + '|' +
                             help->lblNormText->text() + '|' + help->cmdOK->text();
        if (page == 0) { // the start-up information
            EXPECT_EQ(text.left(20), "Information|Terzlab|");
            EXPECT_GT(text.size(), 40);
        } else {
            EXPECT_EQ(text, QString::fromStdString(words.caption + '|' + words.bigText + '|') +
                                shown(words.normText) + '|' + words.button.c_str());
        }
        if (later > 0) dialogs.DialogPage = later;
        if (how == Ok) help->cmdOK->click();
        if (how == Escape) QTest::keyClick(help, Qt::Key_Escape);
        if (how == Close) help->close();
        EXPECT_EQ(std::pair(dialogs.AboutOpen, dialogs.DialogPage), std::pair(false, later));
        delete help.data();
    }
}

// The window opening its real dialogs.
class GuidedRunTest : public GuiTest {
  protected:
    void SetUp() override {
        realDialogs = true;
        ASSERT_TRUE(load());
        choose(window->cmbAvgCnt, 0);
        platform::setChecked(window->chkAvgType, true);
    }

    // Calls `act` once on every dialog of the window as soon as it shows, also inside the wait
    // of another dialog.
    void onEachDialog(std::function<void(QDialog*)> act) {
        auto* poll = new QTimer(window.get());
        QObject::connect(poll, &QTimer::timeout, [this, act] {
            for (QPointer<QDialog> dialog : window->findChildren<QDialog*>())
                if (dialog && dialog->isVisible() && !dialog->property("seen").toBool()) {
                    dialog->setProperty("seen", true);
                    act(dialog);
                }
        });
        poll->start(0);
    }
    // The run goes on when its dialogs close, from the event loop.
    void startAndWait() {
        window->cmdStart->click();
        platform::waitUntil([this] { return !window->isRunning(); });
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
    startAndWait();
    EXPECT_EQ(window->cmdStart->text(), "&Starte Messung");
    std::vector<int> open;
    for (QDialog* dialog : window->findChildren<QDialog*>())
        if (dialog->isVisible()) open.push_back(pageOf(dialog));
    EXPECT_EQ(open, std::vector<int>{5});
}

// The test-CD run waits for the instructions and then for the manual start of the CD signal,
// capturing nothing meanwhile, and the idle start button behind them starts no second run.
TEST_F(GuidedRunTest, TestCdRunCapturesNothingAndStartsNoSecondRunWhileTheDialogsWait) {
    choose(window->cmbWavOutDev, window->run().TestCdIndex);
    std::string seen; // each dialog's page and the blocks captured when it showed
    int clicks = 0;
    app::frmMain* main = window.get();
    onEachDialog([&](QDialog* dialog) {
        seen += std::to_string(pageOf(dialog)) + " at " + std::to_string(blocks()) + "; ";
        // Through the window system, as a user's click comes; only for the first two dialogs,
        // so that a broken guard cannot start runs without end.
        if (++clicks <= 2) {
            EXPECT_EQ(main->cmdStart->text(), "&Starte Messung");
            const QPoint at = main->cmdStart->mapTo(main, main->cmdStart->rect().center());
            QTest::mouseClick(main->windowHandle(), Qt::LeftButton, {}, at);
        }
        const QPointer<QDialog> guard(dialog);
        if (guard) guard->close(); // a run started by the click may have closed it
    });
    startAndWait();
    EXPECT_EQ(std::tuple(seen, blocks(), bench().playLog().size(), dialogs.DialogPage),
              std::tuple("20 at 0; 10 at 0; ", 2, 0u, -1));
}

// The window asked to close while the run waits for its instructions does not wait for them.
TEST_F(GuidedRunTest, ClosingTheWindowWhileTheInstructionsWaitEndsTheRunAtOnce) {
    window->show();
    choose(window->cmbMeasType, IndexOf(MeasType::ImpedanceTwoChannel));
    onEachDialog([this](QDialog*) { window->close(); });
    startAndWait();
    EXPECT_EQ(std::pair(blocks(), window->isVisible()), std::pair(0, false));
}

// Impedance runs always show their instructions, level runs only with the short help; both
// parts of the one-channel impedance run ask, part 2 for the changed wiring.
TEST_F(GuidedRunTest, InstructionsComeBeforeTheRunsThatNeedThem) {
    std::string seen; // each dialog's page and the part of the run it came in
    onEachDialog([&](QDialog* dialog) {
        seen += std::to_string(pageOf(dialog)) + '/' +
                std::to_string(window->measurement().Part()) + ' ';
        if (auto* meas = dynamic_cast<frmMeas*>(dialog)) {
            meas->txtValue->setText("4,7");
            meas->cmdOK->click();
        } else {
            dialog->close();
        }
    });
    const std::tuple<bool, int, const char*> runs[] = {
        {false, 0, ""}, {true, 0, "20/0 "}, {false, 4, "24/0 "}, {false, 3, "23/1 23/2 "}};
    for (const auto& [help, type, expected] : runs) {
        window->mnuHelpShow->setChecked(help);
        choose(window->cmbMeasType, type);
        seen.clear();
        startAndWait();
        EXPECT_EQ(seen, expected) << type;
        EXPECT_EQ(window->cmdStart->text(), "&Starte Messung");
    }
    EXPECT_FLOAT_EQ(window->settings().SeriesResistor, 4.7f);
}

} // namespace

} // namespace terzlab::test
