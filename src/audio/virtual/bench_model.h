#pragma once
// The device under test and its wiring, sample by sample. Everything it needs per block is
// allocated when it is configured or given a stimulus, never while rendering.
#include "audio/play_path.h"
#include "audio/virtual/biquad.h"
#include "audio/virtual/divider_model.h"
#include "audio/virtual/virtual_card.h"

#include <random>

namespace terzlab::audio {

// The bench loudspeaker heard by a measuring microphone: a closed-box woofer-plus-tweeter with a
// second-order roll-off below the box resonance and a gentle first-order fall at the top. Its
// excursion follows the same resonance as a low-pass; the suspension's extra restoring force is
// kStiffening2 x^2 + kStiffening3 x^3 against a linear one of x (x = 1: the excursion a full-scale
// drive holds at low frequencies). At the sweep's usual -6 dBFS this gives some 2 % THD at the
// resonance, falling with the fourth power of the frequency above it.
inline constexpr double kBoxResonanceHz = 50.0;
inline constexpr double kBoxQ = 0.8;
inline constexpr double kTopCornerHz = 16000.0;
inline constexpr double kStiffening2 = 0.1;
inline constexpr double kStiffening3 = 1.0;
// The floor's reflection loses its top above this corner (first order).
inline constexpr double kFloorCornerHz = 5000.0;

class BenchModel {
  public:
    BenchModel();
    void configure(double sampleRate); // clears all filter state
    void setWiring(const BenchWiring& wiring);
    void setSettings(const BenchSettings& wanted);
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
    double loudspeaker(double drive);
    double inRoom(double direct);
    void configureRoom(); // clears the room's state
    double delayed(double response);
    int16_t quantise(double value) const;
    void configureDivider(); // clears the divider's state

    double sampleRate_ = 44100.0;
    BenchWiring wiring_;
    BenchSettings settings_;
    Biquad speakerLow_, speakerTop_, excursion_;
    double lastExcursion_ = 0.0;
    Biquad floor_;
    std::vector<double> reflectionLine_; // empty: no room
    size_t reflectionPos_ = 0;
    DividerModel divider_;
    DriverImpedance driver_; // the bench loudspeaker without added mass
    void configureDelay();
    std::vector<double> delayLine_;
    size_t delayFrames_ = 0; // the device's and the acoustic delay together
    size_t delayWrite_ = 0;
    SoundData stimulus_;
    size_t stimulusPos_ = 0;
    std::mt19937_64 random_;
    std::normal_distribution<double> gauss_;
};

} // namespace terzlab::audio
