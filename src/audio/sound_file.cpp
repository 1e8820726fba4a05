#include "audio/sound_file.h"

#include <algorithm>
#include <filesystem>
#include <sndfile.h>
#include <system_error>

namespace terzlab::audio {

namespace fs = std::filesystem;

std::optional<std::string> resolvePlayPath(const std::string& programFolder,
                                           const std::string& name) {
    std::string cleaned = name;
    while (!cleaned.empty() && cleaned.back() == ' ')
        cleaned.pop_back();
    std::replace(cleaned.begin(), cleaned.end(), '\\', '/');
    if (cleaned.empty()) return std::nullopt;
    fs::path path(cleaned);
    if (!path.has_parent_path() && !programFolder.empty()) {
        std::string folder = programFolder;
        std::replace(folder.begin(), folder.end(), '\\', '/');
        path = fs::path(folder) / path;
    }
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    return path.string();
}

std::optional<SoundData> readSoundFile(const std::string& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) return std::nullopt;
    SoundData data;
    data.channels = info.channels;
    data.sampleRate = info.samplerate;
    const bool sane = info.channels > 0 && info.channels <= 64 && info.frames > 0 &&
                      info.frames <= (sf_count_t{1} << 31) / info.channels;
    if (sane) {
        data.samples.resize(static_cast<size_t>(info.frames * info.channels));
        const sf_count_t got = sf_readf_short(file, data.samples.data(), info.frames);
        data.samples.resize(static_cast<size_t>(std::max<sf_count_t>(got, 0) * info.channels));
    }
    sf_close(file);
    if (data.samples.empty()) return std::nullopt;
    return data;
}

} // namespace terzlab::audio
