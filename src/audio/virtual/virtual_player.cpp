#include "audio/virtual/virtual_parts.h"

namespace terzlab::audio {

void VirtualPlayer::playLooped(const std::string& path) {
    core_->logPlay(path);
    const auto file = resolvePlayPath(programFolder(), path);
    auto sound = file ? readSoundFile(*file) : std::nullopt;
    if (!sound) {
        core_->stopPlaying();
        return;
    }
    core_->startPlaying(path, std::move(*sound));
}

void VirtualPlayer::playSoundLooped(const SoundData& sound, const std::string& name) {
    core_->logPlay(name);
    core_->startPlaying(name, sound);
}

// The file played once replaces the loop and has ended when this returns; the bench has no
// loudspeaker of its own, so there is nothing to wait for.
void VirtualPlayer::playOnce(const std::string& path) {
    core_->logPlay(path);
    core_->stopPlaying();
}

} // namespace terzlab::audio
