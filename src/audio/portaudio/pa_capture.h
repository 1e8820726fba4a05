#pragma once
#include "audio/portaudio/pa_session.h"
#include "audio/wave.h"

#include <atomic>

namespace terzlab::audio {

// Capture through an input stream of its own. The stream runs from open to reset; its callback
// fills the one queued buffer and drops samples while none is queued.
class PaCapture final : public CaptureDevice {
  public:
    explicit PaCapture(std::shared_ptr<PaSession> session);
    ~PaCapture() override;
    PaCapture(const PaCapture&) = delete;
    PaCapture& operator=(const PaCapture&) = delete;

    int open(int deviceIndex, const WaveFormat& format) override;
    void prepare(WaveHeader&) override {}
    void addBuffer(WaveHeader& header) override;
    void start() override;
    void reset() override;
    void stop() override;
    void unprepare(WaveHeader&) override {}
    void close() override;
    bool isOpen() const override { return stream_ != nullptr; }
    WaitResult waitDone(WaveHeader& header, double timeoutSeconds) override;
    int blocksStartedOver() const override {
        return static_cast<int>(blocksStartedOver_.load(std::memory_order_relaxed));
    }

  private:
    static int onAudio(const void* input, void* output, unsigned long frames,
                       const PaStreamCallbackTimeInfo* time, PaStreamCallbackFlags status,
                       void* self);
    void take(const int16_t* input, unsigned long frames, bool overflowed);
    unsigned long gapFrames();
    bool streamLost() const;

    std::shared_ptr<PaSession> session_;
    PaStream* stream_ = nullptr;
    bool running_ = false;
    uint32_t channels_ = 2;
    double sampleRate_ = 44100.0;
    double inputLatency_ = 0.0;

    // Handed to the callback: the fields below are written while `queued_` is null and
    // published by storing the header with release order; the callback clears `queued_` before
    // it sets the done bit.
    std::atomic<WaveHeader*> queued_{nullptr};
    int16_t* target_ = nullptr;
    size_t targetSamples_ = 0;
    size_t written_ = 0;
    // The callback's own: the player's gap count it has seen and the frames it still drops
    // because a gap may be in them.
    uint32_t gapsSeen_ = 0;
    unsigned long holdFrames_ = 0;
    std::atomic<uint32_t> blocksStartedOver_{0};
};

} // namespace terzlab::audio
