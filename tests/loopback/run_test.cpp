// The main window's own run through the private sound server: its start command with the
// PortAudio card, settling block, four measurements and stop, read off the band values the
// graph shows.
#include "app/frm_main.h"
#include "loopback.h"
#include "platform/key_state.h"
#include "platform/message_service.h"
#include "platform/services.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include <chrono>
#include <thread>

namespace terzlab::test {

namespace {

using Clock = std::chrono::steady_clock;

// Sleeps for real, as the program does; the first block's wait lies between the first two
// pauses of a run.
struct TimedSleeper final : platform::Sleeper {
    size_t pauses = 0; // of this run
    Clock::time_point lastEnd;
    double firstBlockSeconds = 0;
    std::function<void(size_t pause)> onPause = [](size_t) {};
    void sleepMs(int milliseconds) override {
        onPause(pauses);
        if (pauses++ == 1)
            firstBlockSeconds = std::chrono::duration<double>(Clock::now() - lastEnd).count();
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        lastEnd = Clock::now();
    }
};

class MainWindowLoopbackTest : public LoopbackTest {
  protected:
    void SetUp() override {
        LoopbackTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        app::MainServices services;
        services.card = card.get();
        services.messages = &boxes;
        services.keys = &keys;
        services.sleeper = &sleeper;
        services.dialogs = &dialogs;
        services.places = PortableLocations(folder);
        services.openInstructions = services.openHelp = [this] { dialogs.DialogPage = -1; };
        window = std::make_unique<app::frmMain>(services, app::Settings{});
        ASSERT_TRUE(window->Form_Load());
        const int input = window->cmbWavInDev->findText(QStringLiteral("pulse"));
        ASSERT_GE(input, 0) << "PortAudio lists no input that leads to the server";
        platform::selectListIndex(window->cmbWavInDev, input);
        // The start-up notes on this machine's devices (several outputs, for example) are the
        // program's own business; only what the runs bring up counts here.
        boxes.clear();
    }

    // Four measurements, then stop, in the frequency view at 1/12 octave; the messages it
    // brought up.
    std::vector<std::string> run(int type = meas::kLevelOneChannel) {
        platform::selectListIndex(window->cmbMeasType, type);
        platform::selectListIndex(window->cmbDisplay, 1);
        platform::selectListIndex(window->cmbFreqRes, 2);
        platform::selectListIndex(window->cmbAvgCnt, 2);
        platform::setChecked(window->chkAvgType, true);
        sleeper.pauses = 0;
        window->cmdStart->click();
        std::vector<std::string> messages;
        for (const auto& box : boxes.boxes())
            messages.push_back(box.text.toStdString());
        boxes.clear();
        EXPECT_EQ(window->cmdStart->text(), QStringLiteral("&Starte Messung"));
        EXPECT_FALSE(card->capture->isOpen());
        EXPECT_FALSE(window->isRunning());
        firstBlockSeconds = sleeper.firstBlockSeconds;
        return messages;
    }

    void expectBandsOf(const char* what, int type, double target, double limit) {
        expectBands(
            what,
            [&] {
                EXPECT_EQ(run(type), std::vector<std::string>{}) << what;
                return window->bands().BandValue;
            },
            target, limit);
        EXPECT_LT(firstBlockSeconds, window->blockTimeoutSeconds());
    }

    platform::ScriptedMessageService boxes;
    platform::EscKeyTracker keys; // never pressed offscreen
    TimedSleeper sleeper;
    app::DialogState dialogs;
    std::unique_ptr<app::frmMain> window;
};

TEST_F(MainWindowLoopbackTest, LevelAndTransferOfThePseudoNoiseReadZeroDb) {
    expectBandsOf("type0", meas::kLevelOneChannel, 0.0, 0.5);
    // The display adds the level offset to the transfer as to a level: the transfer is the
    // value without it.
    const double offset = window->settings().LevelCorr[5] + window->settings().CalibValue[0];
    expectBandsOf("type1", meas::kLevelTwoChannel, offset, 0.05);
}

// The sound server ends between two blocks, as when a USB card is pulled: the run ends with its
// message, a start without a server says the device cannot start, and once a server is back
// the same window measures again.
TEST_F(MainWindowLoopbackTest, ServerEndingMidRunEndsTheRunAndTheWindowRecovers) {
    Clock::time_point stoppedAt{};
    sleeper.onPause = [this, &stoppedAt](size_t pause) {
        if (pause != 2) return; // after the settling block and one measurement
        server->stop();
        stoppedAt = Clock::now(); // the server's process is gone
    };
    EXPECT_EQ(run(), std::vector<std::string>{"Das Aufnahmeger\u00e4t liefert keine Daten. "
                                              "Die Messung wurde abgebrochen!"});
    const double seconds = std::chrono::duration<double>(Clock::now() - stoppedAt).count();
    std::printf("server ended between blocks: the run ended %.2f s after its process\n", seconds);
    RecordProperty("run_ended_after_s", std::to_string(seconds));
    sleeper.onPause = [](size_t) {};
    EXPECT_EQ(run(),
              std::vector<std::string>{"Das Aufnahmeger\u00e4t konnte nicht gestartet werden!"});
    ASSERT_EQ(server->start(), "");
    expectBandsOf("type0 after the restart", meas::kLevelOneChannel, 0.0, 0.5);
}

} // namespace

} // namespace terzlab::test

// One QApplication for the cases, offscreen, with a runtime folder of its own until the private
// server sets one (else Qt makes /tmp/runtime-USER, which stays behind, already when CTest lists
// the cases).
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const terzlab::test::TempFolder runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().c_str());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
