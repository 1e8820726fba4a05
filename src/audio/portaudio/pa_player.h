#pragma once
#include "audio/play_path.h"
#include "audio/portaudio/pa_session.h"
#include "audio/wave.h"

#include <atomic>

namespace terzlab::audio {

// The sound player on the default output device, an output stream of its own per file. The
// file is read whole before its stream opens; the callback only copies from memory.
class PaPlayer final : public SoundPlayer {
  public:
    explicit PaPlayer(std::shared_ptr<PaSession> session);
    ~PaPlayer() override;
    PaPlayer(const PaPlayer&) = delete;
    PaPlayer& operator=(const PaPlayer&) = delete;

    void playLooped(const std::string& path) override;
    void playOnce(const std::string& path) override;
    void playSoundLooped(const SoundData& sound, const std::string& name) override;
    void stop() override;

  private:
    bool begin(const std::string& path, bool loop);
    bool beginSound(SoundData sound, bool loop);
    static int onAudio(const void* input, void* output, unsigned long frames,
                       const PaStreamCallbackTimeInfo* time, PaStreamCallbackFlags status,
                       void* self);
    static void onFinished(void* self);
    int fill(int16_t* out, unsigned long frames);

    std::shared_ptr<PaSession> session_;
    PaStream* stream_ = nullptr;
    SoundData sound_;
    bool loop_ = false;
    size_t position_ = 0; // frames; the callback's own once the stream runs
    std::atomic<uint32_t> finished_{0};
};

} // namespace terzlab::audio
