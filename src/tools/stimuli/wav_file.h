#pragma once
// Canonical 44-byte PCM WAV files, 16 bit, stereo, 44100 Hz in the header. The program rewrites
// the rate field at byte 24 in place, so the header must be exactly this layout.
#include <cstdint>
#include <string>
#include <vector>

namespace terzlab::stimuli {

inline constexpr uint32_t kFileRate = 44100;

// Writes the mono samples to both channels. The old file stays until the new one is complete.
bool writeStereoWav(const std::string& path, const std::vector<int16_t>& samples,
                    uint32_t rate = kFileRate);

} // namespace terzlab::stimuli
