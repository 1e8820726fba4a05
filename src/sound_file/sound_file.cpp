#include "sound_file/sound_file.h"

#include "sound_file/sound_reader.h"

#include <cstdio>
#include <fstream>

namespace terzlab::sound_file {

namespace {

// Little-endian, `bytes` bytes.
void put(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFFu);
}

} // namespace

std::optional<SoundData> readSoundFile(const std::string& path) {
    SoundReader reader;
    if (!reader.open(path)) return std::nullopt;
    SoundData data{.samples = {}, .channels = reader.channels(), .sampleRate = reader.sampleRate()};
    const int64_t frames = reader.frames();
    const bool sane = data.channels > 0 && data.channels <= 64 && frames > 0 &&
                      frames <= (int64_t{1} << 31) / data.channels;
    if (sane) {
        data.samples.resize(static_cast<size_t>(frames * data.channels));
        data.samples.resize(static_cast<size_t>(reader.readSome(data.samples.data(), frames)) *
                            static_cast<size_t>(data.channels));
    }
    if (data.samples.empty()) return std::nullopt;
    return data;
}

std::string wavImage(const SoundData& sound) {
    const auto channels = static_cast<uint32_t>(sound.channels);
    const auto rate = static_cast<uint32_t>(sound.sampleRate);
    const auto dataBytes = static_cast<uint32_t>(sound.samples.size() * sizeof(int16_t));
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    put(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    put(out, 16, 4);
    put(out, 1, 2); // PCM
    put(out, channels, 2);
    put(out, rate, 4);
    put(out, rate * channels * 2, 4); // bytes per second
    put(out, channels * 2, 2);        // bytes per frame
    put(out, 16, 2);                  // bits per sample
    out += "data";
    put(out, dataBytes, 4);
    for (const int16_t sample : sound.samples)
        put(out, static_cast<uint16_t>(sample), 2);
    return out;
}

bool writeWav(const std::string& path, const SoundData& sound) {
    const std::string image = wavImage(sound);
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(image.data(), static_cast<std::streamsize>(image.size()));
        out.close();
        if (!out) {
            std::remove(temp.c_str());
            return false;
        }
    }
    return std::rename(temp.c_str(), path.c_str()) == 0;
}

} // namespace terzlab::sound_file
