#pragma once
// The sweep analysis's sound files: a whole recording read as floating point, with the reason in
// the user's language when it cannot be, and the impulse response written as mono 32-bit float
// WAV.
#include "sound_file/float_sound.h"

#include <optional>
#include <string>

namespace terzlab::analyze {

using WholeSound = sound_file::FloatSound;
using sound_file::floatWavImage;

// Any file libsndfile reads, mono or stereo; the error is one line.
std::optional<WholeSound> ReadWholeSound(const std::string& path, std::string& error);

} // namespace terzlab::analyze
