#include "support/wav_file.h"

#include "sound_file/sound_file.h"

#include <stdexcept>

namespace terzlab::test {

void writeWav(const std::string& path, const std::vector<int16_t>& samples, int channels,
              int rate) {
    if (!sound_file::writeWav(path, {.samples = samples, .channels = channels, .sampleRate = rate}))
        throw std::runtime_error("cannot write " + path);
}

} // namespace terzlab::test
