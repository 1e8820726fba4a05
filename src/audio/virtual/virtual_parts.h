#pragma once
// The device list, capture device and player of the virtual sound card.
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

// On virtual time a queued buffer is filled the moment it is queued (or the device started);
// in real time it is filled when a real card would have delivered it, inside waitDone.
class VirtualCapture final : public CaptureDevice {
  public:
    explicit VirtualCapture(std::shared_ptr<VirtualCore> core) : core_(std::move(core)) {}
    int open(int deviceIndex, const WaveFormat& format) override;
    void prepare(WaveHeader&) override {}
    void addBuffer(WaveHeader& header) override;
    void start() override;
    void reset() override { queued_ = nullptr; }
    void stop() override { running_ = false; }
    void unprepare(WaveHeader&) override {}
    void close() override;
    bool isOpen() const override { return open_; }
    WaitResult waitDone(WaveHeader& header, double timeoutSeconds) override;
    int blocksStartedOver() const override { return startedOver_; }

  private:
    using Clock = std::chrono::steady_clock;
    bool virtualTime() const { return core_->options().timing == Timing::Virtual; }
    bool canComplete() const;
    int overflowsPerBlock() const;
    int underflowsPerBlock() const;
    bool startsOver() const { return overflowsPerBlock() + underflowsPerBlock() > 0; }
    double fillSeconds(const WaveHeader& header) const;
    void complete();
    void catchUp();
    WaitResult waitRealTime(WaveHeader& header, double timeoutSeconds);

    std::shared_ptr<VirtualCore> core_;
    bool open_ = false;
    bool running_ = false;
    int channels_ = 2;
    double sampleRate_ = 44100.0;
    WaveHeader* queued_ = nullptr;
    Clock::time_point queuedAt_{};
    Clock::time_point heardUntil_{};
    int startedOver_ = 0;
};

class VirtualPlayer final : public SoundPlayer {
  public:
    explicit VirtualPlayer(std::shared_ptr<VirtualCore> core) : core_(std::move(core)) {}
    void playLooped(const std::string& path) override;
    void playOnce(const std::string& path) override;
    void stop() override { core_->stopPlaying(); }

  private:
    std::shared_ptr<VirtualCore> core_;
};

} // namespace terzlab::audio
