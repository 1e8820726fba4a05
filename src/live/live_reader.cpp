#include "live/live_reader.h"

#include "analysis/fft.h"

#include <algorithm>

namespace terzlab::live {

void LiveReader::Attach(audio::CaptureStream& stream, LiveAnalyzer& analyzer) {
    stream_ = &stream;
    analyzer_ = &analyzer;
    chunk_.assign(static_cast<size_t>(kChannelCount) * std::max(analyzer.Hop(), 1), 0);
    Begin();
}

void LiveReader::Begin() {
    if (stream_ == nullptr) return;
    gapSeen_ = stream_->lastGap();
    lostSeen_ = stream_->lostFrames();
}

PumpResult LiveReader::Pump(size_t maxFrames) {
    PumpResult pumped;
    if (stream_ == nullptr || stream_->channels() != kChannelCount) return pumped;
    const size_t hop = chunk_.size() / kChannelCount;
    while (pumped.frames + hop <= maxFrames) {
        pumped.result = stream_->waitFor(hop, 0.0);
        if (pumped.result != audio::WaitResult::Done) break;
        const audio::StreamRead got = stream_->readFrames(chunk_, 0.0);
        pumped.result = got.result;
        feedAcrossGaps(got.frames);
        pumped.frames += got.frames;
        if (got.frames < hop) break;
    }
    // Nothing ready is no fault of the device.
    if (pumped.result == audio::WaitResult::TimedOut) pumped.result = audio::WaitResult::Done;
    return pumped;
}

// The frames just read end at the stream's position; a gap marked inside them splits them.
void LiveReader::feedAcrossGaps(size_t frames) {
    const uint64_t end = stream_->position();
    const uint64_t begin = end - frames;
    const uint64_t gap = stream_->lastGap();
    const uint64_t lost = stream_->lostFrames();
    const std::span<const int16_t> read(chunk_.data(), frames * kChannelCount);
    if (gap > gapSeen_ && gap <= end) {
        const size_t before = gap > begin ? static_cast<size_t>(gap - begin) : 0;
        analyzer_->Feed(read.first(before * kChannelCount));
        analyzer_->Gap(lost - lostSeen_);
        analyzer_->Feed(read.subspan(before * kChannelCount));
        gapSeen_ = gap;
        lostSeen_ = lost;
        return;
    }
    analyzer_->Feed(read);
}

} // namespace terzlab::live
