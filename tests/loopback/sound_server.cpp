#include "sound_server.h"

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>

extern char** environ;

namespace terzlab::test {

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kHere = TERZLAB_SOUND_SERVER_DIR; // with the watchdog and configurations

// Polls `ready` for up to `seconds`.
bool poll(const std::function<bool()>& ready, double seconds = 10.0) {
    const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
    while (!ready()) {
        if (Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// Starts `argv` with its input from `input` (or nothing) and its output in `log`; -1 when it
// could not start.
pid_t startProcess(const std::vector<std::string>& argv, int input, const std::string& log) {
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    if (input >= 0)
        posix_spawn_file_actions_adddup2(&files, input, 0);
    else
        posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&files, 1, 2);
    pid_t pid = -1;
    if (posix_spawnp(&pid, args[0], &files, nullptr, args.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&files);
    return pid;
}

bool succeeds(const std::string& command) {
    return std::system(command.c_str()) == 0;
}

} // namespace

bool SoundServer::spawn(const std::vector<std::string>& argv) {
    const pid_t pid = startProcess(argv, -1, file(argv[0] + ".log"));
    if (pid < 0) return false;
    pids_.push_back(pid);
    // The kernel's name of the process, as the watchdog compares it: cut to 15 characters.
    std::ofstream(file("pids"), std::ios::app) << pid << ' ' << argv[0].substr(0, 15) << '\n';
    return true;
}

// A private folder (mode 0700) and every variable the server and its clients (pactl, the ALSA
// pulse plugin) read, so that neither a user's server nor root's real home is touched. As root
// the servers only warn.
void SoundServer::prepareFolder() {
    folder_ = std::make_unique<TempFolder>();
    const std::string root = folder_->path().string(), home = file("home");
    for (const std::string& sub : {home, home + "/.config", file("pulse")})
        ::mkdir(sub.c_str(), 0700);
    if (*kind_.configTree)
        std::filesystem::copy(std::string(kHere) + "/" + kind_.configTree, home + "/.config",
                              std::filesystem::copy_options::recursive);
    // The watchdog leaves the test's process group, so that a group kill does not take it along.
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) == 0) {
        watchdogPid_ = startProcess({"setsid", "sh", std::string(kHere) + "/watchdog.sh", root},
                                    fds[0], "/dev/null");
        ::close(fds[0]);
        watchdogPipe_ = fds[1];
    }
    const std::pair<const char*, std::string> variables[] = {
        {"XDG_RUNTIME_DIR", root},
        {"PIPEWIRE_RUNTIME_DIR", root},
        {"HOME", home},
        {"XDG_CONFIG_HOME", home + "/.config"},
        {"XDG_STATE_HOME", file("state")},
        {"PULSE_RUNTIME_PATH", file("pulse")},
        {"PULSE_STATE_PATH", file("state")},
        {"PULSE_SERVER", "unix:" + file("pulse/native")}};
    for (const auto& [name, value] : variables)
        ::setenv(name, value.c_str(), 1);
    ::unsetenv("PULSE_COOKIE");
    ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
}

std::string SoundServer::launch() {
    for (const std::vector<std::string>& argv : kind_.processes)
        if (!spawn(argv) || !poll([&] {
                return !*kind_.graphSocket || std::filesystem::exists(file(kind_.graphSocket));
            }))
            return argv[0] + " did not start";
    if (!poll([] { return succeeds("timeout 5 pactl info >/dev/null 2>&1"); }))
        return "the server started but pactl info never answered";
    return "";
}

// A session manager may still be taking the sink into its graph: the settings are tried again
// for a while.
std::string SoundServer::configure() const {
    const std::string source = kind_.loopSource, log = file("command.log");
    const std::string setup = "pactl set-default-sink loop && pactl set-default-source " + source +
                              " && pactl set-sink-volume loop 100% && pactl set-source-volume " +
                              source + " 100% && pactl set-sink-mute loop 0 && pactl " +
                              "set-source-mute " + source + " 0";
    const std::string command = "timeout 10 sh -c '" + setup + "' >'" + log + "' 2>&1";
    if (poll([&] { return succeeds(command); })) return "";
    return "the settings of the sink failed: " + readFile(log);
}

namespace {

// Stereo 16-bit frames of a square wave at about -12 dBFS, long enough for a session manager to
// link the stream it arrives on.
void writeBurst(const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    for (int frame = 0; frame < 44100 / 5; ++frame) {
        const int16_t sample = (frame / 50) % 2 != 0 ? 8000 : -8000;
        for (int channel = 0; channel < 2; ++channel)
            out.write(reinterpret_cast<const char*>(&sample), sizeof sample);
    }
}

// Whether the recording from `offset` on holds more than near-silence.
bool recordedSound(const std::string& path, std::uintmax_t offset) {
    std::ifstream in(path, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset));
    for (int16_t sample = 0; in.read(reinterpret_cast<char*>(&sample), sizeof sample);)
        if (std::abs(sample) > 4000) return true;
    return false;
}

} // namespace

