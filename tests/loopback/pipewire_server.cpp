// PipeWire as the test's server, as today's desktops run it: the graph with a null sink of its
// own, WirePlumber as session manager and pipewire-pulse for the ALSA pulse plugin. Headless
// and without a session bus.
#include "sound_server.h"

#include <filesystem>
#include <fstream>

namespace terzlab::test {

namespace {

// The sink is a PipeWire object. The graph runs at 44100 Hz (a 48-kHz graph resamples, and the
// band at 19.95 kHz then reads 32 dB low); a run at 48 kHz switches it over.
constexpr const char* kLoopSink = R"(context.properties = {
    default.clock.rate = 44100
    default.clock.allowed-rates = [ 44100 48000 ]
}
context.objects = [
    { factory = adapter
        args = {
            factory.name = support.null-audio-sink
            node.name = loop
            node.description = loop
            media.class = Audio/Duplex
            audio.position = [ FL FR ]
            monitor.channel-volumes = true
        }
    }
]
)";

// WirePlumber leaves without a session bus (the flatpak portal wants one) and would take the
// machine's real cards: it loads only what routes streams and keeps defaults.
constexpr const char* kSessionScripts =
    R"(default_access.properties["enable-flatpak-portal"] = false
load_module("metadata")
default_access.enable()
device_defaults.enable()
stream_defaults.enable()
load_script("intended-roles.lua")
load_script("suspend-node.lua")
)";

void write(const std::filesystem::path& file, const char* text) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << text;
}

bool graphUp(const std::string& folder) {
    return std::filesystem::exists(folder + "/pipewire-0");
}

} // namespace

std::string PipeWireServer::missingPrograms() const {
    for (const char* program : {"pipewire", "wireplumber", "pipewire-pulse"})
        if (!onPath(program))
            return std::string(program) +
                   " is not installed (packages pipewire, wireplumber, pipewire-pulse)";
    return "";
}

std::string PipeWireServer::launch() {
    const std::filesystem::path config = folder() + "/home/.config";
    write(config / "pipewire/pipewire.conf.d/terzlab-loop.conf", kLoopSink);
    write(config / "wireplumber/main.lua.d/90-enable-all.lua", kSessionScripts);
    write(config / "wireplumber/bluetooth.lua.d/90-enable-all.lua", "");
    // In this order: a session manager started against a graph whose clients are already there
    // left the sink unlinked.
    if (spawn({"pipewire"}, "pipewire.log") < 0 || !waitFor(graphUp, folder()))
        return "pipewire did not start";
    if (spawn({"wireplumber"}, "wireplumber.log") < 0) return "wireplumber did not start";
    if (spawn({"pipewire-pulse"}, "pipewire-pulse.log") < 0) return "pipewire-pulse did not start";
    return "";
}

} // namespace terzlab::test
