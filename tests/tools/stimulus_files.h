#pragma once
// Reading the generated stimulus files back, independently of the generator's writer.
#include <cstdint>
#include <string>
#include <vector>

namespace terzlab::test {

struct StereoWav {
    bool canonical = false; // 44-byte PCM header, 16 bit, stereo, 44100 Hz, sizes consistent
    bool channelsEqual = false;
    std::vector<int16_t> interleaved;
    std::vector<int16_t> left;
};

StereoWav readStimulus(const std::string& name); // from the program folder

// True when the samples repeat with this period throughout.
bool repeatsWithPeriod(const std::vector<int16_t>& x, std::size_t period);

} // namespace terzlab::test
