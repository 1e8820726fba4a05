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
    bytes += "RIFF";
    put(36 + dataBytes, 4);
    bytes += "WAVEfmt ";
    // The format chunk's size, PCM, channels, rate, bytes per second, per frame, bits.
    for (const auto& [value, size] : {std::pair{16, 4},
                                      {1, 2},
                                      {channels, 2},
                                      {rate, 4},
                                      {rate * channels * 2, 4},
                                      {channels * 2, 2},
                                      {16, 2}})
        put(value, size);
    bytes += "data";
    put(dataBytes, 4);
    for (const int16_t sample : samples)
        put(static_cast<uint16_t>(sample), 2);
    std::ofstream out(path, std::ios::binary);
    if (!(out << bytes).flush()) throw std::runtime_error("cannot write " + path);
}

} // namespace terzlab::test
