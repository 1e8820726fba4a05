#include "audio/portaudio/pa_player.h"

#include "audio/wait_word.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace terzlab::audio {

namespace {

// A file played once ends the wait this long after its nominal length even when the stream
// never reports its end, so a stalled output cannot hang the program.
constexpr double kOnceGraceSeconds = 2.0;

} // namespace

PaPlayer::PaPlayer(std::shared_ptr<PaSession> session) : session_(std::move(session)) {}

PaPlayer::~PaPlayer() {
    stop();
}

void PaPlayer::stop() {
    if (stream_ == nullptr) return;
    Pa_AbortStream(stream_);
    Pa_CloseStream(stream_);
    stream_ = nullptr;
}

bool PaPlayer::begin(const std::string& path, bool loop) {
    stop();
    const auto file = resolvePlayPath(programFolder(), path);
    if (!file) return false;
    auto sound = readSoundFile(*file);
    return sound && beginSound(std::move(*sound), loop);
}

bool PaPlayer::beginSound(SoundData sound, bool loop) {
    stop();
    const PaDeviceIndex device = Pa_GetDefaultOutputDevice();
    if (sound.sampleRate <= 0 || sound.channels <= 0 || !session_->ok() || device == paNoDevice)
        return false;
    const PaDeviceInfo* info = Pa_GetDeviceInfo(device);
    if (info == nullptr) return false;
    sound_ = std::move(sound);
    loop_ = loop;
    position_ = 0;
    finished_.store(0, std::memory_order_relaxed);
    PaStreamParameters params{};
    params.device = device;
    params.channelCount = sound_.channels;
    params.sampleFormat = paInt16;
    params.suggestedLatency = streamLatency(info->defaultHighOutputLatency);
    if (openStream(&stream_, nullptr, &params, sound_.sampleRate, onAudio, this) != paNoError) {
        stream_ = nullptr;
        return false;
    }
    Pa_SetStreamFinishedCallback(stream_, onFinished);
    if (const PaStreamInfo* stream = Pa_GetStreamInfo(stream_))
        session_->stimulus().latencyMicros.store(
            static_cast<uint32_t>(std::clamp(stream->outputLatency, 0.0, 10.0) * 1e6),
            std::memory_order_relaxed);
    if (Pa_StartStream(stream_) != paNoError) {
        stop();
        return false;
    }
    return true;
}

void PaPlayer::playLooped(const std::string& path) {
    begin(path, true);
}

void PaPlayer::playSoundLooped(const SoundData& sound, const std::string&) {
    beginSound(sound, true);
}

void PaPlayer::playOnce(const std::string& path) {
    if (!begin(path, false)) return;
    using Clock = std::chrono::steady_clock;
    const double seconds =
        static_cast<double>(sound_.frames()) / sound_.sampleRate + kOnceGraceSeconds;
    const auto deadline = Clock::now() + secondsToDuration(seconds);
    while (finished_.load(std::memory_order_acquire) == 0) {
        const auto now = Clock::now();
        if (now >= deadline) break;
        waitWhileEqual(finished_, 0, deadline - now);
    }
    stop();
}

int PaPlayer::onAudio(const void*, void* output, unsigned long frames,
                      const PaStreamCallbackTimeInfo*, PaStreamCallbackFlags status, void* self) {
    auto* player = static_cast<PaPlayer*>(self);
    // The output ran dry before this call: the listener heard a gap in the stimulus.
    if ((status & paOutputUnderflow) != 0)
        player->session_->stimulus().gaps.fetch_add(1, std::memory_order_relaxed);
    return player->fill(static_cast<int16_t*>(output), frames);
}

// Runs on the audio thread: copies from memory only.
int PaPlayer::fill(int16_t* out, unsigned long frames) {
    const size_t channels = static_cast<size_t>(sound_.channels);
    const size_t total = sound_.frames();
    size_t done = 0;
    while (done < frames) {
        if (position_ >= total) {
            if (!loop_) break;
            position_ = 0;
        }
        const size_t n = std::min<size_t>(frames - done, total - position_);
        std::memcpy(out + done * channels, sound_.samples.data() + position_ * channels,
                    n * channels * sizeof(int16_t));
        done += n;
        position_ += n;
    }
    std::memset(out + done * channels, 0, (frames - done) * channels * sizeof(int16_t));
    return done < frames ? paComplete : paContinue;
}

void PaPlayer::onFinished(void* self) {
    auto* player = static_cast<PaPlayer*>(self);
    player->finished_.store(1, std::memory_order_release);
    wakeWaiters(player->finished_);
}

} // namespace terzlab::audio
