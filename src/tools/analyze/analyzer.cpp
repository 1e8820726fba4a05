#include "analyze/analyzer.h"
#include "analysis/meas_type.h"

namespace terzlab::analyze {

Analyzer::Analyzer(const MeasurementConfig& config) : config_(config) {
    run_.Session().SetUp(config.Type, config.SampleRate);
    captureBuffer_.resize(static_cast<std::size_t>(kChannelCount) * run_.Session().BlockSize());
    range_ = RunStartRange(config.Type, 0);
}

bool Analyzer::RunPart(Recording& recording, int32_t count) {
    config_.Count = static_cast<int16_t>(count);
    run_.Prepare(config_);
    run_.Begin();
    range_ = RunStartRange(config_.Type, run_.Part());
    recording.Reserve(run_.Session().BlockSize());
    for (int32_t n = 0; n < count; ++n) {
        if (!recording.ReadBlock(captureBuffer_)) return false;
        run_.AddBlock(captureBuffer_, range_);
        run_.CountBlock();
    }
    for (size_t ch = 0; ch < overload_.size(); ++ch)
        overload_[ch] = overload_[ch] || run_.Session().Overload()[ch];
    run_.Stop();
    return true;
}

void Analyzer::Redraw(Resolution resolution) {
    run_.Config().Res = resolution;
    run_.Session().Redraw(run_.Inputs(true), false, range_);
}

} // namespace terzlab::analyze
