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
    channels_ = format.channels;
    sampleRate_ = format.samplesPerSec;
    queued_.store(nullptr, std::memory_order_relaxed);
    const PaError err = openStream(&stream_, &params, nullptr, format.samplesPerSec, onAudio, this);
    if (err == paNoError) {
        const PaStreamInfo* stream = Pa_GetStreamInfo(stream_);
        inputLatency_ = stream != nullptr ? std::clamp(stream->inputLatency, 0.0, 10.0) : 0.0;
        gapsSeen_ = session_->stimulus().gaps.load(std::memory_order_relaxed);
        holdFrames_ = 0;
        return 0;
    }
    stream_ = nullptr;
    return err == paInvalidSampleRate || err == paSampleFormatNotSupported ||
                   err == paInvalidChannelCount
               ? kOpenBadFormat
               : kOpenDriverFailed;
}

void PaCapture::addBuffer(WaveHeader& header) {
    if (stream_ == nullptr || queued_.load(std::memory_order_acquire) != nullptr) return;
    header.flags.fetch_and(~kHeaderDone, std::memory_order_relaxed);
    const size_t samples = header.bufferLength / sizeof(int16_t);
    const size_t whole = samples - samples % channels_;
    if (header.data == nullptr || whole == 0) return;
    target_ = header.data;
    targetSamples_ = whole;
    written_ = 0;
    queued_.store(&header, std::memory_order_release);
}

void PaCapture::start() {
    if (stream_ != nullptr && !running_) running_ = Pa_StartStream(stream_) == paNoError;
}

void PaCapture::reset() {
    if (stream_ == nullptr) return;
    // Abort waits for the callback to return, so the buffer is ours again afterwards.
    if (running_) Pa_AbortStream(stream_);
    running_ = false;
    queued_.store(nullptr, std::memory_order_relaxed);
}

void PaCapture::stop() {
    if (stream_ != nullptr && running_) Pa_StopStream(stream_);
    running_ = false;
}

void PaCapture::close() {
    if (stream_ == nullptr) return;
    reset();
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

// Runs on the audio thread: copies, then publishes. No locks, no allocation, no logging.
void PaCapture::take(const int16_t* input, unsigned long frames, bool overflowed) {
    const unsigned long gap = gapFrames();
    holdFrames_ = std::max(holdFrames_, gap);
    const unsigned long held = std::min(frames, holdFrames_);
    holdFrames_ -= held;
    input += held * channels_;
    frames -= held;
    WaveHeader* header = queued_.load(std::memory_order_acquire);
    if (header == nullptr) return;
    // Samples were lost before these, or the stimulus in them has a gap: a block with a gap
    // would analyse as a wrong spectrum, so it starts over here (after the gap has passed) and
    // the run's bounded wait covers the extra time.
    if (overflowed || gap > 0) {
        if (written_ > 0 || gap > 0) blocksStartedOver_.fetch_add(1, std::memory_order_relaxed);
        written_ = 0;
    }
    if (frames == 0) return;
    const size_t count = std::min<size_t>(frames * channels_, targetSamples_ - written_);
    std::memcpy(target_ + written_, input, count * sizeof(int16_t));
    written_ += count;
    if (written_ < targetSamples_) return;
    queued_.store(nullptr, std::memory_order_relaxed);
    header->flags.fetch_or(kHeaderDone, std::memory_order_release);
    wakeWaiters(header->flags);
}

bool PaCapture::streamLost() const {
    return stream_ == nullptr || !running_ || Pa_IsStreamActive(stream_) != 1;
}

WaitResult PaCapture::waitDone(WaveHeader& header, double timeoutSeconds) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + secondsToDuration(timeoutSeconds);
    for (;;) {
        const uint32_t flags = header.flags.load(std::memory_order_acquire);
        if ((flags & kHeaderDone) != 0) return WaitResult::Done;
        if (streamLost()) return WaitResult::DeviceGone;
        const auto now = Clock::now();
        if (now >= deadline) return WaitResult::TimedOut;
        waitWhileEqual(header.flags, flags,
                       std::min<Clock::duration>(deadline - now, kHealthCheck));
    }
}

} // namespace terzlab::audio
