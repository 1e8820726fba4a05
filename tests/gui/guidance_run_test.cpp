// The run's dialog steps with the real dialogs: instructions before the run, the manual start
// of the CD signal, and the overload hint after it.
#include "gui_fixture.h"
#include "guidance/frm_help.h"
#include "guidance/frm_meas.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <set>

namespace terzlab::test {

namespace {

using guidance::frmHelp;
using guidance::frmMeas;

// Runs `act` on the first visible dialog of type T once the run has opened it.
template <typename T> void whenOpen(QWidget* owner, std::function<void(T*)> act) {
    auto* poll = new QTimer(owner);
    poll->setInterval(0);
    QObject::connect(poll, &QTimer::timeout, owner, [owner, poll, act] {
        for (T* dialog : owner->findChildren<T*>()) {
            if (!dialog->isVisible()) continue;
            poll->stop();
            poll->deleteLater();
            act(dialog);
            return;
        }
    });
    poll->start();
}

class GuidedRunTest : public GuiTest {
  protected:
    // The fixture's window with the dialog seams left empty, so the window opens its own.
    void SetUp() override {
        makeWindow();
        window.reset();
        app::MainServices services;
        services.card = card.get();
        services.messages = &boxes;
        services.keys = &keys;
        services.sleeper = &sleeper;
        services.dialogs = &dialogs;
        services.places = PortableLocations(folderPath().toStdString());
        services.screenWidth = [this] { return screenWidth; };
        window = std::make_unique<app::frmMain>(services, app::Settings{});
        ASSERT_TRUE(window->Form_Load());
        platform::selectListIndex(window->cmbAvgCnt, 0);
        platform::setChecked(window->chkAvgType, true);
    }

    void confirmInstructions() {
        whenOpen<frmMeas>(window.get(), [this](frmMeas* meas) {
            instructionPages.push_back(meas->mode() + 20);
            meas->cmdOK->click();
        });
    }
};

TEST_F(GuidedRunTest, TestCdRunCapturesNothingUntilTheHelpIsConfirmed) {
    window->mnuHelpShow->setChecked(false);
    platform::selectListIndex(window->cmbWavOutDev, window->run().TestCdIndex);
    int blocksWhileOpen = -1;
    whenOpen<frmHelp>(window.get(), [&](frmHelp* help) {
        helpPages.push_back(help->page());
        blocksWhileOpen = blocks();
        help->cmdOK->click();
    });
    window->cmdStart->click();
    EXPECT_EQ(helpPages, std::vector<int>{10});
    EXPECT_EQ(blocksWhileOpen, 0);
    EXPECT_EQ(blocks(), 2);
    EXPECT_TRUE(bench().playLog().empty());
    EXPECT_EQ(dialogs.DialogPage, -1);
}

TEST_F(GuidedRunTest, OverloadedRunShowsTheHintWithoutWaitingForIt) {
    window->mnuHelpShow->setChecked(false);
    // A clipped block lights the label between the analysis and the ESC check.
    keys.onAsk = [this] {
        if (window->isRunning()) window->lblOVL[1]->show();
        return false;
    };
    window->cmdStart->click();
    EXPECT_EQ(window->cmdStart->text(), QStringLiteral("&Starte Messung"));
    int shown = 0;
    for (frmHelp* help : window->findChildren<frmHelp*>())
        shown += help->isVisible() && help->page() == 5;
    EXPECT_EQ(shown, 1);
}

TEST_F(GuidedRunTest, StartButtonCannotStartASecondRunWhileTheDialogsWait) {
    platform::selectListIndex(window->cmbWavOutDev, window->run().TestCdIndex);
    // Confirms every dialog the run opens, after trying the idle start button behind it. Each
    // look arms the next one first, so that a run started inside the wait is seen as well.
    struct Watch {
        std::set<QDialog*> seen; // QTest lets events run, so one dialog is met more than once
        bool done = false;
    };
    auto watch = std::make_shared<Watch>();
    app::frmMain* main = window.get();
    std::function<void()> look = [watch, main, &look] {
        if (watch->done) return;
        QTimer::singleShot(0, main, look);
        std::vector<QPointer<QDialog>> dialogs;
        for (QDialog* dialog : main->findChildren<QDialog*>())
            dialogs.emplace_back(dialog);
        for (const QPointer<QDialog>& dialog : dialogs) {
            if (!dialog || !dialog->isVisible()) continue;
            // Through the window system, as a user's click comes; once per dialog, and only
            // for the first two, so that a broken guard cannot start runs without end.
            if (watch->seen.insert(dialog.data()).second && watch->seen.size() <= 2) {
                EXPECT_EQ(main->cmdStart->text(), QStringLiteral("&Starte Messung"));
                const QPoint at = main->cmdStart->mapTo(main, main->cmdStart->rect().center());
                QTest::mouseClick(main->windowHandle(), Qt::LeftButton, {}, at);
            }
            if (dialog) dialog->close(); // a run started by the click may have closed it
        }
    };
    QTimer::singleShot(0, main, look);
    window->cmdStart->click();
    watch->done = true;
    EXPECT_EQ(watch->seen.size(), 2u); // the instructions, then the CD signal, and no more
    EXPECT_EQ(blocks(), 2);
}

TEST_F(GuidedRunTest, ImpedanceRunsAlwaysShowTheInstructionsLevelRunsOnlyWithShortHelp) {
    for (const auto& [help, type, page] :
         {std::tuple{false, 0, 0}, std::tuple{true, 0, 20}, std::tuple{false, 4, 24}}) {
        window->mnuHelpShow->setChecked(help);
        platform::selectListIndex(window->cmbMeasType, type);
        instructionPages.clear();
        if (page != 0) confirmInstructions();
        window->cmdStart->click();
        EXPECT_EQ(instructionPages, page != 0 ? std::vector<int>{page} : std::vector<int>{});
    }
    // Both parts of the one-channel impedance run ask again, part 2 for the changed wiring.
    instructionPages.clear();
    platform::selectListIndex(window->cmbMeasType, 3);
    std::vector<int> parts;
    std::function<void()> confirmPart = [&] {
        whenOpen<frmMeas>(window.get(), [&](frmMeas* meas) {
            instructionPages.push_back(meas->mode() + 20);
            parts.push_back(window->run().ImpedancePart);
            meas->txtValue->setText(QStringLiteral("4,7"));
            if (parts.size() == 1) confirmPart();
            meas->cmdOK->click();
        });
    };
    confirmPart();
    window->cmdStart->click();
    EXPECT_EQ(instructionPages, (std::vector<int>{23, 23}));
    EXPECT_EQ(parts, (std::vector<int>{1, 2}));
    EXPECT_FLOAT_EQ(window->settings().SeriesResistor, 4.7f);
    EXPECT_EQ(window->cmdStart->text(), QStringLiteral("&Starte Messung"));
}

} // namespace

} // namespace terzlab::test
