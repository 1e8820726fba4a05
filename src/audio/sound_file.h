#pragma once
// What both sound players share: finding a file the way the system player does, and reading it
// whole into memory.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace terzlab::audio {

// Trailing blanks are dropped; a bare name (no folder part) is looked up in `programFolder`,
// anything else is taken as it stands. Backslashes count as folder separators. Returns the path
// of an existing regular file, or nothing.
std::optional<std::string> resolvePlayPath(const std::string& programFolder,
                                           const std::string& name);

struct SoundData {
    std::vector<int16_t> samples; // interleaved
    int channels = 0;
    int sampleRate = 0;
    size_t frames() const {
        return channels > 0 ? samples.size() / static_cast<size_t>(channels) : 0;
    }
};

// Any file libsndfile reads, as 16-bit samples. Nothing for an unreadable or empty file.
std::optional<SoundData> readSoundFile(const std::string& path);

} // namespace terzlab::audio
