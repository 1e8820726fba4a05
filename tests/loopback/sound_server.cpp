#include "sound_server.h"

#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace terzlab::test {

namespace {

// Ends the server when the test process is gone, however it ended (even SIGKILL from a
// timeout): the read returns when the last write end of the pipe closes. Each line of the list
// is a process and its name; a process is only stopped while its name still matches, so a
// number taken over by another program is left alone. The watchdog leaves the test's process
// group so that a group kill does not take it along.
constexpr const char* kWatchdogScript =
    "read -r _ignored;"
    "stop() { while read -r pid name; do"
    "  grep -qx \"$name\" \"/proc/$pid/comm\" 2>/dev/null && kill \"$1\" \"$pid\";"
    "done < \"$2/pids\"; };"
    "if [ -f \"$1/pids\" ]; then stop -TERM \"$1\"; sleep 1; stop -KILL \"$1\"; fi;"
    "rm -rf \"$1\"";

using Clock = std::chrono::steady_clock;

std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

bool answers(const std::string&) {
    return std::system("timeout 5 pactl info >/dev/null 2>&1") == 0;
}

// Waits until the process has ended, at most `seconds`; true if it has.
bool reaped(pid_t pid, double seconds) {
    const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
    while (::waitpid(pid, nullptr, WNOHANG) == 0) {
        if (Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

} // namespace

bool SoundServer::onPath(const char* program) {
    return std::system((std::string("command -v ") + program + " >/dev/null 2>&1").c_str()) == 0;
}

bool SoundServer::waitFor(bool (*ready)(const std::string& folder), const std::string& folder) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (ready(folder)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

std::string SoundServer::run(const std::string& command) const {
    const std::string log = folder_ + "/command.log";
    if (std::system((command + " >" + quoted(log) + " 2>&1").c_str()) == 0) return "";
    std::ifstream in(log);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return "'" + command + "' failed: " + (text.empty() ? std::string("no output") : text);
}

pid_t SoundServer::spawn(const std::vector<std::string>& argv, const std::string& log) {
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    const std::string logPath = folder_ + "/" + log;
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_adddup2(&files, 1, 2);
    pid_t pid = -1;
    if (posix_spawnp(&pid, args[0], &files, nullptr, args.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&files);
    if (pid > 0) remember(pid, argv[0]);
    return pid;
}

void SoundServer::remember(pid_t pid, const std::string& program) {
    pids_.push_back(pid);
    // The kernel's name of the process: its program's file name, cut to 15 characters.
    const std::string name = std::filesystem::path(program).filename().string().substr(0, 15);
    std::ofstream(folder_ + "/pids", std::ios::app) << pid << ' ' << name << '\n';
}

void SoundServer::startWatchdog() {
    std::array<int, 2> fds{};
    if (::pipe2(fds.data(), O_CLOEXEC) != 0) return;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setsid();
        ::dup2(fds[0], 0);
        ::execl("/bin/sh", "sh", "-c", kWatchdogScript, "watchdog", folder_.c_str(), nullptr);
        ::_exit(127);
    }
    ::close(fds[0]);
    if (pid < 0) {
        ::close(fds[1]);
        return;
    }
    watchdogPipe_ = fds[1];
    watchdogPid_ = pid;
}

// A private folder and every variable the server and its clients (pactl, the ALSA pulse
// plugin) read, so that neither a user's server nor root's real home is touched. As root the
// servers only warn.
std::string SoundServer::prepareFolder() {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/terzlab-sound-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) return "no temporary folder";
    folder_ = pattern;
    ::chmod(folder_.c_str(), 0700);
    const std::string home = folder_ + "/home";
    for (const std::string& sub : {home, home + "/.config", folder_ + "/pulse"})
        ::mkdir(sub.c_str(), 0700);
    startWatchdog();
    ::setenv("XDG_RUNTIME_DIR", folder_.c_str(), 1);
    ::setenv("PIPEWIRE_RUNTIME_DIR", folder_.c_str(), 1);
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
    ::setenv("XDG_STATE_HOME", (folder_ + "/state").c_str(), 1);
    ::setenv("PULSE_RUNTIME_PATH", (folder_ + "/pulse").c_str(), 1);
    ::setenv("PULSE_STATE_PATH", (folder_ + "/state").c_str(), 1);
    ::setenv("PULSE_SERVER", ("unix:" + folder_ + "/pulse/native").c_str(), 1);
    ::unsetenv("PULSE_COOKIE");
    ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
    return "";
}

std::string SoundServer::start() {
    if (std::string missing = missingPrograms(); !missing.empty()) return missing;
    if (!onPath("pactl") || !onPath("parec"))
        return "pactl or parec is not installed (package pulseaudio-utils)";
    stop();
    if (std::string failed = prepareFolder(); !failed.empty()) return failed;
    if (std::string failed = launch(); !failed.empty()) return failed;
    if (!waitFor(answers, folder_)) return "the server started but pactl info never answered";
    const std::string source = loopSource();
    const std::vector<std::string> setup{
        "pactl set-default-sink loop",     "pactl set-default-source " + source,
        "pactl set-sink-volume loop 100%", "pactl set-source-volume " + source + " 100%",
        "pactl set-sink-mute loop 0",      "pactl set-source-mute " + source + " 0"};
    // A session manager may still be taking the sink into its graph: the first settings are
    // tried again for a while.
    std::string failed;
    for (int attempt = 0; attempt < 50; ++attempt) {
        failed.clear();
        for (const std::string& command : setup)
            if (failed.empty()) failed = run("timeout 5 " + command);
        if (failed.empty()) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (!failed.empty()) return failed;
    if (spawn({"parec", "--raw", "--latency-msec=10", "-d", source}, "reader.log") < 0)
        return "the monitor reader parec did not start";
    return "";
}

void SoundServer::stop() {
    for (auto pid = pids_.rbegin(); pid != pids_.rend(); ++pid) {
        ::kill(*pid, SIGTERM);
        if (!reaped(*pid, 5.0)) {
            ::kill(*pid, SIGKILL);
            ::waitpid(*pid, nullptr, 0);
        }
    }
    pids_.clear();
    if (!folder_.empty()) std::remove((folder_ + "/pids").c_str());
    if (watchdogPipe_ >= 0) ::close(watchdogPipe_);
    if (watchdogPid_ > 0) ::waitpid(watchdogPid_, nullptr, 0);
    watchdogPipe_ = -1;
    watchdogPid_ = -1;
    folder_.clear();
}

std::unique_ptr<SoundServer> makeSoundServer() {
    const char* wanted = std::getenv("TERZLAB_LOOPBACK_SERVER");
    if (wanted != nullptr && std::string(wanted) == "pipewire")
        return std::make_unique<PipeWireServer>();
    return std::make_unique<PulseServer>();
}

} // namespace terzlab::test
