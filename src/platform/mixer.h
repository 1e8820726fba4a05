#pragma once
// The desktop's sound settings standing in for the volume-control program: one page for the
// playback device, one for the recording device, started without waiting. The launcher is the
// seam: the program starts real processes, tests record the command lines.
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace terzlab::platform {

struct CommandLine {
    QString program;
    QStringList arguments;
    bool operator==(const CommandLine&) const = default;
};

class ProcessLauncher {
  public:
    virtual ~ProcessLauncher() = default;
    // Whether a program of this name is found on the search path.
    virtual bool installed(const QString& program) = 0;
    // Starts the program and returns at once; the program is not watched afterwards.
    virtual void startDetached(const CommandLine& command) = 0;
};

class SystemProcessLauncher final : public ProcessLauncher {
  public:
    bool installed(const QString& program) override;
    void startDetached(const CommandLine& command) override;
};

// Knows the programs named in `installedPrograms` and records every start.
class RecordingProcessLauncher final : public ProcessLauncher {
  public:
    bool installed(const QString& program) override;
    void startDetached(const CommandLine& command) override { started.push_back(command); }

    QStringList installedPrograms{QStringLiteral("pavucontrol")};
    std::vector<CommandLine> started;
};

enum class MixerPage { Playback, Recording };

// The command that opens the page with the first sound-settings tool installed; nothing when
// none is.
std::optional<CommandLine> mixerCommand(ProcessLauncher& launcher, MixerPage page);

} // namespace terzlab::platform
