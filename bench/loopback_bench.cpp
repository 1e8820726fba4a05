// The main window's stop-mode run through a private sound server, the real PortAudio path:
// type 0, 16384 points at 44.1 kHz, settling block and one measured block, the real pseudo.wav.
// `ratio` is the run's wall time over the 0.743 s of audio it analyses; the pauses between
// blocks and the stop sound belong to the run.
#include "app/frm_main.h"
#include "audio/sound_card.h"
#include "platform/key_state.h"
#include "platform/message_service.h"
#include "platform/services.h"
#include "sound_server.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;
using terzlab::test::SoundServer;

constexpr double kAudioSeconds = 2 * 16384 / 44100.0;

// Made once and never destroyed: at exit Qt's own statics may already be gone.
void ensureApplication() {
    static int argc = 1;
    static char name[] = "terzlab_bench";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() != nullptr) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);
}

// A program folder with the build's stimuli, gone with the object.
struct ProgramFolder {
    fs::path path;
    ProgramFolder() {
        std::string pattern = (fs::temp_directory_path() / "terzlab-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
        path = pattern;
        for (const char* name : {"pseudo.wav", "Stop.wav"})
            fs::copy_file(fs::path(TERZLAB_BIN_DIR) / name, path / name);
    }
    ~ProgramFolder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
};

void BM_LoopbackStopRun(benchmark::State& state) {
    const std::unique_ptr<SoundServer> server = terzlab::test::makeSoundServer();
    if (const std::string why = server->start(); !why.empty()) {
        state.SkipWithError(
            ("no private " + std::string(server->name()) + " server: " + why).c_str());
        return;
    }
    ensureApplication();
    const ProgramFolder folder;
    auto card = terzlab::audio::openPortAudioCard();
    card->player->setProgramFolder(folder.path.string());
    terzlab::platform::ScriptedMessageService boxes;
    terzlab::platform::EscKeyTracker keys;
    terzlab::platform::TimerScheduler scheduler;
    terzlab::app::DialogState dialogs;
    terzlab::app::MainServices services;
    services.card = card.get();
    services.messages = &boxes;
    services.keys = &keys;
    services.scheduler = &scheduler;
    services.dialogs = &dialogs;
    services.places = terzlab::PortableLocations(folder.path.string());
    // The instructions a start shows are taken as read at once.
    services.openInstructions = [&dialogs] { dialogs.DialogPage = -1; };
    terzlab::app::frmMain window(services, terzlab::app::Settings{});
    const int input =
        window.Form_Load() ? window.cmbWavInDev->findText(QStringLiteral("pulse")) : -1;
    boxes.clear(); // the start-up notes on this machine's devices are no run's business
    if (input < 0) {
        state.SkipWithError("PortAudio lists no input \"pulse\" that leads to the server");
        return;
    }
    terzlab::platform::selectListIndex(window.cmbWavInDev, input);
    terzlab::platform::selectListIndex(window.cmbMeasType, 0);
    terzlab::platform::selectListIndex(window.cmbAvgCnt, 0); // one block after settling
    terzlab::platform::setChecked(window.chkAvgType, true);
    double wall = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        window.cmdStart->click();
        terzlab::platform::waitUntil([&window] { return !window.isRunning(); });
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    if (!boxes.boxes().empty())
        state.SkipWithError(
            ("a run ended with: " + boxes.boxes().front().text.toStdString()).c_str());
    state.counters["ratio"] =
        wall / kAudioSeconds / static_cast<double>(std::max<int64_t>(state.iterations(), 1));
}

BENCHMARK(BM_LoopbackStopRun)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

} // namespace
