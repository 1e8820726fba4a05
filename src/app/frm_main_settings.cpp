// The measurement settings: type, display, resolution, devices and channel.
#include "app/frm_main.h"

#include "analysis/meas_type.h"
#include "app/sweep_controller.h"
#include "files/disp_oct.h"
#include "platform/services.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace terzlab::app {

namespace {

constexpr int kFinestResolution = IndexOf(Resolution::Twelfth);

} // namespace

void frmMain::cmbMeasType_Click() {
    const MeasType previous = settings_.Type;
    // The list holds exactly the types, so its index always names one.
    const MeasType type = MeasTypeOf(cmbMeasType->currentIndex()).value_or(previous);
    settings_.Type = type;
    run_.MeasValid = false;
    GetBlockSize();
    hooks.BuildBandTable();
    // Restored in time display too, so that the choice survives a detour through the forced
    // resolution of types 3 and 4 whatever the display.
    if (PropertiesOf(type).Unit == ResultUnit::Decibel) restoreResolution();
    if (PropertiesOf(type).FixedFineGrid) {
        platform::selectListIndex(cmbFreqRes, kFinestResolution);
        focusStart();
    }
    UpdateStopText();
    cmbDisplay->setEnabled(true);
    if (ViewFixed(type)) {
        // A view the type before forced is not the user's choice either.
        if (!ViewFixed(previous))
            settings_.DisplayTypeIndex = static_cast<int16_t>(cmbDisplay->currentIndex());
        // Types 3 and 4 put 1/12 octave into the list; that is not the user's choice.
        if (!PropertiesOf(previous).FixedFineGrid && PropertiesOf(type).TimeViewOnly)
            settings_.FreqResIndex = static_cast<int16_t>(cmbFreqRes->currentIndex());
        platform::selectListIndex(cmbDisplay,
                                  IndexOf(PropertiesOf(type).Swept ? View::Frequency : View::Time));
        cmbDisplay->setEnabled(false);
    } else if (cmbDisplay->currentIndex() != settings_.DisplayTypeIndex) {
        platform::selectListIndex(cmbDisplay, settings_.DisplayTypeIndex);
    }
    sweep_->showDialog(PropertiesOf(type).Swept);
    // Whichever way the display list went, the type starts from the same controls and axis,
    // and the old type's curve and units leave the graph.
    startView();
    if (PropertiesOf(type).Swept) sweep_->draw();
}

void frmMain::restoreResolution() {
    if (cmbFreqRes->currentIndex() == settings_.FreqResIndex) return;
    platform::selectListIndex(cmbFreqRes, settings_.FreqResIndex);
    hooks.BuildBandTable();
}

void frmMain::cmbDisplay_Click() {
    const MeasType type = settings_.Type;
    const int display = cmbDisplay->currentIndex();
    if (!ViewFixed(type)) settings_.DisplayTypeIndex = static_cast<int16_t>(display);
    startView();
    if (run_.MeasValid) redrawAfterDisplayChange();
}

// The axis, the controls and the empty frame of the type in the view shown.
void frmMain::startView() {
    const bool frequency = shownView() == View::Frequency;
    run_.Range = ViewStartRange(settings_.Type, frequency);
    showViewControls();
    hooks.DisplayInit(true);
}

void frmMain::showViewControls() {
    const MeasTypeProperties& props = PropertiesOf(settings_.Type);
    const bool frequency = shownView() == View::Frequency;
    cmbFreqRes->setEnabled(frequency && !props.FixedFineGrid && !props.TimeViewOnly &&
                           !props.Swept && !commandsLocked_);
    for (QRadioButton* option : optChannel)
        option->setEnabled(!(props.BothInputs && frequency) && !commandsLocked_);
    showCommands();
}

// The curve of a slot can take part in the type's values: a sensor file for the level types, a
// level reference for the types that take one, a comparison curve of the type's unit.
bool frmMain::curveFitsType(int slot) const {
    const MeasTypeProperties& props = PropertiesOf(settings_.Type);
    const int curveType = hooks.loadedCurveType(slot);
    if (slot == kSensorSlot) return props.Sensor && curveType == kCurveSensor;
    if (slot == kReferenceSlot)
        return props.Reference != CurveKind::None && curveType == static_cast<int>(props.Reference);
    return ComparableCurve(settings_.Type, static_cast<int16_t>(curveType));
}

