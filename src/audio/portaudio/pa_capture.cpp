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
    params.suggestedLatency = info->defaultHighInputLatency;
    channels_ = format.channels;
    queued_.store(nullptr, std::memory_order_relaxed);
    const PaError err = Pa_OpenStream(&stream_, &params, nullptr, format.samplesPerSec,
                                      paFramesPerBufferUnspecified, paNoFlag, onAudio, this);
    if (err == paNoError) return 0;
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

// Runs on the audio thread: copies, then publishes. No locks, no allocation, no logging.
void PaCapture::take(const int16_t* input, unsigned long frames, bool overflowed) {
    WaveHeader* header = queued_.load(std::memory_order_acquire);
    if (header == nullptr) return;
    // Samples were lost before these: a block with a gap would analyse as a wrong spectrum, so
    // it starts over here and the run's bounded wait covers the extra time.
    if (overflowed) written_ = 0;
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
