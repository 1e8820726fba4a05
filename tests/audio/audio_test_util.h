#pragma once
// Helpers of the audio tests: tone files written on the spot, a capture run on the virtual
// card, and the amplitude and phase of one frequency in a captured block.
#include "audio/virtual/virtual_card.h"
#include "support/temp_folder.h"
#include "support/wav_file.h"

#include <cmath>
#include <complex>
#include <cstdint>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

namespace terzlab::audio::testing {

// A sum of sines on whole hertz: one second of it loops without a seam.
inline void writeTones(const std::filesystem::path& path, const std::vector<double>& freqs,
                       double amplitude) {
    std::vector<int16_t> samples;
    for (size_t i = 0; i < 44100; ++i) {
        double v = 0.0;
        for (double f : freqs)
            v +=
                amplitude * std::sin(2.0 * std::numbers::pi * f * static_cast<double>(i) / 44100.0);
        samples.insert(samples.end(), 2, static_cast<int16_t>(std::lround(v * 32767.0)));
    }
    test::writeWav(path.string(), samples);
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

using test::TempFolder;

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
