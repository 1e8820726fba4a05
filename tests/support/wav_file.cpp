#include "support/wav_file.h"

#include <fstream>
#include <stdexcept>

namespace terzlab::test {

void writeWav(const std::string& path, const std::vector<int16_t>& samples, int channels,
              int rate) {
    std::string bytes;
    const auto put = [&bytes](auto value, int count) { // little-endian, `count` bytes
        for (int i = 0; i < count; ++i)
            bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    const auto dataBytes = static_cast<uint32_t>(samples.size() * 2);
    bytes += "RIFF", put(36 + dataBytes, 4), bytes += "WAVEfmt ", put(16, 4), put(1, 2);
    put(channels, 2), put(rate, 4), put(rate * channels * 2, 4), put(channels * 2, 2), put(16, 2);
    bytes += "data", put(dataBytes, 4);
    for (const int16_t sample : samples)
        put(static_cast<uint16_t>(sample), 2);
    std::ofstream out(path, std::ios::binary);
    if (!(out << bytes).flush()) throw std::runtime_error("cannot write " + path);
}

} // namespace terzlab::test
