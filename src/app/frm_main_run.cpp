// The measurement run: start command, measurement loop, stop, and the count-down caption.
#include "app/frm_main.h"

#include "app/stimulus_source.h"
#include "audio/virtual/virtual_card.h"
#include "guidance/frm_help.h"
#include "guidance/frm_meas.h"
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

const QString kIdleCaption = QStringLiteral("&Starte Messung");
const QString kPartTwoCaption = QStringLiteral("Messung 2.Teil");
const QString kDoneCaption = QStringLiteral("Fertig!");

QString countDownCaption(int remaining) {
    return QStringLiteral("Noch ") + QString::number(remaining) +
           QStringLiteral(" Messungen. Abbruch mit ESC!");
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
    const QString caption = cmdStart->text();
    if (caption != kIdleCaption && caption != kPartTwoCaption) return;
    {
        RunDepth depth(runDepth_);
        startRun(caption == kIdleCaption);
    }
    if (runDepth_ == 0 && closeRequested_) {
        closeRequested_ = false;
        close();
    }
}

void frmMain::startRun(bool firstPart) {
    const int type = settings_.MeasTypeIndex;
    run_.MeasValid = true;
    if (cmbDisplay->currentIndex() == 1) run_.FreqDisplayRun = true;
    mnuFileSaveAs->setEnabled(false);
    run_.ImpedancePart = 0;
    if (type == meas::kImpedanceOneChannel) run_.ImpedancePart = firstPart ? 1 : 2;
    if (mnuHelpShow->isChecked() || type > 2 || run_.CalibrationRun) showInstructionDialog();
    if (closeRequested_) return;
    if (cmbWavOutDev->currentIndex() == run_.TestCdIndex) {
        showSignalHelp();
        run_.StimulusPath = kTestCdPath;
        if (closeRequested_) return;
    } else if (!prepareStimulus()) {
        return;
    }
    run_.AvgCount = 0;
    services_.keys->forgetEsc(); // a press from before the run must not stop it
    UpdateStartText(0);
    LabelShow(true);
    DisplayInit(true);
    configureBench();
    if (!openCapture()) return;
    startCapture();
    if (run_.StimulusPath != kTestCdPath) services_.card->player->playLooped(run_.StimulusPath);
    services_.sleeper->sleepMs(100);
    GetActChan();
    if (firstBlock()) DisplayLoop();
    if (lblOVL[0]->isVisible() || lblOVL[1]->isVisible()) {
        services_.dialogs->DialogPage = 5;
        openHelpDialog();
    }
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
        message(QStringLiteral("Datei ") + path +
                    QStringLiteral(" nicht gefunden, Messung abgebrochen!"),
                platform::MsgIcon::Exclamation, QStringLiteral("Fehler"));
        return false;
    case StimulusStatus::Invalid:
        message(QStringLiteral("Die Datei ") + path +
                    QStringLiteral(" ist keine gültige WAV-Datei, Messung abgebrochen!"),
                platform::MsgIcon::Exclamation, QStringLiteral("Fehler"));
        return false;
    case StimulusStatus::NotWritable:
        rateNotWritable();
        return false;
    }
    return false;
}

void frmMain::rateNotWritable() {
    message(QStringLiteral("Die WAV-Datei ") + QString::fromStdString(run_.StimulusPath) +
                QStringLiteral("\r\nist schreibgeschützt, die neue Abtastrate kann nicht "
                               "geändert werden!\r\nDie Abtastfrequenz wurde auf 44100 Hz "
                               "zurückgesetzt, bitte starten Sie die Messung neu!"),
            platform::MsgIcon::Exclamation, QStringLiteral("Fehler:"));
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
    services_.dialogs->DialogPage = static_cast<int16_t>(type + 20);
    if (run_.CalibrationRun) {
        run_.Range = AxisRange{0, -100, 20};
        services_.dialogs->DialogPage = 25;
    }
    if (type == meas::kImpedanceTwoChannel || run_.ImpedancePart == 2)
        run_.Range = AxisRange{10, 0, 2};
    if (services_.openInstructions)
        services_.openInstructions();
    else
        (new guidance::frmMeas(*services_.dialogs, this))->show();
    waitForDialog();
}

void frmMain::showSignalHelp() {
    services_.dialogs->DialogPage =
        static_cast<int16_t>(run_.CalibrationRun ? 15 : settings_.MeasTypeIndex + 10);
    openHelpDialog();
    waitForDialog();
}

void frmMain::openHelpDialog() {
    if (services_.openHelp)
        services_.openHelp();
    else
        (new guidance::frmHelp(*services_.dialogs, this))->show();
}

