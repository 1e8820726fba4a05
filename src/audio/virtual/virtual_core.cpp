#include "audio/virtual/virtual_core.h"

namespace terzlab::audio {

VirtualCore::VirtualCore(VirtualCardOptions options) : options_(std::move(options)) {
    model_.setSettings(BenchSettings{});
}

void VirtualCore::startPlaying(const std::string& name, SoundData sound) {
    model_.setStimulus(std::move(sound));
    playing_ = name;
}

void VirtualCore::stopPlaying() {
    model_.clearStimulus();
    playing_.clear();
}

} // namespace terzlab::audio
