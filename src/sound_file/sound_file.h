#pragma once
// Sound in memory and the one WAV writer: canonical PCM files, 16 bit, with the 44-byte header
// whose rate field (byte 24) the program rewrites in place.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace terzlab::sound_file {

struct SoundData {
    std::vector<int16_t> samples; // interleaved
    int channels = 0;
    int sampleRate = 0;
    size_t frames() const {
        return channels > 0 ? samples.size() / static_cast<size_t>(channels) : 0;
    }
    bool operator==(const SoundData&) const = default;
};

// Any file libsndfile reads, whole, as 16-bit samples. Nothing for an unreadable or empty
// file, or one too large to be a stimulus (2^31 samples).
std::optional<SoundData> readSoundFile(const std::string& path);

// The bytes of a canonical WAV file holding `sound`.
std::string wavImage(const SoundData& sound);

// Writes `sound` as a canonical WAV file. The old file stays until the new one is complete.
bool writeWav(const std::string& path, const SoundData& sound);

} // namespace terzlab::sound_file
