#pragma once
// Helpers of the audio tests: stimulus files written on the spot, a capture run on the virtual
// card, and the amplitude and phase of one frequency in a captured block.
#include "audio/virtual/virtual_card.h"

#include <cmath>
#include <complex>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numbers>
#include <string>
#include <unistd.h>
#include <vector>

namespace terzlab::audio::testing {

// A canonical 16-bit stereo WAV file; `sample(frame)` gives both channels' value in full scale.
inline void writeWav(const std::filesystem::path& path, size_t frames,
                     const std::function<double(size_t)>& sample, uint32_t rate = 44100) {
    std::ofstream out(path, std::ios::binary);
    const auto put = [&](uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    const auto dataBytes = static_cast<uint32_t>(frames * 4);
    out.write("RIFF", 4);
    put(36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    for (auto [value, bytes] :
         {std::pair{16u, 4}, {1u, 2}, {2u, 2}, {rate, 4}, {rate * 4, 4}, {4u, 2}, {16u, 2}})
        put(value, bytes);
    out.write("data", 4);
    put(dataBytes, 4);
    for (size_t i = 0; i < frames; ++i) {
        const auto v = static_cast<uint16_t>(std::lround(sample(i) * 32767.0));
        put(v | (uint32_t{v} << 16), 4);
    }
}

// A sum of sines on whole hertz: one second of it loops without a seam.
inline void writeTones(const std::filesystem::path& path, const std::vector<double>& freqs,
                       double amplitude) {
    writeWav(path, 44100, [&](size_t i) {
        double v = 0.0;
        for (double f : freqs)
            v +=
                amplitude * std::sin(2.0 * std::numbers::pi * f * static_cast<double>(i) / 44100.0);
        return v;
    });
}

// Complex amplitude (full scale = 1) of `freq` in one channel; exact when the block holds whole
// periods.
inline std::complex<double> toneOf(const std::vector<int16_t>& block, int channel, double freq,
                                   double rate = 44100.0) {
    const size_t frames = block.size() / 2;
    std::complex<double> sum;
    for (size_t i = 0; i < frames; ++i) {
        const double w = 2.0 * std::numbers::pi * freq * static_cast<double>(i) / rate;
        sum += block[i * 2 + static_cast<size_t>(channel)] / 32768.0 * std::polar(1.0, -w);
    }
    return sum * (2.0 / static_cast<double>(frames));
}

// A private folder for the files of one test, removed afterwards.
class TempFolder {
  public:
    TempFolder() {
        path_ = std::filesystem::temp_directory_path() /
                ("terzlab_audio_" + std::to_string(::getpid()) + "_" +
                 std::to_string(reinterpret_cast<uintptr_t>(this)));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

// Opens the card's capture at 44.1 kHz stereo and captures blocks of `frames` frames.
class Recorder {
  public:
    Recorder(SoundCard& card, size_t frames) : card_(card), buffer_(frames * 2) {
        header_.data = buffer_.data();
        header_.bufferLength = static_cast<uint32_t>(buffer_.size() * sizeof(int16_t));
    }
    int open(int device = 0, const WaveFormat& format = {}) {
        const int result = card_.capture->open(device, format);
        if (result == 0) {
            card_.capture->prepare(header_);
            card_.capture->start();
        }
        return result;
    }
    WaitResult next(double timeout = 1.0) {
        card_.capture->addBuffer(header_);
        return card_.capture->waitDone(header_, timeout);
    }
    const std::vector<int16_t>& block() const { return buffer_; }
    WaveHeader& header() { return header_; }

  private:
    SoundCard& card_;
    std::vector<int16_t> buffer_;
    WaveHeader header_;
};

} // namespace terzlab::audio::testing
