#pragma once
// The device list, capture device and player of the virtual sound card.
#include "audio/capture_stream.h"
#include "audio/virtual/virtual_core.h"

#include <chrono>

namespace terzlab::audio {

class VirtualDeviceList final : public DeviceList {
  public:
    explicit VirtualDeviceList(std::shared_ptr<VirtualCore> core) : core_(std::move(core)) {}
    int inputCount() override;
    DeviceCaps inputCaps(int index) override;
    int outputCount() override;
    DeviceCaps outputCaps(int index) override;

  private:
    std::shared_ptr<VirtualCore> core_;
};

// The capture stream of the virtual card. On virtual time frames are made the moment a reader
// asks for them; in real time they come when a real card would have delivered them, and the
// bench runs on through a reader's pause. A block read whole meets the faults the options ask
// for: each is a gap that makes it begin again.
class VirtualCapture final : public CaptureStream {
  public:
    explicit VirtualCapture(std::shared_ptr<VirtualCore> core) : core_(std::move(core)) {}
    int open(int deviceIndex, const WaveFormat& format) override;
    void start() override;
    void stop() override { running_ = false; }
    void close() override;
    bool isOpen() const override { return open_; }
    WaitResult readUnbroken(std::span<int16_t> out, double timeoutSeconds) override;

  private:
    bool virtualTime() const { return core_->options().timing == Timing::Virtual; }
    bool canComplete() const;
    int overflowsPerBlock() const;
    int underflowsPerBlock() const;
    WaitResult produce(size_t wanted, Clock::time_point deadline) override;
    void catchUp() override;
    void deliver(size_t frames);

    std::shared_ptr<VirtualCore> core_;
    bool open_ = false;
    bool running_ = false;
    double sampleRate_ = 44100.0;
    Clock::time_point heardUntil_{};
    // Faults still to meet by the block being read.
    int overflowsDue_ = 0;
    int underflowsDue_ = 0;
};

class VirtualPlayer final : public SoundPlayer {
  public:
    explicit VirtualPlayer(std::shared_ptr<VirtualCore> core) : core_(std::move(core)) {}
    void playLooped(const std::string& path) override;
    void playOnce(const std::string& path) override;
    void playSoundLooped(const SoundData& sound, const std::string& name) override;
    void stop() override { core_->stopPlaying(); }

  private:
    std::shared_ptr<VirtualCore> core_;
};

} // namespace terzlab::audio
