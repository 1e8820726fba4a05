#include "platform/mixer.h"

#include <QProcess>
#include <QStandardPaths>

#include <array>

namespace terzlab::platform {

namespace {

struct MixerTool {
    const char* program;
    // Arguments for the output and the input devices' page; tools without pages take the same.
    QStringList playback;
    QStringList recording;
};

// Dedicated tools first: the PulseAudio/PipeWire volume controls open straight on the devices'
// tabs; the desktops' own panels show output and input on one page.
const std::array<MixerTool, 6>& mixerTools() {
    static const std::array<MixerTool, 6> tools{{
        {"pavucontrol", {QStringLiteral("--tab=3")}, {QStringLiteral("--tab=4")}},
        {"pavucontrol-qt", {QStringLiteral("--tab=3")}, {QStringLiteral("--tab=4")}},
        {"pwvucontrol", {}, {}},
        {"gnome-control-center", {QStringLiteral("sound")}, {QStringLiteral("sound")}},
        {"kcmshell6", {QStringLiteral("kcm_pulseaudio")}, {QStringLiteral("kcm_pulseaudio")}},
        {"kcmshell5", {QStringLiteral("kcm_pulseaudio")}, {QStringLiteral("kcm_pulseaudio")}},
    }};
    return tools;
}

} // namespace

bool SystemProcessLauncher::installed(const QString& program) {
    return !QStandardPaths::findExecutable(program).isEmpty();
}

void SystemProcessLauncher::startDetached(const CommandLine& command) {
    QProcess::startDetached(command.program, command.arguments);
}

bool RecordingProcessLauncher::installed(const QString& program) {
    return installedPrograms.contains(program);
}

std::optional<CommandLine> mixerCommand(ProcessLauncher& launcher, MixerPage page) {
    for (const MixerTool& tool : mixerTools()) {
        const QString program = QString::fromLatin1(tool.program);
        if (!launcher.installed(program)) continue;
        return CommandLine{program, page == MixerPage::Playback ? tool.playback : tool.recording};
    }
    return std::nullopt;
}

} // namespace terzlab::platform
