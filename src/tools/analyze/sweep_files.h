#pragma once
// The sweep analysis's sound files: a whole recording read as floating point, and the impulse
// response written as mono 32-bit float WAV.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace terzlab::analyze {

struct WholeSound {
    int32_t SampleRate = 0;
    int Channels = 0;
    std::vector<float> Interleaved; // full scale 1.0; 16-bit full scale is 32767 / 32768
    std::vector<float> Channel(int channel) const;
};

// Any file libsndfile reads, mono or stereo; the error is one line.
std::optional<WholeSound> ReadWholeSound(const std::string& path, std::string& error);

// A canonical WAV file (format 3, IEEE float) with the samples as they are.
std::string FloatWavBytes(const std::vector<float>& samples, int32_t sampleRate);

} // namespace terzlab::analyze
