#include "analyze/analyzer.h"
#include "analysis/meas_type.h"

namespace terzlab::analyze {

Analyzer::Analyzer(const RunSettings& settings) : settings_(settings) {
    session_.SetUp(settings.Display.MeasTypeIndex, settings.SampleRate);
    session_.Start();
    captureBuffer_.resize(static_cast<std::size_t>(kChannelCount) * session_.BlockSize());
    range_ = RunStartRange(settings.Display.MeasTypeIndex, 0);
}

DisplayInputs Analyzer::displayInputs(int16_t avgCount, int16_t impedancePart) const {
    DisplayInputs in = settings_.Display;
    in.AvgCount = avgCount;
    in.ImpedancePart = impedancePart;
    in.MeasValid = true;
    return in;
}

bool Analyzer::RunPart(Recording& recording, int32_t count, int16_t impedancePart) {
    range_ = RunStartRange(settings_.Display.MeasTypeIndex, impedancePart);
    recording.Reserve(session_.BlockSize());
    const auto limit = static_cast<int16_t>(count);
    for (int16_t n = 0; n < limit; ++n) {
        if (!recording.ReadBlock(captureBuffer_)) return false;
        session_.AddBlock(captureBuffer_, displayInputs(n, impedancePart), settings_.WideRange,
                          true, limit, range_);
    }
    lastPart_ = impedancePart;
    lastLimit_ = limit;
    return true;
}

void Analyzer::Redraw(int16_t freqResIndex) {
    DisplayInputs in = displayInputs(StoppedCount(lastLimit_), lastPart_);
    in.FreqResIndex = freqResIndex;
    session_.Redraw(in, false, range_);
}

} // namespace terzlab::analyze
