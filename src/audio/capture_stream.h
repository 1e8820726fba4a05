#pragma once
// The capture as a stream: the backend's callback writes every frame into a ring, and the run
// takes frames from it in order, as many at a time as it likes. A live analyser takes every
// frame in hop-sized chunks (readFrames); a run that needs whole unbroken blocks takes them with
// readUnbroken and lets go of what it does not need (discard). Frames lost on the way are
// counted and marked, never silently joined.
#include "audio/frame_ring.h"
#include "audio/wave.h"

#include <chrono>
#include <span>

namespace terzlab::audio {

struct StreamRead {
    WaitResult result = WaitResult::TimedOut;
    size_t frames = 0; // read into the front of the caller's span
};

class CaptureStream {
  public:
    virtual ~CaptureStream() = default;
    // The results of CaptureDevice::open. The ring is made here, once per open.
    virtual int open(int deviceIndex, const WaveFormat& format) = 0;
    virtual void start() = 0; // the stream begins empty
    virtual void stop() = 0;  // frames not read yet stay readable; no more arrive
    virtual void close() = 0; // harmless when closed
    virtual bool isOpen() const = 0;

    int channels() const { return ring_.channels(); }
    // Frames ready now, without waiting.
    size_t available();
    // Waits until `frames` frames are ready (a backend that makes its frames on demand makes
    // them), the timeout passes or the device is gone; with 0 s it only asks. A run driven by
    // an event loop asks this before it reads, so that no read waits.
    WaitResult waitFor(size_t frames, double timeoutSeconds);
    // The next frames in order, until `out` (whole frames) is full, the timeout passes or the
    // device is gone. Nothing is skipped: a gap shows in lostFrames() and lastGap().
    StreamRead readFrames(std::span<int16_t> out, double timeoutSeconds);
    // Fills `out` with frames that join up without a gap: where a gap breaks them, what came
    // before it is dropped and the block begins again after it (counted in blocksStartedOver).
    virtual WaitResult readUnbroken(std::span<int16_t> out, double timeoutSeconds);
    // Lets go of up to `frames` ready frames; returns how many.
    size_t discard(size_t frames);

    // Frames read or discarded since the stream started; the position of the last gap in
    // the same count (0: none).
    uint64_t position() const { return ring_.position(); }
    uint64_t lastGap() const { return ring_.lastGap(); }
    // Since the stream started: frames the ring had no room for, and gaps of any cause.
    uint64_t lostFrames() const { return ring_.lostFrames(); }
    uint32_t gaps() const { return ring_.gaps(); }
    // Since the device was made: unbroken reads begun again because of a gap.
    int blocksStartedOver() const { return startedOver_; }

  protected:
    using Clock = std::chrono::steady_clock;
    // Room for the longest block and two seconds of a pause at 48 kHz.
    static constexpr size_t kRingFrames = size_t{1} << 18;

    // Blocks until at least `wanted` frames are ready (or the ring is full), the deadline
    // passes or the device is gone. A backend that makes its frames on demand makes them here.
    virtual WaitResult produce(size_t wanted, Clock::time_point deadline) = 0;
    // Lets frames that are due by now reach the ring; for a backend without a thread of its own.
    virtual void catchUp() {}

    FrameRing ring_;

  private:
    int startedOver_ = 0;
};

} // namespace terzlab::audio
