// Through a private sound server, the real PortAudio path, with the real pseudo.wav looped:
// BM_LoopbackStopRun, the main window's stop-mode run (type 0, 16384 points at 44.1 kHz,
// settling block and one measured block), whose `ratio` is its wall time over the 0.743 s of
// audio it analyses (the pauses between blocks and the stop sound belong to the run); and
// BM_LiveLoopback, the live analysis for TERZLAB_LIVE_SECONDS (60 unless set).
#include "analysis/display_range.h"
#include "app/frm_main.h"
#include "app/live_controller.h"
#include "audio/sound_card.h"
#include "live/live_reader.h"
#include "platform/key_state.h"
#include "platform/message_service.h"
#include "platform/services.h"
#include "sound_server.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <sys/resource.h>
#include <utility>

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

// The private server, a program folder with the stimuli, the PortAudio card and the main window
// on the server's input, ready for a run.
struct LoopbackRig {
    std::unique_ptr<SoundServer> server = terzlab::test::makeSoundServer();
    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<terzlab::audio::SoundCard> card;
    terzlab::platform::ScriptedMessageService boxes;
    std::unique_ptr<terzlab::platform::EscKeyTracker> keys;
    terzlab::platform::TimerScheduler scheduler;
    terzlab::app::DialogState dialogs;
    std::unique_ptr<terzlab::app::frmMain> window;
    int input = -1; // the card's input that leads to the server

    // "" when ready, else why not.
    std::string start() {
        if (const std::string why = server->start(); !why.empty())
            return "no private " + std::string(server->name()) + " server: " + why;
        ensureApplication();
        folder = std::make_unique<ProgramFolder>();
        card = terzlab::audio::openPortAudioCard();
        card->player->setProgramFolder(folder->path.string());
        keys = std::make_unique<terzlab::platform::EscKeyTracker>();
        terzlab::app::MainServices services;
        services.card = card.get();
        services.messages = &boxes;
        services.keys = keys.get();
        services.scheduler = &scheduler;
        services.dialogs = &dialogs;
        services.places = terzlab::PortableLocations(folder->path.string());
        // The instructions a start shows are taken as read at once.
        services.openInstructions = [this] { dialogs.DialogPage = -1; };
        window = std::make_unique<terzlab::app::frmMain>(services, terzlab::app::Settings{});
        const int entry =
            window->Form_Load() ? window->cmbWavInDev->findText(QStringLiteral("pulse")) : -1;
        boxes.clear(); // the start-up notes on this machine's devices are no run's business
        if (entry < 0) return "PortAudio lists no input \"pulse\" that leads to the server";
        terzlab::platform::selectListIndex(window->cmbWavInDev, entry);
        terzlab::platform::selectListIndex(window->cmbMeasType, 0);
        while (std::string_view(card->devices->inputCaps(++input).name.data()) != "pulse") {
        }
        return {};
    }
    ~LoopbackRig() {
        window.reset(); // before the card it uses
        card.reset();
    }
};

void BM_LoopbackStopRun(benchmark::State& state) {
    LoopbackRig rig;
    if (const std::string why = rig.start(); !why.empty()) return state.SkipWithError(why.c_str());
    terzlab::app::frmMain& window = *rig.window;
    terzlab::platform::selectListIndex(window.cmbAvgCnt, 0); // one block after settling
    terzlab::platform::setChecked(window.chkAvgType, true);
    double wall = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        window.cmdStart->click();
        terzlab::platform::waitUntil([&window] { return !window.isRunning(); });
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    if (!rig.boxes.boxes().empty())
        state.SkipWithError(
            ("a run ended with: " + rig.boxes.boxes().front().text.toStdString()).c_str());
    state.counters["ratio"] =
        wall / kAudioSeconds / static_cast<double>(std::max<int64_t>(state.iterations(), 1));
}

BENCHMARK(BM_LoopbackStopRun)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

double processCpuSeconds() {
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(use.ru_utime) + seconds(use.ru_stime);
}

double liveSeconds() {
    const char* set = std::getenv("TERZLAB_LIVE_SECONDS");
    return set != nullptr ? std::atof(set) : 60.0;
}

