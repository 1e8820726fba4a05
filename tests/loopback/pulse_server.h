#pragma once
// A PulseAudio server of the test's own: a private runtime folder, a null sink "loop" whose
// monitor is the default source, both at 100 %. Whatever way the test process ends, the
// server ends with it: a watchdog process stops it when the test's end of a pipe closes.
#include <string>

namespace terzlab::test {

class PulseServer {
  public:
    PulseServer() = default;
    ~PulseServer() { stop(); }
    PulseServer(const PulseServer&) = delete;
    PulseServer& operator=(const PulseServer&) = delete;

    // Starts the server and points this process's environment at it. Returns "" on success,
    // otherwise why it could not run (the test skips with this reason).
    std::string start();
    // Asks the server to exit and waits (bounded) until it has; harmless when not running.
    void stop();
    bool running() const { return running_; }
    const std::string& folder() const { return folder_; }

  private:
    std::string run(const std::string& command) const;
    bool answers() const;
    void startWatchdog();

    std::string folder_;
    bool running_ = false;
    int watchdogPipe_ = -1;
    int watchdogPid_ = -1;
};

} // namespace terzlab::test
