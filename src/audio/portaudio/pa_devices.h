#pragma once
#include "audio/portaudio/pa_session.h"
#include "audio/wave.h"

#include <optional>

namespace terzlab::audio {

// The device lists of a PortAudio card. A device counts as usable (formats not 0) when it
// takes 44.1 kHz, 16 bit, stereo; probing opens the device, so each record is built once.
class PaDeviceList final : public DeviceList {
  public:
    explicit PaDeviceList(std::shared_ptr<PaSession> session);
    int inputCount() override { return session_->inputCount(); }
    DeviceCaps inputCaps(int index) override;
    int outputCount() override { return session_->outputCount(); }
    DeviceCaps outputCaps(int index) override;

  private:
    std::shared_ptr<PaSession> session_;
    std::vector<std::optional<DeviceCaps>> inputCache_;
    std::vector<std::optional<DeviceCaps>> outputCache_;
};

} // namespace terzlab::audio
