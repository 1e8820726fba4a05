#include "pulse_server.h"

#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace terzlab::test {

namespace {

// Ends the server when the test process is gone, however it ended (even SIGKILL from a
// timeout): the read returns when the last write end of the pipe closes. It leaves the test's
// process group so that a group kill does not take it along.
constexpr const char* kWatchdogScript =
    "read -r _ignored;"
    "pid=$(cat \"$1/pulse/pid\" 2>/dev/null);"
    "if [ -n \"$pid\" ] && grep -q pulseaudio \"/proc/$pid/comm\" 2>/dev/null; then"
    "  kill \"$pid\"; sleep 1; kill -9 \"$pid\" 2>/dev/null;"
    "fi;"
    "rm -rf \"$1\"";

const char* kServerCommand =
    "timeout 30 pulseaudio --daemonize=yes --exit-idle-time=-1 --system=false -n "
    "--load=module-native-protocol-unix "
    "--load=\"module-null-sink sink_name=loop rate=44100 channels=2 format=s16le\"";

std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

bool onPath(const char* program) {
    return std::system((std::string("command -v ") + program + " >/dev/null 2>&1").c_str()) == 0;
}

int serverPid(const std::string& folder) {
    std::ifstream in(folder + "/pulse/pid");
    int pid = -1;
    in >> pid;
    return in ? pid : -1;
}

bool alive(int pid) {
    return pid > 0 && ::kill(pid, 0) == 0;
}

} // namespace

std::string PulseServer::run(const std::string& command) const {
    const std::string log = folder_ + "/command.log";
    if (std::system((command + " >" + quoted(log) + " 2>&1").c_str()) == 0) return "";
    std::ifstream in(log);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return "'" + command + "' failed: " + (text.empty() ? std::string("no output") : text);
}

bool PulseServer::answers() const {
    return std::system("timeout 5 pactl info >/dev/null 2>&1") == 0;
}

void PulseServer::startWatchdog() {
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

std::string PulseServer::start() {
    if (!onPath("pulseaudio") || !onPath("pactl"))
        return "pulseaudio or pactl is not installed (packages pulseaudio, pulseaudio-utils)";
    std::string pattern = std::filesystem::temp_directory_path().string() + "/terzlab-pulse-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) return "no temporary folder";
    folder_ = pattern;
    ::chmod(folder_.c_str(), 0700);
    const std::string home = folder_ + "/home";
    ::mkdir(home.c_str(), 0700);
    startWatchdog();
    // Every variable the server and its clients (pactl, the ALSA pulse plugin) read, so that
    // neither a user's server nor root's real home is touched. As root the server only warns.
    ::setenv("XDG_RUNTIME_DIR", folder_.c_str(), 1);
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
    ::setenv("PULSE_RUNTIME_PATH", (folder_ + "/pulse").c_str(), 1);
    ::setenv("PULSE_STATE_PATH", (folder_ + "/state").c_str(), 1);
    ::setenv("PULSE_SERVER", ("unix:" + folder_ + "/pulse/native").c_str(), 1);
    ::unsetenv("PULSE_COOKIE");
    if (std::string failed = run(kServerCommand); !failed.empty()) return failed;
    running_ = true;
    bool up = false;
    for (int attempt = 0; attempt < 100 && !(up = answers()); ++attempt)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (!up) return "the server started but pactl info never answered";
    for (const char* command :
         {"pactl set-default-sink loop", "pactl set-default-source loop.monitor",
          "pactl set-sink-volume loop 100%", "pactl set-source-volume loop.monitor 100%",
          "pactl set-sink-mute loop 0", "pactl set-source-mute loop.monitor 0"})
        if (std::string failed = run(std::string("timeout 5 ") + command); !failed.empty())
            return failed;
    return "";
}

void PulseServer::stop() {
    if (folder_.empty()) return;
    const int pid = serverPid(folder_);
    if (running_) std::system("timeout 10 pactl exit >/dev/null 2>&1");
    running_ = false;
    for (int wait = 0; wait < 50 && alive(pid); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (alive(pid)) ::kill(pid, SIGKILL);
    if (watchdogPipe_ >= 0) ::close(watchdogPipe_);
    if (watchdogPid_ > 0) ::waitpid(watchdogPid_, nullptr, 0);
    watchdogPipe_ = -1;
    watchdogPid_ = -1;
    folder_.clear();
}

} // namespace terzlab::test