void frmMain::configureBench() {
    if (!services_.card->bench) return;
    services_.card->bench->setWiring({settings_.MeasTypeIndex, run_.ImpedancePart,
                                      static_cast<double>(settings_.SeriesResistor)});
}

void frmMain::DisplayLoop() {
    for (;;) {
        if (!nextBlock()) return;
        CheckOverload();
        if (cmbDisplay->currentIndex() == 0)
            DisplayTime();
        else
            DisplaySpec(true);
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
    if (settings_.MeasTypeIndex == meas::kImpedanceOneChannel && run_.ImpedancePart == 1) {
        cmdStart->setText(kPartTwoCaption);
        cmdStart_Click();
        return;
    }
    LabelShow(false);
    run_.AvgCount = static_cast<int16_t>(run_.MeasLimit - 2);
    if (!cmdStart->isEnabled() && !run_.CalibrationRun) cmdStart->setEnabled(true);
    cmdStart->setText(kIdleCaption);
    if (!run_.CalibrationRun) focusStart();
    if (settings_.MeasTypeIndex != meas::kPulse) mnuFileSaveAs->setEnabled(true);
    if (run_.CalibrationRun) mnuFileSaveAs->setEnabled(false);
}

void frmMain::UpdateStartText(int16_t Offset) {
    const int remaining = run_.MeasLimit - run_.AvgCount;
    if (remaining != Offset) {
        cmdStart->setText(countDownCaption(remaining - Offset));
    } else if (settings_.MeasTypeIndex == meas::kImpedanceOneChannel && run_.ImpedancePart == 1) {
        cmdStart->setText(kPartTwoCaption);
    } else if (chkAvgType->isChecked()) {
        cmdStart->setText(kDoneCaption);
    } else {
        cmdStart->setText(countDownCaption(run_.MeasLimit));
    }
}

void frmMain::UpdateStopText() {
    const int k = std::max(cmbAvgCnt->currentIndex(), 0);
    const int sign = settings_.AvgCountIndex < 0 ? -1 : 1;
    settings_.AvgCountIndex = static_cast<int16_t>(sign * (k + 1));
    run_.MeasLimit = static_cast<int16_t>(1 << k);
    QString text;
    if (run_.MeasLimit == 1)
        text = QStringLiteral("Stop &nach 1 Messung");
    else if (settings_.MeasTypeIndex == meas::kPulse)
        text = QStringLiteral("Stop &nach %1 Messungen").arg(run_.MeasLimit);
    else
        text = QStringLiteral("Stop &nach %1 Mittelungen").arg(run_.MeasLimit);
    chkAvgType->setText(text);
}

void frmMain::LabelShow(bool Measure) {
    const bool locked = Measure || run_.CalibrationRun;
    for (QWidget* control :
         std::initializer_list<QWidget*>{cmbWavInDev, cmbWavOutDev, cmbMeasType, cmbAvgCnt,
                                         chkAvgType, optChannel[0], optChannel[1]})
        control->setEnabled(!locked);
    if (locked) {
        cmbFreqRes->setEnabled(false);
        cmbDisplay->setEnabled(false);
        mnu48k->setEnabled(false);
        mnuRange->setEnabled(false);
        mnuTimeChk->setEnabled(false);
        return;
    }
    const int type = settings_.MeasTypeIndex;
    mnu48k->setEnabled(cmbWavOutDev->currentIndex() != run_.TestCdIndex);
    cmbDisplay->setEnabled(type != meas::kPulse);
    if (type >= meas::kPulse)
        cmbFreqRes->setEnabled(false);
    else
        cmbFreqRes->setEnabled(cmbDisplay->currentIndex() == 1);
}

void frmMain::GetActChan() {
    if (run_.ChannelCount == 1) {
        settings_.ActiveChannel = 0;
        run_.CurveColour = kColourMagenta;
    } else if (optChannel[0]->isChecked()) {
        settings_.ActiveChannel = 0;
        run_.CurveColour = kColourBlue;
    } else {
        settings_.ActiveChannel = 1;
        run_.CurveColour = kColourMagenta;
    }
    const int type = settings_.MeasTypeIndex;
    const bool twoChannelResult = (type == meas::kImpedanceOneChannel && run_.ImpedancePart == 2) ||
                                  type == meas::kImpedanceTwoChannel ||
                                  type == meas::kLevelTwoChannel;
    if (twoChannelResult && cmbDisplay->currentIndex() == 1) run_.CurveColour = kColourGreen;
}

void frmMain::focusStart() {
    if (cmdStart->isEnabled()) cmdStart->setFocus();
}

} // namespace terzlab::app
