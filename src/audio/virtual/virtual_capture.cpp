#include "audio/device_caps.h"
#include "audio/virtual/virtual_parts.h"
#include "audio/wait_word.h"

#include <algorithm>
#include <thread>

namespace terzlab::audio {

namespace {

// In real time the bench runs through at most this much of a pause between reads: enough for
// every filter to settle, without spending long on a run left waiting for minutes.
constexpr double kMaxCatchUpSeconds = 2.0;

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
    sampleRate_ = format.samplesPerSec;
    core_->model().configure(sampleRate_);
    ring_.resize(kRingFrames, format.channels);
    open_ = true;
    running_ = false;
    return 0;
}

void VirtualCapture::start() {
    if (!open_) return;
    ring_.clear();
    running_ = true;
    heardUntil_ = Clock::now();
}

void VirtualCapture::close() {
    open_ = false;
    running_ = false;
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

WaitResult VirtualCapture::readUnbroken(std::span<int16_t> out, double timeoutSeconds) {
    const size_t frames = out.size() / static_cast<size_t>(ring_.channels());
    overflowsDue_ = overflowsPerBlock();
    underflowsDue_ = underflowsPerBlock();
    // On virtual time a block is ready at once, but one that its faults make take longer than
    // the wait allows is never done.
    const int attempts = 1 + overflowsDue_ + underflowsDue_;
    const bool tooLong =
        attempts > 1 && attempts * static_cast<double>(frames) / sampleRate_ > timeoutSeconds;
    const WaitResult result = virtualTime() && tooLong && open_ && running_ && canComplete()
                                  ? WaitResult::TimedOut
                                  : CaptureStream::readUnbroken(out, timeoutSeconds);
    overflowsDue_ = underflowsDue_ = 0;
    if (result == WaitResult::Done && frames > 0) core_->countBlock();
    return result;
}

// Frames into the ring from the bench. While a block still has faults to meet, the frames stop
// one short of what was asked: the last one is lost (the bench runs on) and a gap is marked.
void VirtualCapture::deliver(size_t frames) {
    const bool fault = overflowsDue_ + underflowsDue_ > 0 && frames > 0;
    const size_t made = fault ? frames - 1 : frames;
    BenchModel& model = core_->model();
    const int channels = ring_.channels();
    ring_.writeWith(
        made, [&model, channels](int16_t* where, size_t n) { model.render(where, n, channels); });
    if (!fault) return;
    model.skip(1);
    ring_.markGap(ring_.written());
    if (overflowsDue_ > 0) {
        --overflowsDue_;
        core_->countOverflows(1);
    } else {
        --underflowsDue_;
        core_->countUnderflows(1);
    }
}

// In real time: the frames a real card would have delivered since the last look. The bench
// runs through at most the catch-up limit of them; those without room in the ring, and all
// beyond the limit, are lost to the reader, as a real card's would be.
void VirtualCapture::catchUp() {
    if (virtualTime() || !open_ || !running_ || !canComplete()) return;
    const auto now = Clock::now();
    const double seconds = std::max(std::chrono::duration<double>(now - heardUntil_).count(), 0.0);
    const auto due = static_cast<size_t>(seconds * sampleRate_);
    if (due == 0) return;
    const size_t heard = std::min(due, static_cast<size_t>(kMaxCatchUpSeconds * sampleRate_));
    const size_t written = ring_.writeWith(heard, [this](int16_t* where, size_t n) {
        core_->model().render(where, n, ring_.channels());
    });
    core_->model().skip(heard - written);
    ring_.lose(due - written);
    heardUntil_ =
        due > heard ? now : heardUntil_ + secondsToDuration(static_cast<double>(due) / sampleRate_);
}

WaitResult VirtualCapture::produce(size_t wanted, Clock::time_point deadline) {
    if (!open_ || core_->deviceGone()) return WaitResult::DeviceGone;
    const size_t ready = ring_.available();
    if (ready >= wanted) return WaitResult::Done;
    const size_t missing = std::min(wanted - ready, ring_.freeFrames());
    if (virtualTime()) {
        // Nothing more can happen while the caller waits.
        if (!running_ || !canComplete()) return WaitResult::TimedOut;
        deliver(missing);
        return WaitResult::Done;
    }
    const auto due = heardUntil_ + secondsToDuration(static_cast<double>(missing) / sampleRate_);
    if (!running_ || !canComplete() || due > deadline) {
        std::this_thread::sleep_until(deadline);
        return WaitResult::TimedOut;
    }
    std::this_thread::sleep_until(due);
    heardUntil_ = due;
    deliver(missing);
    return WaitResult::Done;
}

} // namespace terzlab::audio
