#include "stimuli/wav_file.h"

#include <cstdio>
#include <fstream>

namespace terzlab::stimuli {

namespace {

void putText(std::vector<unsigned char>& out, const char* text) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<unsigned char>(text[i]));
    }
}

void putLe(std::vector<unsigned char>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<unsigned char>((value >> (8 * i)) & 0xFFu));
    }
}

std::vector<unsigned char> fileImage(const std::vector<int16_t>& samples, uint32_t rate) {
    constexpr uint32_t channels = 2;
    constexpr uint32_t blockAlign = channels * 2;
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size()) * blockAlign;
    std::vector<unsigned char> out;
    out.reserve(44 + dataBytes);
    putText(out, "RIFF");
    putLe(out, 36 + dataBytes, 4);
    putText(out, "WAVE");
    putText(out, "fmt ");
    putLe(out, 16, 4);
    putLe(out, 1, 2); // PCM
    putLe(out, channels, 2);
    putLe(out, rate, 4);
    putLe(out, rate * blockAlign, 4);
    putLe(out, blockAlign, 2);
    putLe(out, 16, 2);
    putText(out, "data");
    putLe(out, dataBytes, 4);
    for (const int16_t s : samples) {
        const auto bits = static_cast<uint16_t>(s);
        putLe(out, bits, 2);
        putLe(out, bits, 2);
    }
    return out;
}

} // namespace

bool writeStereoWav(const std::string& path, const std::vector<int16_t>& samples, uint32_t rate) {
    const std::vector<unsigned char> image = fileImage(samples, rate);
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(image.data()),
                  static_cast<std::streamsize>(image.size()));
        out.close();
        if (!out) {
            std::remove(temp.c_str());
            return false;
        }
    }
    return std::rename(temp.c_str(), path.c_str()) == 0;
}

} // namespace terzlab::stimuli
