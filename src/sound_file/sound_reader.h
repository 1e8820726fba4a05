#pragma once
// A sound file read a piece at a time, as 16-bit interleaved samples, through libsndfile.
#include <cstdint>
#include <string>

struct sf_private_tag;

namespace terzlab::sound_file {

class SoundReader {
  public:
    SoundReader() = default;
    ~SoundReader();
    SoundReader(const SoundReader&) = delete;
    SoundReader& operator=(const SoundReader&) = delete;

    // False when the file is missing or no sound file libsndfile knows; error() says why.
    bool open(const std::string& path);
    const std::string& error() const { return error_; }
    int sampleRate() const { return sampleRate_; }
    int channels() const { return channels_; }
    int64_t frames() const { return frames_; }
    // A WAV file of 16-bit PCM samples.
    bool isPcm16Wav() const { return pcm16Wav_; }

    // Floating-point samples beyond full scale saturate, as a converter's do, instead of
    // wrapping around.
    void clipAtFullScale();
    bool seek(int64_t frame);
    // Reads up to `frames` frames; returns how many it read.
    int64_t readSome(int16_t* interleaved, int64_t frames);

  private:
    sf_private_tag* file_ = nullptr;
    std::string error_;
    int sampleRate_ = 0;
    int channels_ = 0;
    int64_t frames_ = 0;
    bool pcm16Wav_ = false;
};

} // namespace terzlab::sound_file