// Updates counted at half time and at the end: the rate is the second half's, after the stream
// and the first block have settled.
struct LiveCounts {
    int64_t atHalf = 0;
    int64_t atEnd = 0;
    uint64_t lost = 0;
};

using BenchClock = std::chrono::steady_clock;

BenchClock::time_point after(double seconds) {
    return BenchClock::now() +
           std::chrono::duration_cast<BenchClock::duration>(std::chrono::duration<double>(seconds));
}

// The analysis alone, as the window's ticks drive it, with the display values at 1/12 octave
// formed after every update but nothing drawn.
LiveCounts liveAnalysisOnly(LoopbackRig& rig, int32_t blockSize, double seconds) {
    using namespace terzlab;
    audio::CaptureStream& stream = *rig.card->stream;
    stream.open(rig.input, audio::WaveFormat{});
    live::LiveAnalyzer analyzer;
    analyzer.Configure({.Type = MeasType::LevelOneChannel,
                        .SampleRate = 44100,
                        .BlockSize = blockSize,
                        .Average = {.Mode = live::Averaging::Slow}});
    rig.card->player->playLooped("pseudo.wav");
    stream.start();
    live::LiveReader reader;
    reader.Attach(stream, analyzer);
    DisplayInputs in{.MeasValid = true, .FreqResIndex = kTwelfthOctave};
    std::vector<double> values(analyzer.Averaged().BandValue.size()), work(values.size());
    const auto half = after(seconds / 2), end = after(seconds);
    LiveCounts counts;
    for (auto now = BenchClock::now(); now < end; now = BenchClock::now()) {
        if (now < half) counts.atHalf = analyzer.Updates();
        const int64_t before = analyzer.Updates();
        if (reader.Pump(44100).frames == 0) stream.waitFor(analyzer.Hop(), 0.05);
        if (analyzer.Updates() != before) FormDisplayValues(analyzer.Averaged(), in, values, work);
    }
    rig.card->player->stop();
    stream.stop();
    stream.close();
    counts.atEnd = analyzer.Updates();
    counts.lost = analyzer.LostFrames();
    return counts;
}

// The window's live analysis at the type's block size, drawing every update.
LiveCounts liveInTheWindow(LoopbackRig& rig, double seconds) {
    terzlab::app::frmMain& window = *rig.window;
    QAction* command = window.findChild<QAction*>("mnuLiveRun");
    command->trigger();
    LiveCounts counts;
    for (const double part : {seconds / 2, seconds / 2}) {
        const auto end = after(part);
        terzlab::platform::waitUntil([end] { return BenchClock::now() >= end; });
        counts.atHalf = std::exchange(counts.atEnd, window.live().updates());
    }
    counts.lost = window.live().lostFrames();
    command->trigger();
    return counts;
}

// Args: block size, and 1 for the window (which draws), 0 for the analysis alone. cpu_percent
// is the process's CPU time (every thread, the audio callbacks included) over the wall time, in
// percent of one core.
void BM_LiveLoopback(benchmark::State& state) {
    LoopbackRig rig;
    if (const std::string why = rig.start(); !why.empty()) return state.SkipWithError(why.c_str());
    const auto blockSize = static_cast<int32_t>(state.range(0));
    const bool window = state.range(1) != 0;
    const double seconds = liveSeconds();
    LiveCounts counts;
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        const double cpuBefore = processCpuSeconds();
        const auto start = BenchClock::now();
        counts = window ? liveInTheWindow(rig, seconds) : liveAnalysisOnly(rig, blockSize, seconds);
        wall = std::chrono::duration<double>(BenchClock::now() - start).count();
        cpu = processCpuSeconds() - cpuBefore;
    }
    state.counters["updates_per_s"] =
        static_cast<double>(counts.atEnd - counts.atHalf) / (seconds / 2);
    state.counters["lost_frames"] = static_cast<double>(counts.lost);
    state.counters["cpu_percent"] = 100 * cpu / wall;
}

BENCHMARK(BM_LiveLoopback)
    ->Args({65536, 0})
    ->Args({16384, 0})
    ->Args({16384, 1})
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(1);

} // namespace
