// The measurement settings: type, display, resolution, devices and channel.
#include "app/frm_main.h"

#include "analysis/meas_type.h"
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

constexpr int kTimeDisplay = 0;
constexpr int kFrequencyDisplay = 1;
constexpr int kFinestResolution = 2;

} // namespace

void frmMain::cmbMeasType_Click() {
    const int previous = settings_.MeasTypeIndex;
    const int type = cmbMeasType->currentIndex();
    settings_.MeasTypeIndex = static_cast<int16_t>(type);
    run_.MeasValid = false;
    mnuFileSaveAs->setEnabled(false);
    cmbFreqRes->setEnabled(!PropertiesOf(type).FixedFineGrid &&
                           cmbDisplay->currentIndex() != kTimeDisplay);
    mnuLevel->menuAction()->setEnabled(PropertiesOf(type).Calibrated);
    for (QAction* load : {mnuLoadCorr, mnuLoadRef, mnuLoadComp})
        load->setEnabled(false);
    for (QCheckBox* box : chkLoaded)
        box->setEnabled(false);
    GetBlockSize();
    hooks.BuildBandTable();
    enableLoadsForType();
    if (PropertiesOf(type).FixedFineGrid) {
        platform::selectListIndex(cmbFreqRes, kFinestResolution);
        mnuLoadCorr->setEnabled(false);
        mnuLoadComp->setEnabled(true);
        focusStart();
    }
    if (MeasTypeOf(type) == MeasType::ImpedanceTwoChannel) run_.Range = AxisRange{20, 0, 4};
    UpdateStopText();
    cmbDisplay->setEnabled(true);
    if (PropertiesOf(type).TimeViewOnly) {
        settings_.DisplayTypeIndex = static_cast<int16_t>(cmbDisplay->currentIndex());
        // Types 3 and 4 put 1/12 octave into the list; that is not the user's choice.
        if (!PropertiesOf(previous).FixedFineGrid)
            settings_.FreqResIndex = static_cast<int16_t>(cmbFreqRes->currentIndex());
        platform::selectListIndex(cmbDisplay, kTimeDisplay);
        cmbDisplay->setEnabled(false);
    } else if (cmbDisplay->currentIndex() != settings_.DisplayTypeIndex) {
        platform::selectListIndex(cmbDisplay, settings_.DisplayTypeIndex);
    }
    const bool twoChannels = PropertiesOf(type).BothInputs;
    const bool frequency = cmbDisplay->currentIndex() == kFrequencyDisplay;
    for (QRadioButton* option : optChannel)
        option->setEnabled(!(twoChannels && frequency));
    mnuXchan->setEnabled(twoChannels);
}

// The load commands and curve boxes that the new type can use in frequency display.
void frmMain::enableLoadsForType() {
    const int type = settings_.MeasTypeIndex;
    const bool frequency = cmbDisplay->currentIndex() == kFrequencyDisplay;
    if (PropertiesOf(type).Unit == ResultUnit::Decibel && frequency) {
        for (QAction* load : {mnuLoadCorr, mnuLoadRef, mnuLoadComp})
            load->setEnabled(true);
        chkLoaded[0]->setEnabled(hooks.loadedCurveType(0) == kCurveSensor);
        chkLoaded[1]->setEnabled(hooks.loadedCurveType(1) == kCurveLevel);
        chkLoaded[2]->setEnabled(hooks.loadedCurveType(2) == kCurveLevel);
    } else if (PropertiesOf(type).Unit == ResultUnit::Ohm && frequency) {
        mnuLoadCorr->setEnabled(false);
        mnuLoadRef->setEnabled(PropertiesOf(type).Reference != CurveKind::None);
        mnuLoadComp->setEnabled(true);
        chkLoaded[2]->setEnabled(hooks.loadedCurveType(2) == kCurveImpedance);
    }
    // Restored in time display too, so that the choice survives a detour through the forced
    // resolution of types 3 and 4 whatever the display.
    if (PropertiesOf(type).Unit == ResultUnit::Decibel) restoreResolution();
}

