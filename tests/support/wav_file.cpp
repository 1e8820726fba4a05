#include "support/wav_file.h"

#include <fstream>
#include <stdexcept>

namespace terzlab::test {

void writeWav(const std::string& path, const std::vector<int16_t>& samples, int channels,
              int rate) {
    const auto le = [](uint32_t value, int count) { // little-endian, `count` bytes
        std::string bytes;
        for (int i = 0; i < count; ++i)
            bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
        return bytes;
    };
    const auto dataBytes = static_cast<uint32_t>(samples.size() * 2);
    // The RIFF size, then the format chunk: its size, PCM, channels, rate, bytes per second and
    // per frame, bits.
    std::string bytes = "RIFF" + le(36 + dataBytes, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) +
                        le(channels, 2) + le(rate, 4) + le(rate * channels * 2, 4) +
                        le(channels * 2, 2) + le(16, 2) + "data" + le(dataBytes, 4);
    for (const int16_t sample : samples)
        bytes += le(static_cast<uint16_t>(sample), 2);
    std::ofstream out(path, std::ios::binary);
    if (!(out << bytes).flush()) throw std::runtime_error("cannot write " + path);
}

} // namespace terzlab::test
