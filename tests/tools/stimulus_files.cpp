#include "stimulus_files.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace terzlab::test {

namespace {

// The canonical header as it lies in the file (the test machines are little-endian).
struct Header {
    char riff[4];
    uint32_t riffSize;
    char wave[4], fmt[4];
    uint32_t fmtSize;
    uint16_t formatTag, channels;
    uint32_t rate, byteRate;
    uint16_t blockAlign, bits;
    char data[4];
    uint32_t dataBytes;
};
static_assert(sizeof(Header) == 44);

bool isCanonical(const Header& h, std::size_t fileSize) {
    return std::memcmp(h.riff, "RIFF", 4) == 0 && std::memcmp(h.wave, "WAVE", 4) == 0 &&
           std::memcmp(h.fmt, "fmt ", 4) == 0 && std::memcmp(h.data, "data", 4) == 0 &&
           h.riffSize == fileSize - 8 && h.fmtSize == 16 && h.formatTag == 1 && h.channels == 2 &&
           h.rate == 44100 && h.byteRate == 176400 && h.blockAlign == 4 && h.bits == 16 &&
           h.dataBytes == fileSize - 44 && h.dataBytes % 4 == 0;
}

} // namespace

StereoWav readStimulus(const std::string& name) {
    std::ifstream in(std::string(TERZLAB_BIN_DIR) + "/" + name, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    StereoWav wav;
    Header h{};
    if (bytes.size() < sizeof h) {
        return wav;
    }
    std::memcpy(&h, bytes.data(), sizeof h);
    wav.canonical = isCanonical(h, bytes.size());
    wav.interleaved.resize((bytes.size() - sizeof h) / 2);
    std::memcpy(wav.interleaved.data(), bytes.data() + sizeof h, wav.interleaved.size() * 2);
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
