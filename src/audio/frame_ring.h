#pragma once
// A lock-free ring of interleaved 16-bit frames between one producer (an audio callback) and one
// consumer (the run). Both indices count frames since the ring was cleared and only grow: the
// producer publishes what it wrote by storing its index with release order, the consumer hands
// space back by storing its own with release order, and each loads the other's with acquire
// order. Neither side locks, allocates or waits; the storage is made when the ring is sized.
//
// A gap is a place in the stream where frames are missing or broken: frames the ring had no
// room for, samples the driver lost, a stimulus that ran dry. The ring keeps the position of the
// last one, so that a reader who needs unbroken frames begins after it.
#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace terzlab::audio {

class FrameRing {
  public:
    // Neither side may run during these two.
    void resize(size_t minFrames, int channels); // capacity: the next power of two
    void clear();

    // The producer's side.
    // Copies what fits; frames beyond the free space are lost, counted and marked as a gap.
    size_t write(const int16_t* frames, size_t count);
    // Lets `fill(int16_t* where, size_t frames)` write up to `count` frames in place (in one or
    // two pieces); returns how many it wrote. Nothing is lost: the caller asks for less.
    template <class Fill> size_t writeWith(size_t count, Fill&& fill);
    // Counts frames that never reached the ring and marks the gap they leave.
    void lose(size_t count);
    // The frames before `position` do not join up with those from there on. A mark never moves
    // back; it may lie ahead of what was written (frames still on their way carry the gap).
    void markGap(uint64_t position);
    uint64_t written() const { return write_.load(std::memory_order_relaxed); }
    size_t freeFrames() const;

    // The consumer's side.
    size_t available() const;
    size_t read(int16_t* out, size_t maxFrames);
    size_t discard(size_t maxFrames);
    uint64_t position() const { return read_.load(std::memory_order_relaxed); }
    uint64_t lastGap() const { return lastGap_.load(std::memory_order_acquire); }

    // Either side.
    int channels() const { return channels_; }
    size_t capacity() const { return mask_ + 1; }
    uint64_t lostFrames() const { return lost_.load(std::memory_order_relaxed); }
    uint32_t gaps() const { return gaps_.load(std::memory_order_relaxed); }
    // Changes whenever frames are published: a word to wait on (see wait_word.h).
    const std::atomic<uint32_t>& signal() const { return signal_; }

  private:
    void publish(size_t count);
    int16_t* slot(uint64_t frame) { return storage_.data() + (frame & mask_) * channels_; }

    std::vector<int16_t> storage_;
    size_t mask_ = 0;
    int channels_ = 2;
    std::atomic<uint64_t> write_{0};
    std::atomic<uint64_t> read_{0};
    std::atomic<uint64_t> lastGap_{0};
    std::atomic<uint64_t> lost_{0};
    std::atomic<uint32_t> gaps_{0};
    std::atomic<uint32_t> signal_{0};
};

template <class Fill> size_t FrameRing::writeWith(size_t count, Fill&& fill) {
    count = std::min(count, freeFrames());
    const uint64_t at = write_.load(std::memory_order_relaxed);
    const size_t first = std::min(count, capacity() - static_cast<size_t>(at & mask_));
    if (first > 0) fill(slot(at), first);
    if (count > first) fill(slot(at + first), count - first);
    publish(count);
    return count;
}

} // namespace terzlab::audio
