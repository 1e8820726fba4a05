#include "live/live_analyzer.h"

#include "analysis/meas_type.h"
#include "analysis/overload.h"

#include <algorithm>
#include <cstring>

namespace terzlab::live {

int32_t HopFrames(int32_t blockSize, int32_t sampleRate) {
    const double most = sampleRate / kMinUpdatesPerSecond;
    int32_t hop = 1;
    while (hop * 2 <= most && hop * 2 <= blockSize / 2)
        hop *= 2;
    return hop;
}

bool LiveType(MeasType type) {
    return type == MeasType::LevelOneChannel || type == MeasType::LevelTwoChannel;
}

bool LiveAnalyzer::Configure(const LiveConfig& config) {
    configured_ = false;
    const int32_t size =
        config.BlockSize > 0 ? config.BlockSize : PropertiesOf(config.Type).BlockSize;
    const bool offered =
        std::find(kLiveBlockSizes.begin(), kLiveBlockSizes.end(), size) != kLiveBlockSizes.end() &&
        std::find(kLiveRates.begin(), kLiveRates.end(), config.SampleRate) != kLiveRates.end();
    if (!LiveType(config.Type) || !offered) return false;
    config_ = config;
    config_.BlockSize = size;
    hop_ = HopFrames(size, config.SampleRate);
    fft_.BlockSize = size;
    fft_.WindowType = PropertiesOf(config.Type).WindowType;
    FftSetup(fft_);
    BuildBandTable(bands_,
                   {.SampleRate = config.SampleRate, .BlockSize = size, .Type = config.Type});
    averaged_ = bands_;
    peak_ = bands_;
    inputs_ = {};
    inputs_.Type = config.Type;
    inputs_.AvgCount = 0; // each transform replaces the last; the averager keeps the history
    inputs_.ExchangeChannel = config.ExchangeChannels;
    block_.assign(static_cast<size_t>(kChannelCount) * size, 0);
    configured_ = true;
    SetAveraging(config.Average);
    Restart();
    return true;
}

void LiveAnalyzer::SetAveraging(const AveragingChoice& choice) {
    config_.Average = choice;
    if (!configured_) return;
    averager_.Configure(choice, bands_.Results.Cells.size(),
                        static_cast<double>(hop_) / config_.SampleRate);
}

void LiveAnalyzer::Restart() {
    averager_.Restart();
    filled_ = 0;
    updates_ = 0;
    lost_ = 0;
    gaps_ = 0;
    peaks_ = {0, 0};
}

void LiveAnalyzer::Feed(std::span<const int16_t> frames) {
    if (!configured_) return;
    const size_t size = static_cast<size_t>(fft_.BlockSize);
    while (frames.size() >= kChannelCount) {
        const size_t take = std::min(size - filled_, frames.size() / kChannelCount);
        std::copy_n(frames.begin(), take * kChannelCount, block_.begin() + filled_ * kChannelCount);
        filled_ += take;
        frames = frames.subspan(take * kChannelCount);
        if (filled_ < size) return;
        analyse();
        // The newest block minus a hop is the start of the next one.
        const size_t keep = size - static_cast<size_t>(hop_);
        std::memmove(block_.data(), block_.data() + hop_ * kChannelCount,
                     keep * kChannelCount * sizeof(int16_t));
        filled_ = keep;
    }
}

void LiveAnalyzer::Gap(uint64_t lost) {
    filled_ = 0;
    lost_ += lost;
    ++gaps_;
}

void LiveAnalyzer::analyse() {
    peaks_ = ChannelPeaks(block_, fft_.BlockSize);
    LoadBlock(fft_, block_);
    BandAnalysis(bands_, fft_, inputs_);
    averager_.Add(bands_.Results.Cells);
    publish(averager_.Mean(), averaged_);
    publish(averager_.Peak(), peak_);
    ++updates_;
}

void LiveAnalyzer::publish(const std::span<const double> from, BandState& to) {
    std::copy(from.begin(), from.end(), to.Results.Cells.begin());
}

} // namespace terzlab::live
