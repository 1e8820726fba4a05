// The measurement run: start command, measurement loop, stop, and the count-down caption.
#include "app/frm_main.h"

#include "analysis/meas_type.h"
#include "app/live_controller.h"
#include "app/stimulus_source.h"
#include "app/sweep_controller.h"
#include "audio/virtual/virtual_card.h"
#include "display/curve_colour.h"
#include "guidance/frm_help.h"
#include "guidance/frm_meas.h"
#include "guidance/help_pages.h"
#include "guidance/instruction_text.h"
#include "platform/key_state.h"
#include "platform/services.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <utility>

namespace terzlab::app {

namespace {

QString partTwoCaption() {
    return frmMain::tr("Messung 2.Teil");
}

QString countDownCaption(int remaining) {
    return frmMain::tr("Noch %1 Messungen. Abbruch mit ESC!").arg(remaining);
}

} // namespace

void frmMain::cmdStart_Click() {
    if (live_->on()) return live_->stop([this] { startMeasurement(currentConfig()); });
    if (sweepType()) return sweep_->start();
    startMeasurement(currentConfig());
}

void frmMain::startMeasurement(const MeasurementConfig& config) {
    if (measurement_.Phase() == RunPhase::Running) return;
    running_ = true;
    capturedParts_ = 0;
    measurement_.Prepare(config);
    prepareRun();
}

// A run starts with the instructions it needs, then the stimulus, then the capture; each step
// may end it before any block (a dialog closed the window, the stimulus is unusable).
void frmMain::prepareRun() {
    run_.MeasValid = true;
    graph_.Model = {}; // fitted to the curve this run replaces
    graph_.Response = {};
    mnuFileSaveAs->setEnabled(false);
    if (mnuHelpShow->isChecked() || PropertiesOf(measurement_.Config().Type).Instructions ||
        run_.CalibrationRun) {
        showInstructionDialog();
        waitForDialog([this] { afterInstructions(); });
        return;
    }
    afterInstructions();
}

void frmMain::afterInstructions() {
    if (closeRequested_) return abortStart();
    if (cmbWavOutDev->currentIndex() == run_.TestCdIndex) {
        showSignalHelp();
        waitForDialog([this] {
            run_.StimulusPath = kTestCdPath;
            if (closeRequested_) return abortStart();
            beginCapture();
        });
        return;
    }
    if (prepareStimulus()) beginCapture();
}

// The button offers the same start again.
void frmMain::abortStart() {
    endPhase(measurement_.Part() == 2 ? RunPhase::PartTwoDue : RunPhase::Idle);
    finishRun();
}

void frmMain::beginCapture() {
    measurement_.Begin();
    services_.keys->forgetEsc(); // a press from before the run must not stop it
    UpdateStartText(0);
    LabelShow(true);
    DisplayInit(true);
    configureBench();
    if (!openCapture()) return finishRun();
    ++capturedParts_;
    startCapture();
    if (run_.StimulusPath != kTestCdPath) services_.card->player->playLooped(run_.StimulusPath);
    services_.scheduler->after(100, this, [this] {
        GetActChan();
        firstBlock();
    });
}

// The caption goes with the phase, so that the button always says what a click does.
void frmMain::endPhase(RunPhase phase) {
    measurement_.SetPhase(phase);
    cmdStart->setText(phase == RunPhase::PartTwoDue ? partTwoCaption() : idleCaption());
}

bool frmMain::prepareStimulus() {
    const StimulusOutcome outcome =
        prepareStimulusFile(services_.places,
                            {settings_.Type, run_.CalibrationRun, run_.CalibFreqOption,
                             run_.CalibLevelOption, mnuTimeChk->isChecked()},
                            static_cast<uint32_t>(settings_.SampleRate));
    run_.StimulusPath = outcome.path;
    const QString path = QString::fromStdString(outcome.path);
    switch (outcome.status) {
    case StimulusStatus::Ready:
        return true;
    case StimulusStatus::Missing:
        message(tr("Datei %1 nicht gefunden, Messung abgebrochen!").arg(path),
                platform::MsgIcon::Exclamation, tr("Fehler"));
        break;
    case StimulusStatus::Invalid:
        message(tr("Die Datei %1 ist keine gültige WAV-Datei, Messung abgebrochen!").arg(path),
                platform::MsgIcon::Exclamation, tr("Fehler"));
        break;
    case StimulusStatus::NotWritable:
        rateNotWritable(); // ends the run itself
        return false;
    }
    abortStart();
    return false;
}

void frmMain::rateNotWritable() {
    message(tr("Die WAV-Datei %1\r\nist schreibgeschützt, die neue Abtastrate kann nicht "
               "geändert werden!\r\nDie Abtastfrequenz wurde auf 44100 Hz zurückgesetzt, bitte "
               "starten Sie die Messung neu!")
                .arg(QString::fromStdString(run_.StimulusPath)),
            platform::MsgIcon::Exclamation, tr("Fehler:"));
    if (mnu48k->isChecked()) mnu48k_Click();
    settings_.SampleRate = 44100;
    // Part two would meet the same file again and again: the run ends here.
    measurement_.ForgetPart();
    DoStop();
}

// The instructions and help are shown beside the window; the run goes on once they are closed
// (or at once when the window is to close).
void frmMain::waitForDialog(std::function<void()> then) {
    dialogWait_ = std::move(then);
    resumeAfterDialog();
}

void frmMain::resumeAfterDialog() {
    if (!dialogWait_) return;
    if (services_.dialogs->DialogPage != -1 && !closeRequested_) return;
    std::exchange(dialogWait_, {})();
}

void frmMain::showInstructionDialog() {
    const MeasType type = settings_.Type;
    services_.dialogs->DialogPage =
        static_cast<int16_t>(guidance::kInstructionPageBase + IndexOf(type));
    if (run_.CalibrationRun) {
        run_.Range = AxisRange{0, -100, 20};
        services_.dialogs->DialogPage =
            guidance::kInstructionPageBase + guidance::kCalibrationInstructionMode;
    }
    const int16_t part = measurement_.Part();
    if (ImpedanceResult(type, part)) run_.Range = RunStartRange(type, part);
    if (services_.openInstructions) {
        services_.openInstructions();
        return;
    }
    auto* dialog = new guidance::frmMeas(
        *services_.dialogs,
        {settings_.Type, settings_.ActiveChannel, part, &settings_.SeriesResistor}, this);
    connect(dialog, &QObject::destroyed, this, [this] { resumeAfterDialog(); });
    dialog->show();
}

void frmMain::showSignalHelp() {
    services_.dialogs->DialogPage = static_cast<int16_t>(
        run_.CalibrationRun ? guidance::kCalibrationSignalPage
                            : guidance::kTestSignalPageBase + IndexOf(settings_.Type));
    openHelpDialog();
}

void frmMain::openHelpDialog() {
    if (services_.openHelp) {
        services_.openHelp();
        return;
    }
    auto* dialog = new guidance::frmHelp(*services_.dialogs, this, calibrationLowSine());
    connect(dialog, &QObject::destroyed, this, [this] { resumeAfterDialog(); });
    dialog->show();
}

void frmMain::configureBench() {
    if (!services_.card->bench) return;
    services_.card->bench->setWiring(
        {.measType = IndexOf(settings_.Type),
         .impedancePart = measurement_.Part(),
         .seriesResistor = static_cast<double>(settings_.SeriesResistor),
         .calibration = run_.CalibrationRun});
}

void frmMain::DisplayLoop() {
    const bool frequency = measurement_.Config().Shown == View::Frequency;
    const BlockReport report = measurement_.AddBlock(CaptureBuffer, run_.Range);
    showLevels(report);
    if (frequency) {
        showRange(report.Range);
        drawSpectrum();
    } else {
        DisplayTime();
    }
    UpdateStartText(1);
    if (services_.keys->escPressed() || closeRequested_) {
        if (closeRequested_) measurement_.ForgetPart();
        return DoStop();
    }
    if (measurement_.CountBlock()) return DoStop();
    if (run_.CaptureHandle == 0) return finishRun(); // closed under the run: it is over
    nextBlock();
}

void frmMain::DoStop() {
    closeCapture([this] { afterStop(); });
}

void frmMain::afterStop() {
    measurement_.Stop();
    if (measurement_.Phase() == RunPhase::PartTwoDue) {
        endPhase(RunPhase::PartTwoDue);
        measurement_.Prepare(measurement_.Config());
        return prepareRun();
    }
    LabelShow(false);
    if (!cmdStart->isEnabled() && !run_.CalibrationRun) cmdStart->setEnabled(true);
    endPhase(RunPhase::Idle);
    if (!run_.CalibrationRun) focusStart();
    // Save only what this run analysed: a run in the time view or one whose device delivered
    // nothing leaves no band values of its own.
    showCommands();
    finishRun();
}

// Every way a run ends comes here once: the overload hint, a close that waited for the run, the
// Thiele-Small dialog's refit and whoever waited for the end.
void frmMain::finishRun() {
    if (!running_) return;
    running_ = false;
    if (lblOVL[0]->isVisible() || lblOVL[1]->isVisible()) {
        for (; capturedParts_ > 0; --capturedParts_) {
            services_.dialogs->DialogPage = guidance::kOverloadPage;
            openHelpDialog();
        }
    }
    capturedParts_ = 0;
    if (closeRequested_) {
        closeRequested_ = false;
        close();
        return;
    }
    refitShownModel();
    if (runEnded_) std::exchange(runEnded_, {})();
}

void frmMain::UpdateStartText(int16_t Offset) {
    const int remaining = measurement_.Count() - measurement_.AvgCount();
    if (remaining != Offset) {
        cmdStart->setText(countDownCaption(remaining - Offset));
    } else if (firstOfTwoParts()) {
        cmdStart->setText(partTwoCaption());
    } else if (measurement_.Config().Stop == StopMode::AfterCount) {
        cmdStart->setText(tr("Fertig!"));
    } else {
        cmdStart->setText(countDownCaption(measurement_.Count()));
    }
}

void frmMain::UpdateStopText() {
    const int k = std::max(cmbAvgCnt->currentIndex(), 0);
    const int sign = settings_.AvgCountIndex < 0 ? -1 : 1;
    settings_.AvgCountIndex = static_cast<int16_t>(sign * (k + 1));
    run_.MeasLimit = static_cast<int16_t>(1 << k);
    chkAvgType->setText(stopCaption());
}

QString frmMain::idleCaption() {
    return tr("&Starte Messung");
}

QString frmMain::stopCaption() const {
    return stopCaption(run_.MeasLimit, PropertiesOf(settings_.Type).TimeViewOnly);
}

QString frmMain::stopCaption(int limit, bool measurements) {
    if (limit == 1) return tr("Stop &nach 1 Messung");
    if (measurements) return tr("Stop &nach %1 Messungen").arg(limit);
    return tr("Stop &nach %1 Mittelungen").arg(limit);
}

// Unlocked, the resolution, channel buttons and commands are those of the type and view, the
// same as a change of type or view gives them.
void frmMain::LabelShow(bool Measure) {
    commandsLocked_ = Measure || run_.CalibrationRun || calibrating_;
    const bool free = !commandsLocked_;
    for (QWidget* control : std::initializer_list<QWidget*>{cmbWavInDev, cmbWavOutDev, cmbMeasType,
                                                            cmbAvgCnt, chkAvgType})
        control->setEnabled(free);
    cmbDisplay->setEnabled(free && !ViewFixed(settings_.Type));
    mnu48k->setEnabled(free && cmbWavOutDev->currentIndex() != run_.TestCdIndex);
    if (!free) {
        mnuRange->setEnabled(false);
        mnuTimeChk->setEnabled(false);
    }
    showViewControls();
}

void frmMain::GetActChan() {
    settings_.ActiveChannel = run_.ChannelCount == 1 || optChannel[0]->isChecked() ? 0 : 1;
    if (isRunning()) measurement_.Config().Channel = settings_.ActiveChannel;
    run_.CurveColour = LiveCurveColour(run_.ChannelCount, settings_.ActiveChannel, settings_.Type,
                                       measurement_.Part(), shownView() == View::Frequency);
}

// The calibration run with the test CD names the track of the sine it expects.
bool frmMain::calibrationLowSine() const {
    return run_.CalibrationRun && run_.CalibFreqOption == 0;
}

bool frmMain::firstOfTwoParts() const {
    return measurement_.FirstOfTwoParts();
}

void frmMain::focusStart() {
    if (cmdStart->isEnabled()) cmdStart->setFocus();
}

} // namespace terzlab::app
