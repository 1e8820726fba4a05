#pragma once
// Sound as floating point: a whole recording of any format libsndfile reads (a sweep's response
// in 24-bit or float keeps its resolution), and mono 32-bit float WAV files for impulse
// responses.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace terzlab::sound_file {

struct FloatSound {
    int32_t SampleRate = 0;
    int Channels = 0;
    std::vector<float> Interleaved; // full scale 1.0; 16-bit full scale is 32767 / 32768
    std::vector<float> Channel(int channel) const;
};

enum class FloatReadFault { None, Unreadable, NotMonoOrStereo, Truncated };

// Mono or stereo, at most a minute at 384 kHz. On a fault nothing, with the fault and, for an
// unreadable file, libsndfile's reason.
std::optional<FloatSound> readFloatSound(const std::string& path, FloatReadFault& fault,
                                         std::string& reason);

// A canonical WAV file (format 3, IEEE float, mono) with the samples as they are.
std::string floatWavImage(const std::vector<float>& samples, int32_t sampleRate);

} // namespace terzlab::sound_file
