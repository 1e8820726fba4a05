#include "audio/frame_ring.h"

#include "audio/wait_word.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace terzlab::audio {

void FrameRing::resize(size_t minFrames, int channels) {
    channels_ = std::max(channels, 1);
    const size_t frames = std::bit_ceil(std::max<size_t>(minFrames, 2));
    storage_.assign(frames * static_cast<size_t>(channels_), 0);
    mask_ = frames - 1;
    clear();
}

void FrameRing::clear() {
    write_.store(0, std::memory_order_relaxed);
    read_.store(0, std::memory_order_relaxed);
    lastGap_.store(0, std::memory_order_relaxed);
    lost_.store(0, std::memory_order_relaxed);
    gaps_.store(0, std::memory_order_relaxed);
}

size_t FrameRing::freeFrames() const {
    const uint64_t consumed = read_.load(std::memory_order_acquire);
    return capacity() - static_cast<size_t>(write_.load(std::memory_order_relaxed) - consumed);
}

void FrameRing::publish(size_t count) {
    if (count == 0) return;
    write_.fetch_add(count, std::memory_order_release);
    signal_.fetch_add(1, std::memory_order_release);
    wakeWaiters(signal_);
}

size_t FrameRing::write(const int16_t* frames, size_t count) {
    const auto samples = static_cast<size_t>(channels_);
    const size_t done = writeWith(count, [&frames, samples](int16_t* where, size_t n) {
        std::memcpy(where, frames, n * samples * sizeof(int16_t));
        frames += n * samples;
    });
    lose(count - done);
    return done;
}

void FrameRing::lose(size_t count) {
    if (count == 0) return;
    lost_.fetch_add(count, std::memory_order_relaxed);
    markGap(write_.load(std::memory_order_relaxed));
}

void FrameRing::markGap(uint64_t position) {
    if (position <= lastGap_.load(std::memory_order_relaxed)) return;
    lastGap_.store(position, std::memory_order_release);
    gaps_.fetch_add(1, std::memory_order_relaxed);
}

size_t FrameRing::available() const {
    return static_cast<size_t>(write_.load(std::memory_order_acquire) -
                               read_.load(std::memory_order_relaxed));
}

size_t FrameRing::read(int16_t* out, size_t maxFrames) {
    const size_t count = std::min(maxFrames, available());
    if (count == 0) return 0;
    const uint64_t at = read_.load(std::memory_order_relaxed);
    const size_t first = std::min(count, capacity() - static_cast<size_t>(at & mask_));
    const size_t frameBytes = static_cast<size_t>(channels_) * sizeof(int16_t);
    std::memcpy(out, slot(at), first * frameBytes);
    std::memcpy(out + first * static_cast<size_t>(channels_), slot(at + first),
                (count - first) * frameBytes);
    read_.store(at + count, std::memory_order_release);
    return count;
}

size_t FrameRing::discard(size_t maxFrames) {
    const size_t count = std::min(maxFrames, available());
    read_.fetch_add(count, std::memory_order_release);
    return count;
}

} // namespace terzlab::audio
