// The start command's check of a stimulus WAV and the in-place rewrite of its rate field. The
// rewrite touches a file the user owns, so beyond not crashing it must change exactly the four
// rate bytes of a file the check accepts, and nothing at all of any other file.
#include "audio/stimulus.h"
#include "fuzz_input.h"

#include <iterator>
#include <vector>

using namespace terzlab;

namespace {

std::vector<char> contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void require(bool condition) {
    if (!condition) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = fuzz::WriteInput(data, size, "stimulus.wav");
    const bool valid = audio::isValidStimulusWav(path.string());
    const uint32_t rate = size % 2 == 0 ? 48000 : 44100;
    const std::vector<char> before = contents(path);
    const audio::RateAdaptResult result = audio::adaptSampleRate(path.string(), rate);
    const std::vector<char> after = contents(path);
    require(after.size() == before.size());
    if (result != audio::RateAdaptResult::Rewritten) {
        require(after == before);
    } else {
        for (size_t i = 0; i < after.size(); ++i)
            require((i >= 24 && i < 28) || after[i] == before[i]);
        require(static_cast<unsigned char>(after[24]) == (rate & 0xFF) &&
                static_cast<unsigned char>(after[25]) == ((rate >> 8) & 0xFF));
    }
    // A file the check accepted stays acceptable with its new rate: the player reads it next.
    if (valid) {
        require(result != audio::RateAdaptResult::NotWritable);
        require(audio::isValidStimulusWav(path.string()));
    }
    return 0;
}
