#include "analyze/analyzer.h"
#include <algorithm>
#include <cstdlib>

namespace terzlab::analyze {
namespace {

// A block is called overloaded from 97.7 % of full scale on.
constexpr int kOverloadPeak = 32000;

// The axis the start command and the type selection leave before the first block.
AxisRange StartRange(int16_t measType, int16_t impedancePart) {
    if (measType == meas::kImpedanceTwoChannel) return {20, 0, 4};
    if (measType == meas::kImpedanceOneChannel && impedancePart == 2) return {10, 0, 2};
    return {0, -100, 20};
}

} // namespace

Analyzer::Analyzer(const RunSettings& settings) : settings_(settings) {
    GetBlockSize(fft_, settings.MeasTypeIndex);
    BuildBandTable(bands_, {settings.SampleRate, fft_.BlockSize, settings.MeasTypeIndex});
    captureBuffer_.resize(static_cast<std::size_t>(kChannelCount) * fft_.BlockSize);
    range_ = StartRange(settings.MeasTypeIndex, 0);
}

bool Analyzer::RunPart(Recording& recording, int32_t count, int16_t impedancePart) {
    range_ = StartRange(settings_.MeasTypeIndex, impedancePart);
    recording.Reserve(fft_.BlockSize);
    for (int32_t n = 0; n < count; ++n) {
        if (!recording.ReadBlock(captureBuffer_)) return false;
        CheckOverload();
        AnalyseBlock(static_cast<int16_t>(n), count, impedancePart);
    }
    lastPart_ = impedancePart;
    lastLimit_ = count;
    return true;
}

void Analyzer::CheckOverload() {
    for (int ch = 0; ch < kChannelCount; ++ch) {
        int peak = 0;
        for (std::size_t i = ch; i < captureBuffer_.size(); i += kChannelCount)
            peak = std::max(peak, std::abs(static_cast<int>(captureBuffer_[i])));
        if (peak > kOverloadPeak) overload_[ch] = true;
    }
}

void Analyzer::AnalyseBlock(int16_t avgCount, int32_t measLimit, int16_t impedancePart) {
    LoadBlock(fft_, captureBuffer_);
    BandAnalysisInputs analysis = settings_.Analysis;
    analysis.AvgCount = avgCount;
    analysis.ImpedancePart = impedancePart;
    BandAnalysis(bands_, fft_, analysis);
    DisplayInputs display = settings_.Display;
    display.AvgCount = avgCount;
    display.ImpedancePart = impedancePart;
    display.MeasValid = true;
    display.NewBlock = true;
    const bool firstOrLast = avgCount == 0 || avgCount == measLimit - 1;
    GetDbRange(bands_, display, firstOrLast, range_);
}

void Analyzer::Redraw(int16_t freqResIndex) {
    DisplayInputs display = settings_.Display;
    // After a stop the run leaves the count two below the limit.
    display.AvgCount = static_cast<int16_t>(lastLimit_ - 2);
    display.ImpedancePart = lastPart_;
    display.MeasValid = true;
    display.NewBlock = false;
    display.FreqResIndex = freqResIndex;
    GetDbRange(bands_, display, false, range_);
}

} // namespace terzlab::analyze
