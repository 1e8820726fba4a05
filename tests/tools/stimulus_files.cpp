#include "stimulus_files.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace terzlab::test {

namespace {

uint32_t le(const std::vector<unsigned char>& b, std::size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = (v << 8) | b[at + i];
    }
    return v;
}

bool tagAt(const std::vector<unsigned char>& b, std::size_t at, const char* tag) {
    return std::memcmp(b.data() + at, tag, 4) == 0;
}

bool canonicalHeader(const std::vector<unsigned char>& b) {
    if (b.size() < 44) {
        return false;
    }
    const uint32_t dataBytes = le(b, 40, 4);
    return tagAt(b, 0, "RIFF") && le(b, 4, 4) == b.size() - 8 && tagAt(b, 8, "WAVE") &&
           tagAt(b, 12, "fmt ") && le(b, 16, 4) == 16 && le(b, 20, 2) == 1 && le(b, 22, 2) == 2 &&
           le(b, 24, 4) == 44100 && le(b, 28, 4) == 176400 && le(b, 32, 2) == 4 &&
           le(b, 34, 2) == 16 && tagAt(b, 36, "data") && dataBytes == b.size() - 44 &&
           dataBytes % 4 == 0;
}

} // namespace

StereoWav readStimulus(const std::string& name) {
    std::ifstream in(std::string(TERZLAB_BIN_DIR) + "/" + name, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
    StereoWav wav;
    wav.canonical = canonicalHeader(bytes);
    if (!wav.canonical) {
        return wav;
    }
    for (std::size_t at = 44; at + 1 < bytes.size(); at += 2) {
        wav.interleaved.push_back(static_cast<int16_t>(le(bytes, at, 2)));
    }
    wav.channelsEqual = true;
    for (std::size_t i = 0; i + 1 < wav.interleaved.size(); i += 2) {
        wav.left.push_back(wav.interleaved[i]);
        wav.channelsEqual = wav.channelsEqual && wav.interleaved[i] == wav.interleaved[i + 1];
    }
    return wav;
}

bool repeatsWithPeriod(const std::vector<int16_t>& x, std::size_t period) {
    if (x.empty() || x.size() % period != 0) {
        return false;
    }
    for (std::size_t n = period; n < x.size(); ++n) {
        if (x[n] != x[n - period]) {
            return false;
        }
    }
    return true;
}

} // namespace terzlab::test