// The menu commands and curve boxes of the type in the view shown. Commands that change the
// measurement wait while a run or the calibration drives it.
void frmMain::showCommands() {
    const MeasTypeProperties& props = PropertiesOf(settings_.Type);
    const bool frequency = shownView() == View::Frequency;
    const bool free = !commandsLocked_;
    mnuLoadCorr->setEnabled(free && frequency && props.Sensor);
    mnuLoadRef->setEnabled(free && frequency && props.Reference != CurveKind::None);
    mnuLoadComp->setEnabled(free && frequency && props.Compared != CurveKind::None);
    for (int slot = 0; slot < 3; ++slot)
        chkLoaded[slot]->setEnabled(frequency && curveFitsType(slot));
    mnuLevel->menuAction()->setEnabled(free && props.Calibrated);
    mnuXchan->setEnabled(free && props.BothInputs);
    mnuFileSaveAs->setEnabled(saveOffered());
}

// Saving is offered once a run has finished its last part, for a spectrum it analysed, and not
// while a run or the calibration drives the measurement.
bool frmMain::saveOffered() const {
    return !commandsLocked_ && measurement_.Phase() == RunPhase::Idle &&
           shownView() == View::Frequency && !PropertiesOf(settings_.Type).TimeViewOnly &&
           resultOnHand();
}

bool frmMain::resultOnHand() const {
    if (sweepType()) return sweep_->resultOnHand();
    if (!run_.MeasValid) return false;
    return shownView() == View::Time || session().HasResults();
}

// The stored results are redrawn, never fed again: a run watched in the time view analysed no
// block, and then the spectrum view stays empty.
void frmMain::redrawAfterDisplayChange() {
    GetActChan();
    const bool autoRange = autoRangeOn();
    if (shownView() == View::Time) {
        if (autoRange) hooks.CheckOverload();
        hooks.DisplayTime();
        if (run_.MeasLimit > 1)
            message(tr("Es wird nur das Zeitsignal der letzten Messung angezeigt"),
                    platform::MsgIcon::Exclamation, tr("Warnung"));
        return;
    }
    if (sweepType()) return sweep_->draw();
    if (!session().HasResults()) return;
    if (autoRange) hooks.GetDbRange(true);
    hooks.DisplaySpec(false);
}

void frmMain::cmbFreqRes_Click() {
    const MeasType type = settings_.Type;
    const bool levels = PropertiesOf(type).Unit == ResultUnit::Decibel;
    if (levels && shownView() == View::Frequency && run_.MeasValid) hooks.DisplaySpec(false);
    focusStart();
    if (levels) settings_.FreqResIndex = static_cast<int16_t>(cmbFreqRes->currentIndex());
}

void frmMain::cmbWavInDev_Change() {
    settings_.WavInDevIndex = static_cast<int16_t>(cmbWavInDev->currentIndex());
}

void frmMain::cmbWavOutDev_Click() {
    if (cmbWavOutDev->currentIndex() == run_.TestCdIndex) {
        settings_.WavOutDevIndex = 1;
        if (mnu48k->isChecked())
            message(tr("Bei Anregung mit Test-CD ist eine Abtastung mit 48kHz nicht möglich"),
                    platform::MsgIcon::Exclamation, tr("Hinweis"));
        mnu48k->setEnabled(false);
        setSampleRate(44100);
        return;
    }
    settings_.WavOutDevIndex = 0;
    mnu48k->setEnabled(true);
    setSampleRate(mnu48k->isChecked() ? 48000 : 44100);
}

// The band grid belongs to one sample rate: a result measured at the other one cannot be
// redrawn or saved on the new grid.
void frmMain::setSampleRate(int32_t rate) {
    if (rate == settings_.SampleRate) return;
    settings_.SampleRate = rate;
    run_.MeasValid = false;
    hooks.BuildBandTable();
    showCommands();
}

void frmMain::optChannel_Click() {
    settings_.ActiveChannel = optChannel[0]->isChecked() ? 0 : 1;
}

} // namespace terzlab::app
