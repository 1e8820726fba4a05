#include "audio/stimulus.h"

#include "sound_file/sound_reader.h"

#include <array>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <unistd.h>

namespace terzlab::audio {

namespace {

constexpr std::streamoff kRateOffset = 24;
constexpr std::size_t kHeaderSize = 44;

std::string calibrationFileName(const StimulusChoice& choice) {
    const std::string stem = choice.calibFreqOption == 0 ? "Sin_0050" : "Sin_1000";
    // An unknown level option never picks the loudest file.
    if (choice.calibLevelOption == 0) {
        return stem + "_100.wav";
    }
    return stem + (choice.calibLevelOption == 1 ? "_010.wav" : "_001.wav");
}

using Header = std::array<unsigned char, kHeaderSize>;

uint32_t littleEndian(const Header& h, std::size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = (v << 8) | h[at + i];
    }
    return v;
}

bool readHeader(const std::string& path, Header& header) {
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(header.data()), kHeaderSize);
    return static_cast<std::size_t>(in.gcount()) == kHeaderSize;
}

bool isCanonicalPcm16(const Header& h) {
    const auto tag = [&](std::size_t at, const char* text) {
        return std::memcmp(h.data() + at, text, 4) == 0;
    };
    return tag(0, "RIFF") && tag(8, "WAVE") && tag(12, "fmt ") && littleEndian(h, 16, 4) == 16 &&
           littleEndian(h, 20, 2) == 1 && littleEndian(h, 34, 2) == 16 && tag(36, "data");
}

bool libsndfileReadsPcm16(const std::string& path) {
    sound_file::SoundReader file;
    return file.open(path) && file.isPcm16Wav() && file.frames() > 0 && file.channels() > 0;
}

std::array<unsigned char, 4> rateBytes(uint32_t sampleRate) {
    return {static_cast<unsigned char>(sampleRate & 0xFFu),
            static_cast<unsigned char>((sampleRate >> 8) & 0xFFu),
            static_cast<unsigned char>((sampleRate >> 16) & 0xFFu),
            static_cast<unsigned char>((sampleRate >> 24) & 0xFFu)};
}

bool writeRateField(const std::string& path, uint32_t sampleRate) {
    const std::array<unsigned char, 4> bytes = rateBytes(sampleRate);
    // No truncation and no creation: only the four bytes change.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool written = ::pwrite(fd, bytes.data(), bytes.size(), kRateOffset) == 4;
    const bool closed = ::close(fd) == 0;
    return written && closed;
}

std::optional<std::string> readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return bytes;
}

} // namespace

std::string stimulusFileName(const StimulusChoice& choice) {
    if (choice.timeCheck) {
        return "check.wav";
    }
    switch (choice.measType) {
    case 0:
        return choice.calibrationRun ? calibrationFileName(choice) : "pseudo.wav";
    case 1:
        return "pseudo.wav";
    case 2:
        return "pulse.wav";
    case 3:
    case 4:
        return "multi.wav";
    default:
        return {};
    }
}

std::string joinProgramPath(const std::string& programFolder, const std::string& name) {
    std::string folder = programFolder;
    while (!folder.empty() && folder.back() == '/') {
        folder.pop_back();
    }
    return folder + "/" + name;
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

bool isValidStimulusWav(const std::string& path) {
    Header header{};
    return FileExists(path) && readHeader(path, header) && isCanonicalPcm16(header) &&
           libsndfileReadsPcm16(path);
}

RateAdaptResult adaptSampleRate(const std::string& path, uint32_t sampleRate) {
    Header header{};
    if (!FileExists(path) || !readHeader(path, header) || !isCanonicalPcm16(header)) {
        return RateAdaptResult::NotWritable;
    }
    if (littleEndian(header, kRateOffset, 4) == sampleRate) {
        return RateAdaptResult::Unchanged;
    }
    return writeRateField(path, sampleRate) ? RateAdaptResult::Rewritten
                                            : RateAdaptResult::NotWritable;
}

AdaptedStimulus adaptedCopy(const std::string& installed, const std::string& copyFolder,
                            uint32_t sampleRate, const FileWriter& write) {
    Header header{};
    if (!FileExists(installed) || !readHeader(installed, header) || !isCanonicalPcm16(header)) {
        return {RateAdaptResult::NotWritable, installed};
    }
    if (littleEndian(header, kRateOffset, 4) == sampleRate) {
        return {RateAdaptResult::Unchanged, installed};
    }
    const std::string copy =
        joinProgramPath(copyFolder, std::filesystem::path(installed).filename().string());
    std::optional<std::string> wanted = readWhole(installed);
    if (!wanted || wanted->size() < kHeaderSize) {
        return {RateAdaptResult::NotWritable, copy};
    }
    const std::array<unsigned char, 4> rate = rateBytes(sampleRate);
    wanted->replace(static_cast<std::size_t>(kRateOffset), rate.size(),
                    reinterpret_cast<const char*>(rate.data()), rate.size());
    if (readWhole(copy) == wanted) {
        return {RateAdaptResult::Unchanged, copy};
    }
    std::error_code error;
    std::filesystem::create_directories(copyFolder, error);
    return {write(copy, *wanted) ? RateAdaptResult::Rewritten : RateAdaptResult::NotWritable, copy};
}

} // namespace terzlab::audio
