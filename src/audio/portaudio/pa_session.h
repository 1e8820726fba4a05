#pragma once
// One PortAudio initialisation shared by a card's device list, capture device and player, with
// the card's input and output devices in the order the lists show them.
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <memory>
#include <portaudio.h>
#include <vector>

namespace terzlab::audio {

// The shortest latency either stream asks for. The ALSA plugins of PulseAudio and PipeWire
// offer 0.035 s as their high latency; at 0.02 s and below the player starved under load (gaps
// in the stimulus, wrong levels), at 0.05 s it did not, and runs took no longer.
inline constexpr double kMinStreamLatencySeconds = 0.05;

inline double streamLatency(double deviceHighLatency) {
    return std::max(deviceHighLatency, kMinStreamLatencySeconds);
}

// Opens a stream as Pa_OpenStream does. A sound server may refuse a new stream for a moment
// while it still tears down the one a run has just closed: an open that fails for another cause
// than the format is tried a few times more, 0.1 s apart (0.3 s at most).
PaError openStream(PaStream** stream, const PaStreamParameters* input,
                   const PaStreamParameters* output, double sampleRate, PaStreamCallback* callback,
                   void* user);

// What the player's callback tells the capture's: how often the stimulus starved (an output
// underflow left a gap in it) and how long the output stream takes from callback to converter.
struct StimulusWatch {
    std::atomic<uint32_t> gaps{0};
    std::atomic<uint32_t> latencyMicros{0};
};

class PaSession {
  public:
    PaSession();
    ~PaSession();
    PaSession(const PaSession&) = delete;
    PaSession& operator=(const PaSession&) = delete;

    bool ok() const { return ok_; }
    // PortAudio's index of the n-th input (output) device, or paNoDevice.
    PaDeviceIndex inputDevice(int n) const;
    PaDeviceIndex outputDevice(int n) const;
    int inputCount() const { return static_cast<int>(inputs_.size()); }
    int outputCount() const { return static_cast<int>(outputs_.size()); }
    StimulusWatch& stimulus() { return stimulus_; }

  private:
    bool ok_ = false;
    std::vector<PaDeviceIndex> inputs_;
    std::vector<PaDeviceIndex> outputs_;
    StimulusWatch stimulus_;
};

} // namespace terzlab::audio
