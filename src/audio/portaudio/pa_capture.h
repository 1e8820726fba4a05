#pragma once
#include "audio/capture_stream.h"
#include "audio/portaudio/pa_session.h"

namespace terzlab::audio {

// Capture through an input stream of its own. The stream runs from start to stop; its callback
// writes every frame into the ring and marks where frames were lost or the stimulus had a gap.
class PaCapture final : public CaptureStream {
  public:
    explicit PaCapture(std::shared_ptr<PaSession> session);
    ~PaCapture() override;
    PaCapture(const PaCapture&) = delete;
    PaCapture& operator=(const PaCapture&) = delete;

    int open(int deviceIndex, const WaveFormat& format) override;
    void start() override;
    void stop() override;
    void close() override;
    bool isOpen() const override { return stream_ != nullptr; }

  private:
    WaitResult produce(size_t wanted, Clock::time_point deadline) override;
    static int onAudio(const void* input, void* output, unsigned long frames,
                       const PaStreamCallbackTimeInfo* time, PaStreamCallbackFlags status,
                       void* self);
    void take(const int16_t* input, unsigned long frames, bool overflowed);
    unsigned long gapFrames();
    bool streamLost() const;

    std::shared_ptr<PaSession> session_;
    PaStream* stream_ = nullptr;
    bool running_ = false;
    double sampleRate_ = 44100.0;
    double inputLatency_ = 0.0;
    // The callback's own while the stream runs: the player's gap count it has seen.
    uint32_t gapsSeen_ = 0;
};

} // namespace terzlab::audio
