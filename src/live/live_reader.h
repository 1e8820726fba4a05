#pragma once
// Takes what the capture stream holds into a live analysis without ever waiting: a caller
// driven by an event loop pumps it on each tick. Gaps the stream marks and frames it lost
// reach the analysis as gaps, so that no transform joins frames across one.
#include "audio/capture_stream.h"
#include "live/live_analyzer.h"

#include <cstdint>
#include <vector>

namespace terzlab::live {

struct PumpResult {
    size_t frames = 0; // taken from the stream
    audio::WaitResult result = audio::WaitResult::Done;
};

class LiveReader {
  public:
    // Sizes the read buffer (one hop) for the analysis as configured; call after Configure.
    void Attach(audio::CaptureStream& stream, LiveAnalyzer& analyzer);
    // The stream has just started: its counts begin here.
    void Begin();
    // Takes whole hops while the stream has them ready, at most `maxFrames`; a stream that makes
    // its frames on demand (the virtual card on virtual time) makes them here. DeviceGone when
    // the device went away.
    PumpResult Pump(size_t maxFrames);

  private:
    void feedAcrossGaps(size_t frames);

    audio::CaptureStream* stream_ = nullptr;
    LiveAnalyzer* analyzer_ = nullptr;
    std::vector<int16_t> chunk_;
    uint64_t gapSeen_ = 0;  // the stream's last gap already passed on
    uint64_t lostSeen_ = 0; // the stream's lost frames already passed on
};

} // namespace terzlab::live
