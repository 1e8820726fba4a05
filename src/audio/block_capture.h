#pragma once
// The one-buffer capture of a block-mode run over a capture stream: a queued buffer is filled
// with the first unbroken block that begins after it was queued; what arrives while no buffer
// is queued is let go.
#include "audio/capture_stream.h"

namespace terzlab::audio {

class BlockCapture final : public CaptureDevice {
  public:
    explicit BlockCapture(CaptureStream& stream) : stream_(stream) {}
    int open(int deviceIndex, const WaveFormat& format) override;
    void prepare(WaveHeader&) override {}
    void addBuffer(WaveHeader& header) override;
    void start() override { stream_.start(); }
    void reset() override;
    void stop() override { stream_.stop(); }
    void unprepare(WaveHeader&) override {}
    void close() override;
    bool isOpen() const override { return stream_.isOpen(); }
    WaitResult waitDone(WaveHeader& header, double timeoutSeconds) override;
    int blocksStartedOver() const override { return stream_.blocksStartedOver(); }

  private:
    CaptureStream& stream_;
    WaveHeader* queued_ = nullptr;
};

} // namespace terzlab::audio
