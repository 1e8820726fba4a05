#pragma once
// A sound server of the test's own, reached as the program reaches one on a desktop (ALSA's
// pulse plugin): a private runtime folder and a sink "loop" whose recording side is the default
// source, both at 100 %. One recorder reads that source from the start, as a desktop's
// applications do, so that no run waits for an idle server to wake up. Whatever way the test
// process ends, the server ends with it: a watchdog process stops every process started here
// when the test's end of a pipe closes.
#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

namespace terzlab::test {

class SoundServer {
  public:
    virtual ~SoundServer() { stop(); }
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    // Starts the server and points this process's environment at it. Returns "" on success,
    // otherwise why it could not run (the test skips with this reason).
    std::string start();
    // Stops every process of the server and waits (bounded) until they are gone; harmless when
    // not running.
    void stop();
    bool running() const { return !pids_.empty(); }
    const std::string& folder() const { return folder_; }
    virtual const char* name() const = 0;

  protected:
    SoundServer() = default;
    // What is missing to run this server, or "".
    virtual std::string missingPrograms() const = 0;
    // Starts the server's processes in the prepared folder; "" or why it failed.
    virtual std::string launch() = 0;
    // The source that records what the sink plays.
    virtual const char* loopSource() const = 0;

    // Starts `argv` with its output in `log` (inside the folder); the process is stopped by
    // `stop`, the last started first. -1 when it could not start.
    pid_t spawn(const std::vector<std::string>& argv, const std::string& log);
    // Runs a shell command; "" or what it printed when it failed.
    std::string run(const std::string& command) const;
    // Polls `ready` for up to 10 s.
    static bool waitFor(bool (*ready)(const std::string& folder), const std::string& folder);
    static bool onPath(const char* program);

  private:
    std::string prepareFolder();
    void startWatchdog();
    void remember(pid_t pid, const std::string& program);

    std::string folder_;
    std::vector<pid_t> pids_;
    int watchdogPipe_ = -1;
    int watchdogPid_ = -1;
};

class PulseServer final : public SoundServer {
  public:
    const char* name() const override { return "PulseAudio"; }

  private:
    std::string missingPrograms() const override;
    std::string launch() override;
    const char* loopSource() const override { return "loop.monitor"; }
};

class PipeWireServer final : public SoundServer {
  public:
    const char* name() const override { return "PipeWire"; }

  private:
    std::string missingPrograms() const override;
    std::string launch() override;
    const char* loopSource() const override { return "loop"; }
};

// The server the environment asks for: TERZLAB_LOOPBACK_SERVER=pipewire, else PulseAudio.
std::unique_ptr<SoundServer> makeSoundServer();

} // namespace terzlab::test
