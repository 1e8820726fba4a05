#include "analysis/session.h"

#include "analysis/constants.h"
#include "analysis/meas_type.h"
#include "analysis/overload.h"

#include <algorithm>

namespace terzlab {

namespace {

BandAnalysisInputs analysisInputs(const DisplayInputs& in, bool wideRange) {
    return {.Type = in.Type,
            .AvgCount = in.AvgCount,
            .ActiveChannel = in.ActiveChannel,
            .ImpedancePart = in.ImpedancePart,
            .SeriesResistor = in.SeriesResistor,
            .WideRange = wideRange,
            .ExchangeChannel = in.ExchangeChannel};
}

} // namespace

void MeasurementSession::SelectType(MeasType type, int32_t sampleRate) {
    GetBlockSize(fft_, type);
    SetUp(type, sampleRate);
}

void MeasurementSession::SetUp(MeasType type, int32_t sampleRate) {
    if (fft_.BlockSize != PropertiesOf(type).BlockSize) GetBlockSize(fft_, type);
    const bool fits = bands_.BlockSize == fft_.BlockSize && bands_.SampleRate == sampleRate &&
                      bands_.Type == type && !bands_.BandValue.empty();
    if (!fits) Rebuild(sampleRate, type);
}

void MeasurementSession::UseWindow(int16_t windowType) {
    if (fft_.WindowType == windowType) return;
    fft_.WindowType = windowType;
    FftSetup(fft_);
}

void MeasurementSession::Rebuild() {
    Rebuild(bands_.SampleRate, bands_.Type);
}

void MeasurementSession::Rebuild(int32_t sampleRate, MeasType type) {
    BuildBandTable(bands_, {.SampleRate = sampleRate, .BlockSize = fft_.BlockSize, .Type = type});
    hasResults_ = false;
}

BlockReport MeasurementSession::CheckBlock(std::span<const int16_t> samples) {
    BlockReport report;
    report.Peaks = ChannelPeaks(samples, fft_.BlockSize);
    for (size_t ch = 0; ch < report.Peaks.size(); ++ch) {
        report.Overload[ch] = IsOverload(report.Peaks[ch]);
        overload_[ch] = overload_[ch] || report.Overload[ch];
    }
    return report;
}

BlockReport MeasurementSession::AddBlock(std::span<const int16_t> samples, const DisplayInputs& in,
                                         bool wideRange, bool analyse, int16_t measLimit,
                                         AxisRange& range) {
    BlockReport report = CheckBlock(samples);
    if (!analyse) return report;
    LoadBlock(fft_, samples);
    BandAnalysis(bands_, fft_, analysisInputs(in, wideRange));
    ApplyReferenceToBlock(bands_, in);
    report.Analysed = true;
    hasResults_ = true;
    report.Range = GetDbRange(bands_, in, FitsAxis(in.AvgCount, measLimit), range);
    return report;
}

bool MeasurementSession::TakeResults(std::span<const double> cells) {
    std::vector<double>& own = bands_.Results.Cells;
    if (cells.size() != own.size()) return false;
    std::copy(cells.begin(), cells.end(), own.begin());
    hasResults_ = true;
    return true;
}

DbRangeResult MeasurementSession::Redraw(const DisplayInputs& in, bool autoRange,
                                         AxisRange& range) {
    DisplayInputs at = in;
    at.MeasValid = in.MeasValid && hasResults_;
    return GetDbRange(bands_, at, autoRange, range);
}

std::vector<double> MeasurementSession::ValuesAt(const DisplayInputs& in,
                                                 int16_t freqResIndex) const {
    DisplayInputs at = in;
    at.FreqResIndex = freqResIndex;
    std::vector<double> values(bands_.BandValue.size(), kNoValue);
    std::vector<double> work(values.size(), 0.0);
    FormDisplayValues(bands_, at, values, work);
    return values;
}

} // namespace terzlab
