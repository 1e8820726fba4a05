#include "files/locations.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace terzlab {

namespace fs = std::filesystem;

namespace {

constexpr const char* kSettingsName = "Terzlab.def";
// Every build writes this one; it marks a folder that holds the stimulus files.
constexpr const char* kStimulusMarker = "pseudo.wav";
constexpr const char* kOwnFolder = "terzlab";

std::string absoluteVariable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/') return {};
    return value;
}

std::string join(const std::string& folder, const std::string& name) {
    return (fs::path(folder) / name).lexically_normal().string();
}

bool isFile(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool isFolder(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool writable(const std::string& folder) {
    return ::access(folder.c_str(), W_OK) == 0;
}

// The XDG default when the variable is not set: below the home folder.
std::string userFolder(const std::string& set, const std::string& home, const char* fallback) {
    return join(set.empty() ? join(home, fallback) : set, kOwnFolder);
}

} // namespace

UserFolders UserFoldersFromEnvironment() {
    UserFolders user{absoluteVariable("HOME"), absoluteVariable("XDG_CONFIG_HOME"),
                     absoluteVariable("XDG_DATA_HOME")};
    if (user.home.empty()) {
        const passwd* entry = ::getpwuid(::getuid());
        if (entry != nullptr && entry->pw_dir != nullptr) user.home = entry->pw_dir;
    }
    return user;
}

Locations PortableLocations(const std::string& folder) {
    return {folder, join(folder, kSettingsName), folder, {}, folder};
}

Locations FindLocations(const std::string& programFolder, const UserFolders& user) {
    const bool stimuliBeside = isFile(join(programFolder, kStimulusMarker));
    const std::string shared = join(programFolder, "../share/terzlab");
    const bool installed = !stimuliBeside && isFolder(shared);
    const bool ownsSettings = isFile(join(programFolder, kSettingsName)) || !installed;
    if (writable(programFolder) && ownsSettings) {
        Locations portable = PortableLocations(programFolder);
        if (installed) {
            portable.stimulusFolder = shared;
            portable.copyFolder = userFolder(user.dataHome, user.home, ".local/share");
        }
        return portable;
    }
    return {programFolder, join(userFolder(user.configHome, user.home, ".config"), kSettingsName),
            installed ? shared : programFolder,
            userFolder(user.dataHome, user.home, ".local/share"),
            user.home.empty() ? programFolder : user.home};
}

bool SamePath(const std::string& a, const std::string& b) {
    std::error_code error;
    const auto ca = fs::weakly_canonical(a, error);
    if (error) return a == b;
    const auto cb = fs::weakly_canonical(b, error);
    return error ? a == b : ca == cb;
}

} // namespace terzlab
