#pragma once
// One PortAudio initialisation shared by a card's device list, capture device and player, with
// the card's input and output devices in the order the lists show them.
#include <memory>
#include <portaudio.h>
#include <vector>

namespace terzlab::audio {

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

  private:
    bool ok_ = false;
    std::vector<PaDeviceIndex> inputs_;
    std::vector<PaDeviceIndex> outputs_;
};

} // namespace terzlab::audio
