#include "audio/play_path.h"

#include <algorithm>
#include <filesystem>
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

} // namespace terzlab::audio
