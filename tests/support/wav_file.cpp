#include "support/wav_file.h"

#include "sound_file/sound_file.h"

#include <stdexcept>

namespace terzlab::test {

void writeWav(const std::string& path, const std::vector<int16_t>& samples, int channels,
              int rate) {
    if (!sound_file::writeWav(path, {.samples = samples, .channels = channels, .sampleRate = rate}))
        throw std::runtime_error("cannot write " + path);
}

void writeRamp(const std::string& path) {
    std::vector<int16_t> ramp;
    for (int i = 0; i < kRampFrames; ++i)
        ramp.insert(ramp.end(), 2, static_cast<int16_t>(i - kRampFrames / 2));
    writeWav(path, ramp);
}

int rampBreaks(const std::vector<int16_t>& stereo, int16_t& last) {
    int breaks = 0;
    for (size_t i = 0; i < stereo.size(); i += 2) {
        breaks += (stereo[i] - last + kRampFrames) % kRampFrames != 1 ? 1 : 0;
        last = stereo[i];
    }
    return breaks;
}

} // namespace terzlab::test
