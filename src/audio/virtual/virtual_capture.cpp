#include "audio/device_caps.h"
#include "audio/virtual/virtual_parts.h"
#include "audio/wait_word.h"

#include <algorithm>
#include <thread>

namespace terzlab::audio {

namespace {

// In real time the bench runs through at most this much of a pause between blocks: enough for
// every filter to settle, without spending long on a run left waiting for minutes.
constexpr double kMaxCatchUpSeconds = 2.0;

size_t framesOf(const WaveHeader& header, int channels) {
    return header.data == nullptr
               ? 0
               : header.bufferLength / sizeof(int16_t) / static_cast<size_t>(channels);
}

} // namespace

int VirtualCapture::open(int deviceIndex, const WaveFormat& format) {
    if (open_) return kOpenAllocated;
    const auto& options = core_->options();
    if (options.openResult != 0) return options.openResult;
    if (deviceIndex < 0 || static_cast<size_t>(deviceIndex) >= options.inputNames.size() ||
        core_->deviceGone())
        return kOpenNoDevice;
    const auto i = static_cast<size_t>(deviceIndex);
    if (!isPcm16(format) || (i < options.inputFormats.size() && options.inputFormats[i] == 0))
        return kOpenBadFormat;
    channels_ = format.channels;
    sampleRate_ = format.samplesPerSec;
    core_->model().configure(sampleRate_);
    open_ = true;
    running_ = false;
    queued_ = nullptr;
    return 0;
}

void VirtualCapture::addBuffer(WaveHeader& header) {
    if (!open_) return;
    header.flags.fetch_and(~kHeaderDone, std::memory_order_relaxed);
    if (framesOf(header, channels_) == 0) return;
    queued_ = &header;
    queuedAt_ = Clock::now();
    if (virtualTime() && running_ && canComplete() && !startsOver()) complete();
}

void VirtualCapture::start() {
    if (!open_) return;
    running_ = true;
    heardUntil_ = Clock::now();
    if (virtualTime() && queued_ != nullptr && canComplete() && !startsOver()) complete();
}

void VirtualCapture::close() {
    open_ = false;
    running_ = false;
    queued_ = nullptr;
}

bool VirtualCapture::canComplete() const {
    return !core_->options().neverCompletes && !core_->deviceGone();
}

int VirtualCapture::overflowsPerBlock() const {
    return std::max(core_->options().overflowsPerBlock, 0);
}

int VirtualCapture::underflowsPerBlock() const {
    return core_->playingFile().empty() ? 0 : std::max(core_->options().underflowsPerBlock, 0);
}

double VirtualCapture::fillSeconds(const WaveHeader& header) const {
    const int attempts = 1 + overflowsPerBlock() + underflowsPerBlock();
    return attempts * static_cast<double>(framesOf(header, channels_)) / sampleRate_;
}

void VirtualCapture::complete() {
    WaveHeader& header = *queued_;
    queued_ = nullptr;
    const size_t frames = framesOf(header, channels_);
    // The attempts cut short by an overflow or a gap went by on the bench all the same.
    const int overflows = overflowsPerBlock();
    const int underflows = underflowsPerBlock();
    core_->model().skip(static_cast<size_t>(overflows + underflows) * frames);
    core_->countOverflows(overflows);
    core_->countUnderflows(underflows);
    startedOver_ += overflows + underflows;
    core_->model().render(header.data, frames, channels_);
    core_->countBlock();
    header.flags.fetch_or(kHeaderDone, std::memory_order_release);
}

// Samples that arrived while no buffer was queued are dropped, but the device under test went
// on sounding: run the bench through the pause so the next block starts where time has got to.
void VirtualCapture::catchUp() {
    const double gap = std::chrono::duration<double>(queuedAt_ - heardUntil_).count();
    const double seconds = std::clamp(gap, 0.0, kMaxCatchUpSeconds);
    core_->model().skip(static_cast<size_t>(seconds * sampleRate_));
}

WaitResult VirtualCapture::waitDone(WaveHeader& header, double timeoutSeconds) {
    if ((header.flags.load(std::memory_order_acquire) & kHeaderDone) != 0) return WaitResult::Done;
    if (!open_ || core_->deviceGone()) return WaitResult::DeviceGone;
    // On virtual time nothing more can happen while the caller waits, except a block that
    // overflowed and is being filled again.
    if (virtualTime()) {
        if (queued_ != &header || !running_ || !canComplete() ||
            fillSeconds(header) > timeoutSeconds)
            return WaitResult::TimedOut;
        complete();
        return WaitResult::Done;
    }
    return waitRealTime(header, timeoutSeconds);
}

WaitResult VirtualCapture::waitRealTime(WaveHeader& header, double timeoutSeconds) {
    const auto deadline = Clock::now() + secondsToDuration(timeoutSeconds);
    if (queued_ == &header && running_ && canComplete()) {
        const auto due = queuedAt_ + secondsToDuration(fillSeconds(header));
        if (due <= deadline) {
            std::this_thread::sleep_until(due);
            catchUp();
            heardUntil_ = due;
            complete();
            return WaitResult::Done;
        }
    }
    std::this_thread::sleep_until(deadline);
    return WaitResult::TimedOut;
}

} // namespace terzlab::audio
