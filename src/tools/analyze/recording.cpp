#include "analyze/recording.h"
#include "text/translate.h"
#include <sndfile.h>

namespace terzlab::analyze {

Recording::~Recording() {
    if (file_ != nullptr) sf_close(file_);
}

bool Recording::Open(const std::string& path, std::string& error) {
    SF_INFO info{};
    file_ = sf_open(path.c_str(), SFM_READ, &info);
    if (file_ == nullptr) {
        error = text::arg(
            text::translate("AnalyzeTool", "Die Aufnahme %1 fehlt oder ist nicht lesbar (%2)"),
            {path, sf_strerror(nullptr)});
        return false;
    }
    if (info.samplerate != 44100 && info.samplerate != 48000) {
        error = text::arg(
            text::translate("AnalyzeTool",
                            "Die Aufnahme %1 hat %2 Hz; auswertbar sind nur 44100 und 48000 Hz"),
            {path, std::to_string(info.samplerate)});
        return false;
    }
    if (info.channels != 1 && info.channels != 2) {
        error = text::arg(
            text::translate("AnalyzeTool",
                            "Die Aufnahme %1 hat %2 Kanäle; auswertbar sind nur Mono und Stereo"),
            {path, std::to_string(info.channels)});
        return false;
    }
    sampleRate_ = info.samplerate;
    channels_ = info.channels;
    frames_ = info.frames;
    // A sound card saturates at full scale; floating-point files must not wrap around instead.
    sf_command(file_, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    return true;
}

bool Recording::SeekBlock(int64_t block, int32_t blockSize) {
    return sf_seek(file_, block * blockSize, SEEK_SET) == block * blockSize;
}

void Recording::Reserve(int32_t blockSize) {
    if (channels_ == 1) mono_.resize(static_cast<std::size_t>(blockSize));
}

bool Recording::ReadBlock(std::span<int16_t> interleaved) {
    const auto frames = static_cast<sf_count_t>(interleaved.size() / 2);
    if (channels_ == 2) return sf_readf_short(file_, interleaved.data(), frames) == frames;
    if (static_cast<sf_count_t>(mono_.size()) < frames) return false;
    if (sf_readf_short(file_, mono_.data(), frames) != frames) return false;
    for (sf_count_t i = 0; i < frames; ++i) {
        interleaved[2 * i] = mono_[i];
        interleaved[2 * i + 1] = mono_[i];
    }
    return true;
}

} // namespace terzlab::analyze