void frmMain::restoreResolution() {
    if (cmbFreqRes->currentIndex() == settings_.FreqResIndex) return;
    platform::selectListIndex(cmbFreqRes, settings_.FreqResIndex);
    hooks.BuildBandTable();
}

void frmMain::cmbDisplay_Click() {
    const int type = settings_.MeasTypeIndex;
    const int display = cmbDisplay->currentIndex();
    if (!PropertiesOf(type).TimeViewOnly)
        settings_.DisplayTypeIndex = static_cast<int16_t>(display);
    if (display == kFrequencyDisplay) {
        showFrequencyControls();
    } else {
        run_.Range = AxisRange{100, -100, 20};
        for (QAction* command : {mnuFileSaveAs, mnuLoadCorr, mnuLoadRef, mnuLoadComp})
            command->setEnabled(false);
        for (QCheckBox* box : chkLoaded)
            box->setEnabled(false);
        cmbFreqRes->setEnabled(false);
        for (QRadioButton* option : optChannel)
            option->setEnabled(true);
    }
    hooks.DisplayInit(true);
    if (run_.MeasValid) redrawAfterDisplayChange();
}

void frmMain::showFrequencyControls() {
    const int type = settings_.MeasTypeIndex;
    run_.Range = AxisRange{0, -100, 20};
    if (PropertiesOf(type).Unit == ResultUnit::Decibel) {
        for (QAction* load : {mnuLoadCorr, mnuLoadRef, mnuLoadComp})
            load->setEnabled(true);
        for (int slot = 0; slot < 3; ++slot)
            chkLoaded[slot]->setEnabled(hooks.loadedCurveType(slot) != 0);
        cmbFreqRes->setEnabled(true);
    } else if (PropertiesOf(type).Unit == ResultUnit::Ohm) {
        mnuLoadCorr->setEnabled(false);
        mnuLoadRef->setEnabled(false);
        mnuLoadComp->setEnabled(true);
        chkLoaded[2]->setEnabled(hooks.loadedCurveType(2) == kCurveImpedance);
    }
    if (PropertiesOf(type).BothInputs)
        for (QRadioButton* option : optChannel)
            option->setEnabled(false);
}

void frmMain::redrawAfterDisplayChange() {
    GetActChan();
    const bool autoRange = autoRangeOn();
    if (cmbDisplay->currentIndex() == kTimeDisplay) {
        if (autoRange) hooks.CheckOverload();
        hooks.DisplayTime();
        if (run_.MeasLimit > 1)
            message(QStringLiteral("Es wird nur das Zeitsignal der letzten Messung angezeigt"),
                    platform::MsgIcon::Exclamation, QStringLiteral("Warnung"));
        return;
    }
    if (autoRange) hooks.GetDbRange(true);
    // A run watched in time display has no band averages yet: the last block is analysed now.
    hooks.DisplaySpec(!run_.FreqDisplayRun);
}

void frmMain::cmbFreqRes_Click() {
    const int type = settings_.MeasTypeIndex;
    const bool levels = PropertiesOf(type).Unit == ResultUnit::Decibel;
    if (levels && cmbDisplay->currentIndex() == kFrequencyDisplay && run_.MeasValid)
        hooks.DisplaySpec(false);
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
            message(QStringLiteral("Bei Anregung mit Test-CD ist eine Abtastung mit 48kHz nicht "
                                   "möglich"),
                    platform::MsgIcon::Exclamation, QStringLiteral("Hinweis"));
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
    mnuFileSaveAs->setEnabled(false);
    hooks.BuildBandTable();
}

void frmMain::optChannel_Click() {
    settings_.ActiveChannel = optChannel[0]->isChecked() ? 0 : 1;
}

} // namespace terzlab::app
