#include "audio/capture_stream.h"

#include "audio/wait_word.h"

#include <algorithm>
#include <cstring>

namespace terzlab::audio {

size_t CaptureStream::available() {
    catchUp();
    return ring_.available();
}

size_t CaptureStream::discard(size_t frames) {
    catchUp();
    return ring_.discard(frames);
}

WaitResult CaptureStream::waitFor(size_t frames, double timeoutSeconds) {
    if (available() >= frames) return WaitResult::Done;
    return produce(frames, Clock::now() + secondsToDuration(timeoutSeconds));
}

StreamRead CaptureStream::readFrames(std::span<int16_t> out, double timeoutSeconds) {
    const auto deadline = Clock::now() + secondsToDuration(timeoutSeconds);
    const auto channels = static_cast<size_t>(ring_.channels());
    const size_t wanted = out.size() / channels;
    StreamRead got{.result = WaitResult::Done};
    for (;;) {
        catchUp();
        got.frames += ring_.read(out.data() + got.frames * channels, wanted - got.frames);
        if (got.frames == wanted) return got;
        got.result = produce(wanted - got.frames, deadline);
        if (got.result != WaitResult::Done) return got;
    }
}

WaitResult CaptureStream::readUnbroken(std::span<int16_t> out, double timeoutSeconds) {
    const auto deadline = Clock::now() + secondsToDuration(timeoutSeconds);
    const auto channels = static_cast<size_t>(ring_.channels());
    const size_t frames = out.size() / channels;
    uint64_t start = ring_.position(); // of the block's first frame
    size_t have = 0;
    for (;;) {
        catchUp();
        if (ring_.position() < start)
            ring_.discard(start - ring_.position()); // frames that may carry a coming gap
        else
            have += ring_.read(out.data() + have * channels, frames - have);
        // Checked after reading: a gap marked before the frames were published is seen here.
        const uint64_t gap = ring_.lastGap();
        if (gap > start) {
            const uint64_t end = start + have;
            const size_t keep = gap < end ? static_cast<size_t>(end - gap) : 0;
            if (keep > 0)
                std::memmove(out.data(), out.data() + (have - keep) * channels,
                             keep * channels * sizeof(int16_t));
            have = keep;
            start = gap;
            ++startedOver_;
            continue;
        }
        if (have == frames) return WaitResult::Done;
        if (ring_.available() > 0) continue;
        const WaitResult waited =
            produce(static_cast<size_t>(start + frames - ring_.position()), deadline);
        if (waited != WaitResult::Done) return waited;
    }
}

} // namespace terzlab::audio
