#include "audio/portaudio/pa_capture.h"

#include "audio/device_caps.h"
#include "audio/wait_word.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace terzlab::audio {

namespace {

// How often a wait looks whether the stream has died; completion itself wakes it at once.
constexpr auto kHealthCheck = std::chrono::milliseconds(20);

// A gap in the stimulus reaches the input after both streams' latencies and the sound server's
// own buffers between them, which PortAudio does not report; this covers those.
constexpr double kGapTravelMarginSeconds = 0.1;

} // namespace

PaCapture::PaCapture(std::shared_ptr<PaSession> session) : session_(std::move(session)) {}

PaCapture::~PaCapture() {
    close();
}

int PaCapture::open(int deviceIndex, const WaveFormat& format) {
    if (stream_ != nullptr) return kOpenAllocated;
    const PaDeviceIndex device = session_->inputDevice(deviceIndex);
    if (device == paNoDevice) return kOpenNoDevice;
    if (!isPcm16(format)) return kOpenBadFormat;
    const PaDeviceInfo* info = Pa_GetDeviceInfo(device);
    if (info == nullptr) return kOpenNoDevice;
    PaStreamParameters params{};
    params.device = device;
    params.channelCount = format.channels;
    params.sampleFormat = paInt16;
    params.suggestedLatency = streamLatency(info->defaultHighInputLatency);
    sampleRate_ = format.samplesPerSec;
    ring_.resize(kRingFrames, format.channels);
    const PaError err = openStream(&stream_, &params, nullptr, format.samplesPerSec, onAudio, this);
    if (err == paNoError) {
        const PaStreamInfo* stream = Pa_GetStreamInfo(stream_);
        inputLatency_ = stream != nullptr ? std::clamp(stream->inputLatency, 0.0, 10.0) : 0.0;
        return 0;
    }
    stream_ = nullptr;
    return err == paInvalidSampleRate || err == paSampleFormatNotSupported ||
                   err == paInvalidChannelCount
               ? kOpenBadFormat
               : kOpenDriverFailed;
}

void PaCapture::start() {
    if (stream_ == nullptr || running_) return;
    ring_.clear();
    gapsSeen_ = session_->stimulus().gaps.load(std::memory_order_relaxed);
    running_ = Pa_StartStream(stream_) == paNoError;
}

void PaCapture::stop() {
    // Abort waits for the callback to return: the ring is the reader's alone afterwards.
    if (stream_ != nullptr && running_) Pa_AbortStream(stream_);
    running_ = false;
}

void PaCapture::close() {
    if (stream_ == nullptr) return;
    stop();
    Pa_CloseStream(stream_);
    stream_ = nullptr;
}

int PaCapture::onAudio(const void* input, void*, unsigned long frames,
                       const PaStreamCallbackTimeInfo*, PaStreamCallbackFlags status, void* self) {
    if (input != nullptr)
        static_cast<PaCapture*>(self)->take(static_cast<const int16_t*>(input), frames,
                                            (status & paInputOverflow) != 0);
    return paContinue;
}

// The frames still to come that may carry a gap the player has just reported; none when the
// stimulus has not starved since the last call.
unsigned long PaCapture::gapFrames() {
    const StimulusWatch& stimulus = session_->stimulus();
    const uint32_t gaps = stimulus.gaps.load(std::memory_order_relaxed);
    if (gaps == gapsSeen_) return 0;
    gapsSeen_ = gaps;
    const double outputLatency = stimulus.latencyMicros.load(std::memory_order_relaxed) * 1e-6;
    const double seconds = outputLatency + inputLatency_ + kGapTravelMarginSeconds;
    return static_cast<unsigned long>(seconds * sampleRate_);
}

// Runs on the audio thread: marks, then copies and publishes. No locks, no allocation, no
// logging. A mark comes before the frames it concerns, so a reader who sees the frames sees it.
void PaCapture::take(const int16_t* input, unsigned long frames, bool overflowed) {
    const uint64_t at = ring_.written();
    // Samples were lost before these.
    if (overflowed) ring_.markGap(at);
    // The stimulus in the frames to come has a gap somewhere: they must not join a block.
    if (const unsigned long gap = gapFrames(); gap > 0) ring_.markGap(at + gap);
    ring_.write(input, frames);
}

bool PaCapture::streamLost() const {
    return stream_ == nullptr || !running_ || Pa_IsStreamActive(stream_) != 1;
}

WaitResult PaCapture::produce(size_t wanted, Clock::time_point deadline) {
    wanted = std::min(wanted, ring_.capacity());
    for (;;) {
        const uint32_t seen = ring_.signal().load(std::memory_order_acquire);
        if (ring_.available() >= wanted) return WaitResult::Done;
        if (streamLost()) return WaitResult::DeviceGone;
        const auto now = Clock::now();
        if (now >= deadline) return WaitResult::TimedOut;
        waitWhileEqual(ring_.signal(), seen,
                       std::min<Clock::duration>(deadline - now, kHealthCheck));
    }
}

} // namespace terzlab::audio