// A session manager links a new stream only once its policy runs; before that a player's stream
// stays unlinked and the capture reads silence. The server counts as up when a burst played to the
// default sink comes back on the recording side.
std::string SoundServer::awaitRouting() const {
    const std::string burst = file("burst.raw"), recording = file("parec.log");
    writeBurst(burst);
    const bool routed = poll(
        [&] {
            std::error_code error;
            const std::uintmax_t size = std::filesystem::file_size(recording, error);
            const std::uintmax_t offset = error ? 0 : size / 4 * 4;
            succeeds("timeout 5 pacat --raw --format=s16le --rate=44100 --channels=2 '" + burst +
                     "' >'" + file("command.log") + "' 2>&1");
            return poll([&] { return recordedSound(recording, offset); }, 1.0);
        },
        20.0);
    return routed ? "" : "a burst played to the default sink never reached the recording side";
}

std::string SoundServer::missingPrograms() const {
    std::vector<std::string> programs{"pactl", "parec", "pacat"};
    for (const std::vector<std::string>& argv : kind_.processes)
        programs.push_back(argv[0]);
    for (const std::string& program : programs)
        if (!succeeds("command -v " + program + " >/dev/null 2>&1"))
            return program + " is not installed (packages " + kind_.packages + ")";
    return "";
}

std::string SoundServer::start() {
    if (std::string missing = missingPrograms(); !missing.empty()) return missing;
    stop();
    prepareFolder();
    if (std::string failed = launch(); !failed.empty()) return failed;
    if (std::string failed = configure(); !failed.empty()) return failed;
    if (!spawn({"parec", "--raw", "--latency-msec=10", "-d", kind_.loopSource}))
        return "the monitor reader parec did not start";
    return awaitRouting();
}

void SoundServer::stop() {
    for (auto pid = pids_.rbegin(); pid != pids_.rend(); ++pid) {
        ::kill(*pid, SIGTERM);
        if (!poll([&] { return ::waitpid(*pid, nullptr, WNOHANG) != 0; }, 5.0)) {
            ::kill(*pid, SIGKILL);
            ::waitpid(*pid, nullptr, 0);
        }
    }
    pids_.clear();
    if (folder_) std::filesystem::remove(file("pids")); // nothing left for the watchdog to stop
    if (watchdogPipe_ >= 0) ::close(std::exchange(watchdogPipe_, -1));
    if (watchdogPid_ > 0) ::waitpid(std::exchange(watchdogPid_, -1), nullptr, 0);
    folder_.reset();
}

// PulseAudio is one process with a null sink, whose monitor records it. PipeWire runs as today's
// desktops run it, headless and without a session bus: the graph with a null sink of its own,
// WirePlumber as session manager and pipewire-pulse for the ALSA pulse plugin, in this order (a
// session manager started against a graph whose clients are already there left the sink
// unlinked).
std::unique_ptr<SoundServer> makeSoundServer() {
    const char* wanted = std::getenv("TERZLAB_LOOPBACK_SERVER");
    if (wanted != nullptr && std::string(wanted) == "pipewire")
        return std::make_unique<SoundServer>(
            ServerKind{"PipeWire",
                       "pipewire, wireplumber, pipewire-pulse, pulseaudio-utils",
                       {{"pipewire"}, {"wireplumber"}, {"pipewire-pulse"}},
                       "pipewire-0",
                       "pipewire-config",
                       "loop"});
    return std::make_unique<SoundServer>(
        ServerKind{"PulseAudio",
                   "pulseaudio, pulseaudio-utils",
                   {{"pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "--system=false", "-n",
                     "--load=module-native-protocol-unix",
                     "--load=module-null-sink sink_name=loop rate=44100 channels=2 format=s16le"}},
                   "",
                   "",
                   "loop.monitor"});
}

} // namespace terzlab::test
