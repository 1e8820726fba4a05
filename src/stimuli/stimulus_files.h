#pragma once
// The stimulus files the program plays, each made from its periodic signal: written into the
// program folder by terzlab-make-stimuli, or made in memory at the rate a device runs at.
#include "sound_file/sound_file.h"
#include "stimuli/signals.h"

#include <optional>
#include <span>
#include <string_view>

namespace terzlab::stimuli {

// The rate in the files' headers. Played at another rate the same samples keep their period in
// transform bins; the program then plays them with that rate in the header.
inline constexpr int kFileRate = 44100;

struct StimulusFile {
    const char* name;
    PeriodicSignal (*make)();
};

// Every file, in the order the generator writes them.
std::span<const StimulusFile> stimulusFiles();

// The signal on both channels, with `sampleRate` as its rate.
sound_file::SoundData stereoSound(const PeriodicSignal& signal, int sampleRate);

// The samples of the stimulus file `name` at `sampleRate`: what playing the file (with its
// header's rate brought in line) would play. Nothing for a name that is no stimulus file.
std::optional<sound_file::SoundData> stimulusSound(std::string_view name, int sampleRate);

} // namespace terzlab::stimuli
