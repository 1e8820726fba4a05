#include "analyze/recording.h"
#include "text/translate.h"

namespace terzlab::analyze {

bool Recording::Open(const std::string& path, std::string& error) {
    if (!file_.open(path)) {
        error = text::arg(
            text::translate("AnalyzeTool", "Die Aufnahme %1 fehlt oder ist nicht lesbar (%2)"),
            {path, file_.error()});
        return false;
    }
    if (file_.sampleRate() != 44100 && file_.sampleRate() != 48000) {
        error = text::arg(
            text::translate("AnalyzeTool",
                            "Die Aufnahme %1 hat %2 Hz; auswertbar sind nur 44100 und 48000 Hz"),
            {path, std::to_string(file_.sampleRate())});
        return false;
    }
    if (file_.channels() != 1 && file_.channels() != 2) {
        error = text::arg(
            text::translate("AnalyzeTool",
                            "Die Aufnahme %1 hat %2 Kanäle; auswertbar sind nur Mono und Stereo"),
            {path, std::to_string(file_.channels())});
        return false;
    }
    sampleRate_ = file_.sampleRate();
    channels_ = file_.channels();
    frames_ = file_.frames();
    // A sound card saturates at full scale; floating-point files must not wrap around instead.
    file_.clipAtFullScale();
    return true;
}

bool Recording::SeekBlock(int64_t block, int32_t blockSize) {
    return file_.seek(block * blockSize);
}

void Recording::Reserve(int32_t blockSize) {
    if (channels_ == 1) mono_.resize(static_cast<std::size_t>(blockSize));
}

bool Recording::ReadBlock(std::span<int16_t> interleaved) {
    const auto frames = static_cast<int64_t>(interleaved.size() / 2);
    if (channels_ == 2) return file_.readSome(interleaved.data(), frames) == frames;
    if (static_cast<int64_t>(mono_.size()) < frames) return false;
    if (file_.readSome(mono_.data(), frames) != frames) return false;
    for (int64_t i = 0; i < frames; ++i) {
        interleaved[2 * i] = mono_[i];
        interleaved[2 * i + 1] = mono_[i];
    }
    return true;
}

} // namespace terzlab::analyze
