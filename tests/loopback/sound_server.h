#pragma once
// A sound server of the test's own, reached as the program reaches one on a desktop (ALSA's
// pulse plugin): a private runtime folder and a sink "loop" whose recording side is the default
// source, both at 100 %. One recorder reads that source from the start, as a desktop's
// applications do, so that no run waits for an idle server to wake up. Whatever way the test
// process ends, the server ends with it: a watchdog process stops every process started here
// when the test's end of a pipe closes.
#include "support/temp_folder.h"

#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

namespace terzlab::test {

// What one kind of server needs: its programs, started in this order, and its configuration.
struct ServerKind {
    const char* name;
    const char* packages; // that provide the programs
    std::vector<std::vector<std::string>> processes;
    const char* graphSocket; // in the runtime folder, there before the next process starts; or ""
    const char* configTree;  // copied to $HOME/.config; or ""
    const char* loopSource;  // the source that records what the sink plays
};

class SoundServer {
  public:
    explicit SoundServer(ServerKind kind) : kind_(std::move(kind)) {}
    ~SoundServer() { stop(); }

    // Starts the server and points this process's environment at it. Returns "" on success,
    // otherwise why it could not run (the test skips with this reason).
    std::string start();
    // Stops every process of the server and waits (bounded) until they are gone; harmless when
    // not running.
    void stop();
    const char* name() const { return kind_.name; }
    // "" when every program the server needs is installed, otherwise which one is not.
    std::string missingPrograms() const;

  private:
    void prepareFolder();
    std::string launch();
    std::string configure() const;
    std::string awaitRouting() const;
    // Starts `argv` with its output in a log inside the folder; false when it could not start.
    bool spawn(const std::vector<std::string>& argv);
    std::string file(const std::string& name) const { return folder_->file(name); }

    ServerKind kind_;
    std::unique_ptr<TempFolder> folder_;
    std::vector<pid_t> pids_;
    int watchdogPipe_ = -1;
    int watchdogPid_ = -1;
};

// The server the environment asks for: TERZLAB_LOOPBACK_SERVER=pipewire, else PulseAudio.
std::unique_ptr<SoundServer> makeSoundServer();

} // namespace terzlab::test
