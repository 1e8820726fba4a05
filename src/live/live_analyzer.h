#pragma once
// The live analysis: consecutive captured frames go into overlapping transforms of the type's
// block size, each through the band analysis of the normal run, and the band results are
// averaged over time (averager.h). Frames that never arrived are counted, and a transform never
// spans a gap: after one the analysis waits for a whole block of frames that join up.
#include "analysis/bands.h"
#include "analysis/fft.h"
#include "analysis/types.h"
#include "live/averager.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace terzlab::live {

// The rates and block sizes the program offers a live analysis.
inline constexpr std::array<int32_t, 2> kLiveRates{44100, 48000};
inline constexpr std::array<int32_t, 3> kLiveBlockSizes{8192, 16384, 65536};
inline constexpr double kMinUpdatesPerSecond = 10.0;

// Frames between the starts of two transforms: the largest power of two that gives at least
// kMinUpdatesPerSecond updates at the rate, and no more than half a block (at least 50 %
// overlap). At 44.1 and 48 kHz that is 4096 frames: 50 % overlap for 8192 points, 75 % for
// 16384 and 93.75 % for 65536.
int32_t HopFrames(int32_t blockSize, int32_t sampleRate);

// Whether a type can be analysed live: the level types (one channel, and two channels as a
// transfer of left over right).
bool LiveType(MeasType type);

struct LiveConfig {
    MeasType Type = MeasType::LevelOneChannel;
    int32_t SampleRate = 44100;
    int32_t BlockSize = 0; // 0: the type's own
    bool ExchangeChannels = false;
    AveragingChoice Average;
};

class LiveAnalyzer {
  public:
    // Sizes every buffer for the configuration and starts afresh; false, and nothing analysed
    // until the next success, for a type without a live view or a block size not offered.
    bool Configure(const LiveConfig& config);
    // Starts afresh with the same configuration: nothing averaged, nothing lost.
    void Restart();

    // The next frames of the stream, interleaved stereo, in order.
    void Feed(std::span<const int16_t> frames);
    // The frames fed next do not join those fed before: `lost` frames are missing between them
    // (0 when the count is not known).
    void Gap(uint64_t lost);

    void ResetPeak() { averager_.ResetPeak(); }
    // Another averaging from the next update on; what was averaged so far is forgotten.
    void SetAveraging(const AveragingChoice& choice);

    // The averaged (or peak) band results on the type's grid, as the normal run holds them.
    const BandState& Averaged() const { return averaged_; }
    const BandState& Peak() const { return peak_; }
    // Transforms analysed since the start.
    int64_t Updates() const { return updates_; }
    int32_t Hop() const { return hop_; }
    int32_t BlockSize() const { return fft_.BlockSize; }
    double UpdatesPerSecond() const { return static_cast<double>(config_.SampleRate) / hop_; }
    uint64_t LostFrames() const { return lost_; }
    double LostMilliseconds() const {
        return 1000.0 * static_cast<double>(lost_) / config_.SampleRate;
    }
    uint32_t Gaps() const { return gaps_; }
    // Peaks of the two channels in the latest transform's block.
    const std::array<int32_t, 2>& Peaks() const { return peaks_; }
    const LiveConfig& Config() const { return config_; }

  private:
    void analyse();
    void publish(const std::span<const double> from, BandState& to);

    LiveConfig config_;
    bool configured_ = false;
    int32_t hop_ = 0;
    FftState fft_;
    BandState bands_;           // one transform's results
    BandState averaged_, peak_; // the same grid with the averaged and the peak results
    BandAnalysisInputs inputs_;
    Averager averager_;
    std::vector<int16_t> block_; // the frames of the next transform, the oldest first
    size_t filled_ = 0;          // frames in block_
    int64_t updates_ = 0;
    uint64_t lost_ = 0;
    uint32_t gaps_ = 0;
    std::array<int32_t, 2> peaks_{0, 0};
};

} // namespace terzlab::live
