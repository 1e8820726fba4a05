// The main window's own run through the private sound server: its start command with the
// PortAudio card, settling block, four measurements and stop, read off the band values the
// graph shows.
#include "app/frm_main.h"
#include "loopback.h"
#include "platform/key_state.h"
#include "platform/message_service.h"
#include "platform/services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <thread>

namespace terzlab::test {

namespace {

using Clock = std::chrono::steady_clock;

struct NoKeys final : platform::KeyState {
    bool escPressed() override { return false; }
    bool escHeld() override { return false; }
    void forgetEsc() override {}
};

// Sleeps for real, as the program does, and notes when each pause ends: the first block's
// wait lies between the first two pauses of a run.
struct TimedSleeper final : platform::Sleeper {
    std::vector<Clock::time_point> starts, ends;
    std::function<void(size_t pause)> onPause = [](size_t) {};
    void sleepMs(int milliseconds) override {
        onPause(starts.size());
        starts.push_back(Clock::now());
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        ends.push_back(Clock::now());
    }
};

class MainWindowLoopbackTest : public LoopbackTest {
  protected:
    void SetUp() override {
        LoopbackTest::SetUp();
        if (IsSkipped()) return;
        folder = programFolder();
        card = audio::openPortAudioCard();
        card->player->setProgramFolder(folder);
        app::MainServices services;
        services.card = card.get();
        services.messages = &boxes;
        services.keys = &keys;
        services.sleeper = &sleeper;
        services.dialogs = &dialogs;
        services.places = PortableLocations(folder);
        services.openInstructions = [this] { dialogs.DialogPage = -1; };
        services.openHelp = [this] { dialogs.DialogPage = -1; };
        window = std::make_unique<app::frmMain>(services, app::Settings{});
        ASSERT_TRUE(window->Form_Load());
        ASSERT_TRUE(selectServerInput());
        // The start-up notes on this machine's devices (several outputs, for example) are the
        // program's own business; only what the runs bring up counts here.
        boxes.clear();
    }
    void TearDown() override {
        window.reset();
        card.reset();
    }

    bool selectServerInput() {
        for (const char* name : {"pulse", "default"}) {
            const int entry = window->cmbWavInDev->findText(QString::fromLatin1(name));
            if (entry >= 0) {
                platform::selectListIndex(window->cmbWavInDev, entry);
                return true;
            }
        }
        return false;
    }

    // Four measurements, then stop, in the frequency view at 1/12 octave.
    std::vector<double> run(int type = meas::kLevelOneChannel) {
        platform::selectListIndex(window->cmbMeasType, type);
        platform::selectListIndex(window->cmbDisplay, 1);
        platform::selectListIndex(window->cmbFreqRes, 2);
        platform::selectListIndex(window->cmbAvgCnt, 2);
        platform::setChecked(window->chkAvgType, true);
        sleeper.starts.clear();
        sleeper.ends.clear();
        window->cmdStart->click();
        messages.clear();
        for (const auto& box : boxes.boxes())
            messages.push_back(box.text.toStdString());
        boxes.clear();
        EXPECT_EQ(window->cmdStart->text(), QStringLiteral("&Starte Messung"));
        EXPECT_FALSE(card->capture->isOpen());
        if (sleeper.starts.size() >= 2)
            firstBlockSeconds =
                std::chrono::duration<double>(sleeper.starts[1] - sleeper.ends[0]).count();
        return window->bands().BandValue;
    }

    void report(const char* what, const Deviation& worst) {
        const int startedOver = card->capture->blocksStartedOver();
        std::printf("%s: worst band %d off by %+.3f dB; first block after %.2f s (bound %.2f s); "
                    "blocks started over so far: %d\n",
                    what, worst.band, worst.db, firstBlockSeconds, window->blockTimeoutSeconds(),
                    startedOver);
        RecordProperty(std::string(what) + "_worst_db", std::to_string(worst.db));
        RecordProperty(std::string(what) + "_started_over", std::to_string(startedOver));
        RecordProperty(std::string(what) + "_first_block_s", std::to_string(firstBlockSeconds));
    }

    // A dropout inside the server on a machine loaded far beyond its cores moves one block's
    // bands without any underflow our streams could see; a real error repeats, so a type that
    // misses `limit` is measured once more.
    Deviation measured(const char* what, int type, double target, double limit) {
        Deviation worst = worstBand(run(type), target);
        EXPECT_TRUE(messages.empty()) << what;
        report(what, worst);
        if (std::fabs(worst.db) <= limit) return worst;
        worst = worstBand(run(type), target);
        EXPECT_TRUE(messages.empty()) << what;
        report((std::string(what) + " again").c_str(), worst);
        return worst;
    }

    std::string folder;
    std::unique_ptr<audio::SoundCard> card;
    platform::ScriptedMessageService boxes;
    NoKeys keys;
    TimedSleeper sleeper;
    app::DialogState dialogs;
    std::unique_ptr<app::frmMain> window;
    double firstBlockSeconds = 0;
    std::vector<std::string> messages; // of the last run
};

TEST_F(MainWindowLoopbackTest, LevelAndTransferOfThePseudoNoiseReadZeroDb) {
    const Deviation level = measured("type0", meas::kLevelOneChannel, 0.0, 0.5);
    EXPECT_LE(std::fabs(level.db), 0.5) << "band " << level.band;
    EXPECT_LT(firstBlockSeconds, window->blockTimeoutSeconds());

    // The display adds the level offset to the transfer as to a level: the transfer is the
    // value without it.
    const double offset = window->settings().LevelCorr[5] + window->settings().CalibValue[0];
    const Deviation transfer = measured("type1", meas::kLevelTwoChannel, offset, 0.05);
    EXPECT_LE(std::fabs(transfer.db), 0.05) << "band " << transfer.band;
}

// The sound server ends between two blocks, as when a USB card is pulled: the run ends with its
// message, a start without a server says the device cannot start, and once a server is back
// the same window measures again.
TEST_F(MainWindowLoopbackTest, ServerEndingMidRunEndsTheRunAndTheWindowRecovers) {
    const std::vector<std::string> noData{
        "Das Aufnahmeger\u00e4t liefert keine Daten. Die Messung wurde abgebrochen!"};
    const std::vector<std::string> cannotStart{
        "Das Aufnahmeger\u00e4t konnte nicht gestartet werden!"};
    Clock::time_point stoppedAt{};
    sleeper.onPause = [this, &stoppedAt](size_t pause) {
        if (pause != 2) return; // after the settling block and one measurement
        server->stop();
        stoppedAt = Clock::now(); // the server's process is gone
    };
    run();
    const double seconds = std::chrono::duration<double>(Clock::now() - stoppedAt).count();
    std::printf("server ended between blocks: the run ended %.2f s after its process\n", seconds);
    RecordProperty("run_ended_after_s", std::to_string(seconds));
    EXPECT_EQ(messages, noData);
    EXPECT_FALSE(window->isRunning());
    sleeper.onPause = [](size_t) {};
    run();
    EXPECT_EQ(messages, cannotStart);
    ASSERT_EQ(server->start(), "");
    const Deviation level = measured("type0 after the restart", meas::kLevelOneChannel, 0.0, 0.5);
    EXPECT_LE(std::fabs(level.db), 0.5) << "band " << level.band;
}

} // namespace

} // namespace terzlab::test
