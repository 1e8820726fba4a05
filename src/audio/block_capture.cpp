#include "audio/block_capture.h"

namespace terzlab::audio {

int BlockCapture::open(int deviceIndex, const WaveFormat& format) {
    const int result = stream_.open(deviceIndex, format);
    if (result == 0) queued_ = nullptr;
    return result;
}

void BlockCapture::addBuffer(WaveHeader& header) {
    if (!stream_.isOpen() || queued_ != nullptr) return;
    header.flags.fetch_and(~kHeaderDone, std::memory_order_relaxed);
    const size_t samples = header.bufferLength / sizeof(int16_t);
    if (header.data == nullptr || samples < static_cast<size_t>(stream_.channels())) return;
    queued_ = &header;
    stream_.discard(stream_.available());
}

void BlockCapture::reset() {
    stream_.stop();
    queued_ = nullptr;
}

void BlockCapture::close() {
    stream_.close();
    queued_ = nullptr;
}

WaitResult BlockCapture::waitDone(WaveHeader& header, double timeoutSeconds) {
    if ((header.flags.load(std::memory_order_acquire) & kHeaderDone) != 0) return WaitResult::Done;
    if (!stream_.isOpen()) return WaitResult::DeviceGone;
    if (queued_ != &header) return WaitResult::TimedOut; // nothing will fill it
    const auto channels = static_cast<size_t>(stream_.channels());
    const size_t samples = header.bufferLength / sizeof(int16_t);
    const WaitResult result = stream_.readUnbroken(
        std::span<int16_t>(header.data, samples - samples % channels), timeoutSeconds);
    if (result == WaitResult::Done) {
        queued_ = nullptr;
        header.flags.fetch_or(kHeaderDone, std::memory_order_release);
    }
    return result;
}

} // namespace terzlab::audio
