// PulseAudio as the test's server: one process with a null sink, whose monitor records it.
#include "sound_server.h"

namespace terzlab::test {

std::string PulseServer::missingPrograms() const {
    return onPath("pulseaudio") ? "" : "pulseaudio is not installed (package pulseaudio)";
}

std::string PulseServer::launch() {
    const pid_t pid = spawn({"pulseaudio", "--daemonize=no", "--exit-idle-time=-1",
                             "--system=false", "-n", "--load=module-native-protocol-unix",
                             "--load=module-null-sink sink_name=loop rate=44100 channels=2 "
                             "format=s16le"},
                            "pulseaudio.log");
    return pid < 0 ? "pulseaudio did not start" : "";
}

} // namespace terzlab::test
