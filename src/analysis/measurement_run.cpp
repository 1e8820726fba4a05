#include "analysis/measurement_run.h"

#include "analysis/meas_type.h"

namespace terzlab {

DisplayInputs DisplayInputsOf(const MeasurementConfig& config, int16_t part, int16_t avgCount,
                              bool measValid) {
    DisplayInputs in;
    in.Type = config.Type;
    in.ActiveChannel = config.Channel;
    in.ImpedancePart = part;
    in.AvgCount = avgCount;
    in.SeriesResistor = config.SeriesResistor;
    in.ExchangeChannel = config.ExchangeChannels;
    in.MeasValid = measValid;
    in.CalibrationRun = config.Calibration;
    in.FreqResIndex = IndexOf(config.Res);
    in.CalibValue = config.CalibValue;
    in.LevelCorr5 = config.LevelCorr5;
    in.Curves = config.Curves;
    in.CurveChecked = config.CurvesInUse;
    in.AutoOn = config.AutoAxis;
    return in;
}

void MeasurementRun::Prepare(const MeasurementConfig& config) {
    const bool firstPart = phase_ != RunPhase::PartTwoDue;
    config_ = config;
    part_ = 0;
    if (PropertiesOf(config.Type).TwoParts) part_ = firstPart ? 1 : 2;
    phase_ = RunPhase::Running;
}

void MeasurementRun::Begin() {
    avgCount_ = 0;
    session_.SetUp(config_.Type, config_.SampleRate);
    session_.Start();
}

BlockReport MeasurementRun::AddBlock(std::span<const int16_t> samples, AxisRange& range) {
    // A grid made for another block size or rate would read outside the transform's bins.
    session_.SetUp(config_.Type, config_.SampleRate);
    return session_.AddBlock(samples, DisplayInputsOf(config_, part_, avgCount_, true),
                             config_.WideRange, config_.Shown == View::Frequency, config_.Count,
                             range);
}

bool MeasurementRun::CountBlock() {
    ++avgCount_;
    ++blocksCounted_;
    if (avgCount_ < config_.Count) return false;
    if (config_.Stop == StopMode::AfterCount) return true;
    avgCount_ = 0;
    return false;
}

void MeasurementRun::Stop() {
    phase_ = FirstOfTwoParts() ? RunPhase::PartTwoDue : RunPhase::Idle;
    if (phase_ == RunPhase::Idle) avgCount_ = StoppedCount(config_.Count);
}

bool MeasurementRun::FirstOfTwoParts() const {
    return PropertiesOf(config_.Type).TwoParts && part_ == 1;
}

DisplayInputs MeasurementRun::Inputs(bool measValid) const {
    return DisplayInputsOf(config_, part_, avgCount_, measValid);
}

MeasurementResult MeasurementRun::Result() const {
    DisplayInputs in = Inputs(true);
    const FftState& fft = session_.Fft();
    return {.Type = config_.Type,
            .SampleRate = config_.SampleRate,
            .BlockSize = fft.BlockSize,
            .WindowType = fft.WindowType,
            .Bands = &session_.Bands(),
            .Twelfth = session_.ValuesAt(in, IndexOf(Resolution::Twelfth))};
}

} // namespace terzlab
