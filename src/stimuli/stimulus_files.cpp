#include "stimuli/stimulus_files.h"

namespace terzlab::stimuli {

namespace {

// The calibration sines: 50 Hz (910 samples a period) and 1 kHz (45), each at full scale, 10 %
// and 1 %.
constexpr StimulusFile kFiles[] = {
    {"pseudo.wav", pseudoNoise},
    {"multi.wav", multiSine},
    {"pulse.wav", pulseTrain},
    {"check.wav", realTimeCheck},
    {"Sin_0050_100.wav", [] { return calibrationSine(910, 1.0); }},
    {"Sin_0050_010.wav", [] { return calibrationSine(910, 0.1); }},
    {"Sin_0050_001.wav", [] { return calibrationSine(910, 0.01); }},
    {"Sin_1000_100.wav", [] { return calibrationSine(45, 1.0); }},
    {"Sin_1000_010.wav", [] { return calibrationSine(45, 0.1); }},
    {"Sin_1000_001.wav", [] { return calibrationSine(45, 0.01); }},
    {"Stop.wav", silence},
};

} // namespace

std::span<const StimulusFile> stimulusFiles() {
    return kFiles;
}

sound_file::SoundData stereoSound(const PeriodicSignal& signal, int sampleRate) {
    sound_file::SoundData sound{.samples = {}, .channels = 2, .sampleRate = sampleRate};
    const std::vector<int16_t> mono = toSamples(signal);
    sound.samples.reserve(2 * mono.size());
    for (const int16_t sample : mono)
        sound.samples.insert(sound.samples.end(), 2, sample);
    return sound;
}

std::optional<sound_file::SoundData> stimulusSound(std::string_view name, int sampleRate) {
    for (const StimulusFile& file : kFiles)
        if (name == file.name) return stereoSound(file.make(), sampleRate);
    return std::nullopt;
}

} // namespace terzlab::stimuli
