// The measurement run: start command, measurement loop, stop, and the count-down caption.
#include "app/frm_main.h"

#include "analysis/meas_type.h"
#include "app/stimulus_source.h"
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

namespace terzlab::app {

namespace {

QString partTwoCaption() {
    return frmMain::tr("Messung 2.Teil");
}

QString countDownCaption(int remaining) {
    return frmMain::tr("Noch %1 Messungen. Abbruch mit ESC!").arg(remaining);
}

// Keeps the run's nesting depth right on every way out of the start command.
class RunDepth {
  public:
    explicit RunDepth(int& depth) : depth_(depth) { ++depth_; }
    ~RunDepth() { --depth_; }
    RunDepth(const RunDepth&) = delete;
    RunDepth& operator=(const RunDepth&) = delete;

  private:
    int& depth_;
};

} // namespace

void frmMain::cmdStart_Click() {
    if (run_.Phase == RunPhase::Running) return;
    const bool firstPart = run_.Phase == RunPhase::Idle;
    run_.Phase = RunPhase::Running;
    {
        RunDepth depth(runDepth_);
        if (!startRun(firstPart)) endPhase(firstPart ? RunPhase::Idle : RunPhase::PartTwoDue);
    }
    if (runDepth_ == 0 && closeRequested_) {
        closeRequested_ = false;
        close();
        return;
    }
    if (runDepth_ == 0) refitShownModel();
}

// The caption goes with the phase, so that the button always says what a click does.
void frmMain::endPhase(RunPhase phase) {
    run_.Phase = phase;
    cmdStart->setText(phase == RunPhase::PartTwoDue ? partTwoCaption() : idleCaption());
}

// False when the run never began (a dialog closed the window, the stimulus is unusable): the
// button then offers the same start again.
bool frmMain::startRun(bool firstPart) {
    const int type = settings_.MeasTypeIndex;
    run_.MeasValid = true;
    graph_.Model = {}; // fitted to the curve this run replaces
    graph_.Response = {};
    mnuFileSaveAs->setEnabled(false);
    run_.ImpedancePart = 0;
    const MeasTypeProperties& props = PropertiesOf(type);
    if (props.TwoParts) run_.ImpedancePart = firstPart ? 1 : 2;
    if (mnuHelpShow->isChecked() || props.Instructions || run_.CalibrationRun)
        showInstructionDialog();
    if (closeRequested_) return false;
    if (cmbWavOutDev->currentIndex() == run_.TestCdIndex) {
        showSignalHelp();
        run_.StimulusPath = kTestCdPath;
        if (closeRequested_) return false;
    } else if (!prepareStimulus()) {
        return run_.Phase != RunPhase::Running; // a stop on the way has set the phase
    }
    run_.AvgCount = 0;
    session_.Start();
    services_.keys->forgetEsc(); // a press from before the run must not stop it
    UpdateStartText(0);
    LabelShow(true);
    DisplayInit(true);
    configureBench();
    if (!openCapture()) return true;
    startCapture();
    if (run_.StimulusPath != kTestCdPath) services_.card->player->playLooped(run_.StimulusPath);
    services_.sleeper->sleepMs(100);
    GetActChan();
    if (firstBlock()) DisplayLoop();
    if (lblOVL[0]->isVisible() || lblOVL[1]->isVisible()) {
        services_.dialogs->DialogPage = guidance::kOverloadPage;
        openHelpDialog();
    }
    return true;
}

bool frmMain::prepareStimulus() {
    const StimulusOutcome outcome =
        prepareStimulusFile(services_.places,
                            {settings_.MeasTypeIndex, run_.CalibrationRun, run_.CalibFreqOption,
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
        return false;
    case StimulusStatus::Invalid:
        message(tr("Die Datei %1 ist keine gültige WAV-Datei, Messung abgebrochen!").arg(path),
                platform::MsgIcon::Exclamation, tr("Fehler"));
        return false;
    case StimulusStatus::NotWritable:
        rateNotWritable();
        return false;
    }
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
    run_.ImpedancePart = 0;
    DoStop();
}

bool frmMain::waitForDialog() {
    while (services_.dialogs->DialogPage != -1 && !closeRequested_)
        platform::waitForEvents();
    return !closeRequested_;
}

void frmMain::showInstructionDialog() {
    const int type = settings_.MeasTypeIndex;
    services_.dialogs->DialogPage = static_cast<int16_t>(guidance::kInstructionPageBase + type);
    if (run_.CalibrationRun) {
        run_.Range = AxisRange{0, -100, 20};
        services_.dialogs->DialogPage =
            guidance::kInstructionPageBase + guidance::kCalibrationInstructionMode;
    }
    if (ImpedanceResult(type, run_.ImpedancePart))
        run_.Range = RunStartRange(type, run_.ImpedancePart);
    if (services_.openInstructions)
        services_.openInstructions();
    else
        (new guidance::frmMeas(*services_.dialogs,
                               {settings_.MeasTypeIndex, settings_.ActiveChannel,
                                run_.ImpedancePart, &settings_.SeriesResistor},
                               this))
            ->show();
    waitForDialog();
}

void frmMain::showSignalHelp() {
    services_.dialogs->DialogPage = static_cast<int16_t>(
        run_.CalibrationRun ? guidance::kCalibrationSignalPage
                            : guidance::kTestSignalPageBase + settings_.MeasTypeIndex);
    openHelpDialog();
    waitForDialog();
}

void frmMain::openHelpDialog() {
    if (services_.openHelp)
        services_.openHelp();
    else
        (new guidance::frmHelp(*services_.dialogs, this, calibrationLowSine()))->show();
}

void frmMain::configureBench() {
    if (!services_.card->bench) return;
    services_.card->bench->setWiring({settings_.MeasTypeIndex, run_.ImpedancePart,
                                      static_cast<double>(settings_.SeriesResistor)});
}

void frmMain::DisplayLoop() {
    for (;;) {
        if (!nextBlock()) return;
        const bool frequency = cmbDisplay->currentIndex() == kDisplayFrequency;
        const BlockReport report = analyseBlock(frequency);
        showLevels(report);
        if (frequency) {
            showRange(report.Range);
            drawSpectrum();
        } else {
            DisplayTime();
        }
        UpdateStartText(1);
        platform::letEventsRun();
        if (services_.keys->escPressed() || closeRequested_) {
            if (closeRequested_) run_.ImpedancePart = 0;
            DoStop();
            return;
        }
        ++run_.AvgCount;
        ++run_.BlocksAnalysed;
        if (run_.AvgCount == run_.MeasLimit && !chkAvgType->isChecked()) run_.AvgCount = 0;
        if (run_.CaptureHandle == 0 || run_.AvgCount == run_.MeasLimit) break;
    }
    if (run_.AvgCount == run_.MeasLimit) DoStop();
}

void frmMain::DoStop() {
    closeCapture();
    if (firstOfTwoParts()) {
        endPhase(RunPhase::PartTwoDue);
        cmdStart_Click();
        return;
    }
    LabelShow(false);
    run_.AvgCount = StoppedCount(run_.MeasLimit);
    if (!cmdStart->isEnabled() && !run_.CalibrationRun) cmdStart->setEnabled(true);
    endPhase(RunPhase::Idle);
    if (!run_.CalibrationRun) focusStart();
    // Save only what this run analysed: a run in the time view or one whose device delivered
    // nothing leaves no band values of its own.
    showCommands();
}

void frmMain::UpdateStartText(int16_t Offset) {
    const int remaining = run_.MeasLimit - run_.AvgCount;
    if (remaining != Offset) {
        cmdStart->setText(countDownCaption(remaining - Offset));
    } else if (firstOfTwoParts()) {
        cmdStart->setText(partTwoCaption());
    } else if (chkAvgType->isChecked()) {
        cmdStart->setText(tr("Fertig!"));
    } else {
        cmdStart->setText(countDownCaption(run_.MeasLimit));
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
    if (run_.MeasLimit == 1) return tr("Stop &nach 1 Messung");
    if (PropertiesOf(settings_.MeasTypeIndex).TimeViewOnly)
        return tr("Stop &nach %1 Messungen").arg(run_.MeasLimit);
    return tr("Stop &nach %1 Mittelungen").arg(run_.MeasLimit);
}

// Unlocked, the resolution, channel buttons and commands are those of the type and view, the
// same as a change of type or view gives them.
void frmMain::LabelShow(bool Measure) {
    commandsLocked_ = Measure || run_.CalibrationRun || calibrating_;
    const bool free = !commandsLocked_;
    for (QWidget* control : std::initializer_list<QWidget*>{cmbWavInDev, cmbWavOutDev, cmbMeasType,
                                                            cmbAvgCnt, chkAvgType})
        control->setEnabled(free);
    cmbDisplay->setEnabled(free && !PropertiesOf(settings_.MeasTypeIndex).TimeViewOnly);
    mnu48k->setEnabled(free && cmbWavOutDev->currentIndex() != run_.TestCdIndex);
    if (!free) {
        mnuRange->setEnabled(false);
        mnuTimeChk->setEnabled(false);
    }
    showViewControls();
}

void frmMain::GetActChan() {
    settings_.ActiveChannel = run_.ChannelCount == 1 || optChannel[0]->isChecked() ? 0 : 1;
    run_.CurveColour =
        LiveCurveColour(run_.ChannelCount, settings_.ActiveChannel, settings_.MeasTypeIndex,
                        run_.ImpedancePart, cmbDisplay->currentIndex() == kDisplayFrequency);
}

// The calibration run with the test CD names the track of the sine it expects.
bool frmMain::calibrationLowSine() const {
    return run_.CalibrationRun && run_.CalibFreqOption == 0;
}

bool frmMain::firstOfTwoParts() const {
    return PropertiesOf(settings_.MeasTypeIndex).TwoParts && run_.ImpedancePart == 1;
}

void frmMain::focusStart() {
    if (cmdStart->isEnabled()) cmdStart->setFocus();
}

} // namespace terzlab::app
