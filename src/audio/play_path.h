#pragma once
// What both sound players share: finding a file the way the system player does, and reading it
// whole into memory (the sound-file module's reader).
#include "sound_file/sound_file.h"

#include <optional>
#include <string>

namespace terzlab::audio {

using sound_file::readSoundFile;
using sound_file::SoundData;

// Trailing blanks are dropped; a bare name (no folder part) is looked up in `programFolder`,
// anything else is taken as it stands. Backslashes count as folder separators. Returns the path
// of an existing regular file, or nothing.
std::optional<std::string> resolvePlayPath(const std::string& programFolder,
                                           const std::string& name);

} // namespace terzlab::audio
