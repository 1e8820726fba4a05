#pragma once
// The device under test and its wiring, sample by sample. Everything it needs per block is
// allocated when it is configured or given a stimulus, never while rendering.
#include "audio/play_path.h"
#include "audio/virtual/biquad.h"
#include "audio/virtual/divider_model.h"
#include "audio/virtual/virtual_card.h"

#include <random>

namespace terzlab::audio {

class BenchModel {
  public:
    BenchModel();
    void configure(double sampleRate); // clears all filter state
    void setWiring(const BenchWiring& wiring);
    void setSettings(const BenchSettings& settings);
    const BenchSettings& settings() const { return settings_; }

    // The looped drive signal: the file's first channel. An empty stimulus drives nothing.
    void setStimulus(SoundData stimulus);
    void clearStimulus() { stimulus_ = {}; }

    // Writes `frames` interleaved frames of `channels` (1 or 2) channels.
    void render(int16_t* out, size_t frames, int channels);
    // Lets time pass without anyone listening: the stimulus and the filters run on.
    void skip(size_t frames);

  private:
    struct Frame {
        double left;
        double right;
    };
    Frame step();
    double nextDrive();
    double delayed(double response);
    int16_t quantise(double value) const;
    void configureDivider(); // clears the divider's state

    double sampleRate_ = 44100.0;
    BenchWiring wiring_;
    BenchSettings settings_;
    Biquad speakerLow_, speakerTop_;
    DividerModel divider_;
    DriverImpedance driver_; // the bench loudspeaker without added mass
    std::vector<double> delayLine_;
    size_t delayWrite_ = 0;
    SoundData stimulus_;
    size_t stimulusPos_ = 0;
    std::mt19937_64 random_;
    std::normal_distribution<double> gauss_;
};

} // namespace terzlab::audio
