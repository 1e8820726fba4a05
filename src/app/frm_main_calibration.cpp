// The window as the calibration dialogs' host: it sets itself up for calibration runs, keeps
// what it changed and puts it back, runs the measurement and hands over its spectrum.
#include "app/frm_main.h"

#include "analysis/meas_type.h"
#include "platform/services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

namespace terzlab::app {

namespace {

constexpr int kAveragingFour = 2;

} // namespace

QWidget* frmMain::dialogParent() {
    return this;
}

// The measurement type goes first: its reaction puts back the display type and resolution it
// remembers, which would otherwise undo the two choices made here. Choosing the type again at
// the end also restores its time window.
void frmMain::beginCalibration() {
    calibSaved_ = SavedForCalibration{};
    if (chkLoaded[kSensorSlot]->isChecked()) {
        calibSaved_.sensorOn = true;
        platform::setChecked(chkLoaded[kSensorSlot], false);
    }
    cmdStart->setEnabled(false);
    calibSaved_.avgChecked = chkAvgType->isChecked();
    calibSaved_.avgIndex = cmbAvgCnt->currentIndex();
    calibSaved_.displayIndex = cmbDisplay->currentIndex();
    calibSaved_.freqResIndex = cmbFreqRes->currentIndex();
    calibSaved_.measTypeIndex = cmbMeasType->currentIndex();
    calibSaved_.channel = optChannel[1]->isChecked() ? 1 : 0;
    platform::selectListIndex(cmbMeasType, IndexOf(MeasType::LevelOneChannel));
    platform::setChecked(chkAvgType, true);
    platform::selectListIndex(cmbAvgCnt, kAveragingFour);
    platform::selectListIndex(cmbDisplay, IndexOf(View::Frequency));
    platform::selectListIndex(cmbFreqRes, kTwelfthOctave);
    session().UseWindow(kWindowHanning);
    // The dialog drives the runs from here on: the window's settings stay as it set them.
    calibrating_ = true;
    LabelShow(true);
}

void frmMain::endCalibration() {
    calibrating_ = false;
    platform::setChecked(chkAvgType, calibSaved_.avgChecked);
    platform::selectListIndex(cmbAvgCnt, calibSaved_.avgIndex);
    platform::selectListIndex(cmbDisplay, calibSaved_.displayIndex);
    platform::selectListIndex(cmbFreqRes, calibSaved_.freqResIndex);
    platform::selectListIndex(cmbMeasType, calibSaved_.measTypeIndex);
    platform::setChecked(optChannel[calibSaved_.channel], true);
    run_.CalibrationRun = false;
    cmdStart->setEnabled(true);
    LabelShow(false);
    if (calibSaved_.sensorOn) platform::setChecked(chkLoaded[kSensorSlot], true);
}

// The run analyses the window's channel: it is switched to the one being calibrated, so that the
// window shows what is measured. A start that ended before any block was analysed (missing
// file, no device) has already said why.
void frmMain::measureCalibration(const calibration::CalibRequest& request,
                                 std::function<void(bool measured)> done) {
    run_.CalibrationRun = true;
    run_.CalibFreqOption = static_cast<int16_t>(request.freqOption);
    run_.CalibLevelOption = static_cast<int16_t>(request.levelOption);
    if (!optChannel[request.channel]->isChecked())
        platform::setChecked(optChannel[request.channel], true);
    if (isRunning()) return done(false);
    const int32_t before = measurement_.BlocksCounted();
    runEnded_ = [this, before, done = std::move(done)] {
        done(measurement_.BlocksCounted() != before);
    };
    startMeasurement(calibrationConfig(request.channel));
}

// Four measurements of the one-channel level in stop mode at 1/12 octave without the sensor,
// whatever the window showed before.
MeasurementConfig frmMain::calibrationConfig(int channel) const {
    MeasurementConfig c = currentConfig();
    c.Type = MeasType::LevelOneChannel;
    c.Shown = View::Frequency;
    c.Res = Resolution::Twelfth;
    c.Channel = static_cast<int16_t>(channel);
    c.Count = 1 << kAveragingFour;
    c.Stop = StopMode::AfterCount;
    c.Calibration = true;
    c.CurvesInUse[kSensorSlot] = false;
    return c;
}

calibration::CalibSpectrum frmMain::calibrationSpectrum() {
    const BandState& bands = session().Bands();
    return {bands.BandValue, bands.Table.BandFreq, bands.Table.LastBand, &session().Fft()};
}

bool frmMain::testCdPlayback() const {
    return cmbWavOutDev->currentIndex() == run_.TestCdIndex;
}

int32_t frmMain::sampleRate() const {
    return settings_.SampleRate;
}

int16_t frmMain::activeChannel() const {
    return settings_.ActiveChannel;
}

bool frmMain::measuresOneChannel() const {
    return settings_.Type == MeasType::LevelOneChannel;
}

std::array<double, 2>& frmMain::calibValues() {
    return settings_.CalibValue;
}

std::array<double, 6>& frmMain::levelCorrections() {
    return settings_.LevelCorr;
}

void frmMain::correctionsChanged() {
    if (shownView() != View::Frequency) return;
    if (!run_.MeasValid && hooks.lastSelMode() < sel::kComparison) return;
    hooks.GetDbRange(true);
    hooks.DisplaySpec(false);
}

} // namespace terzlab::app
