#include "sound_file/float_sound.h"

#include <cstring>
#include <sndfile.h>

namespace terzlab::sound_file {

std::vector<float> FloatSound::Channel(int channel) const {
    std::vector<float> out;
    if (Channels <= 0) return out;
    out.reserve(Interleaved.size() / static_cast<std::size_t>(Channels));
    for (std::size_t i = static_cast<std::size_t>(channel); i < Interleaved.size();
         i += static_cast<std::size_t>(Channels))
        out.push_back(Interleaved[i]);
    return out;
}

std::optional<FloatSound> readFloatSound(const std::string& path, FloatReadFault& fault,
                                         std::string& reason) {
    fault = FloatReadFault::None;
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) {
        fault = FloatReadFault::Unreadable;
        reason = sf_strerror(nullptr);
        return std::nullopt;
    }
    // At most a minute at 384 kHz in stereo: a longer file is no recording of one sweep.
    constexpr sf_count_t maxFrames = sf_count_t{60} * 384000;
    if ((info.channels != 1 && info.channels != 2) || info.frames <= 0 || info.frames > maxFrames) {
        sf_close(file);
        fault = FloatReadFault::NotMonoOrStereo;
        return std::nullopt;
    }
    FloatSound sound{.SampleRate = info.samplerate, .Channels = info.channels, .Interleaved = {}};
    sound.Interleaved.resize(static_cast<std::size_t>(info.frames * info.channels));
    const sf_count_t read = sf_readf_float(file, sound.Interleaved.data(), info.frames);
    sf_close(file);
    if (read != info.frames) {
        fault = FloatReadFault::Truncated;
        return std::nullopt;
    }
    return sound;
}

namespace {

void put(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

} // namespace

std::string floatWavImage(const std::vector<float>& samples, int32_t sampleRate) {
    const auto dataBytes = static_cast<uint32_t>(samples.size() * 4);
    std::string out = "RIFF";
    put(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    put(out, 16, 4);
    put(out, 3, 2); // IEEE float
    put(out, 1, 2); // mono
    put(out, static_cast<uint32_t>(sampleRate), 4);
    put(out, static_cast<uint32_t>(sampleRate) * 4, 4);
    put(out, 4, 2);
    put(out, 32, 2);
    out += "data";
    put(out, dataBytes, 4);
    for (const float s : samples) {
        uint32_t bits = 0;
        std::memcpy(&bits, &s, 4);
        put(out, bits, 4);
    }
    return out;
}

} // namespace terzlab::sound_file
