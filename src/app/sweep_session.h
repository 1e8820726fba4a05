#pragma once
// The window's swept-sine measurement without the window: the sweep made at the device's rate,
// the frames of a run as they are read, the repetitions averaged, and the measured response
// gated and analysed again whenever the gate changes.
#include "files/settings.h"
#include "sound_file/sound_file.h"
#include "sweep/distortion.h"
#include "sweep/sweep_analysis.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace terzlab::app {

sweep::SweepSettings SweepSettingsOf(const SweepFields& fields, int32_t sampleRate);
sweep::Gate GateOf(const SweepFields& fields);

// One run under way: the played period is the sweep, its silence for the tail and a pause that
// lets the last repetition be read before the looped player begins the sweep again.
struct SweepCapture {
    sweep::SweepShape Shape;
    std::vector<int16_t> Period; // as played, one channel
    int Repetitions = 1;
    int Channels = 2;
    int Channel = 0;             // the microphone
    bool Loopback = false;       // the other input holds the played signal
    std::vector<int16_t> Frames; // interleaved, as read
    int IdleSteps = 0;           // steps in a row that found no new frame

    explicit SweepCapture(const SweepFields& fields, int32_t sampleRate, int channels, int channel);
    std::size_t FramesWanted() const;
    std::size_t FramesRead() const;
    // The repetition now being recorded, from 1.
    int RepetitionNow() const;
    // The microphone's or the loopback's channel where two samples in a row reach full scale in
    // any repetition (the average would hide a clipped one among clean ones).
    std::optional<int> ClippedChannel() const;
    // A channel cut into the repetitions and averaged, as floating point.
    std::vector<float> Averaged(int channel) const;
    // The stereo 16-bit sound the player loops.
    sound_file::SoundData Sound() const;
};

struct SweepMeasured {
    sweep::SweepShape Shape;
    std::vector<float> Played;   // one period, or the loopback's average
    std::vector<float> Recorded; // the repetitions' average
    sweep::Gate GateSettings;
    sweep::SweepResult Result;
    std::vector<sweep::DistortionRow> Distortion;

    // The impulse response is there (the gate may still have been refused).
    bool HasImpulse() const;
    // The gated response is there too.
    bool HasResponse() const;
    // Deconvolves, finds the arrival, gates and works out the distortion; Result.Error says why
    // not.
    void Analyse(sweep::RealTransform& transform);
};

struct SweepSession {
    std::optional<SweepCapture> Capture; // the run under way
    std::optional<SweepMeasured> Measured;
    sweep::OwnRealFft Transform;
};

} // namespace terzlab::app
