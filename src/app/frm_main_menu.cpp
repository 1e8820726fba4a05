// The menu commands and the mixer button.
#include "app/frm_main.h"

#include "platform/mixer.h"
#include "platform/services.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>

namespace terzlab::app {

namespace {

// SelMode of the file dialog per command.
constexpr int kSelSave = 0;
constexpr int kSelSensor = 1;
constexpr int kSelReference = 2;

QString calibrationWarning() {
    return frmMain::tr("Die Pegelkalibrierung gilt nur für einen bestimmten Eingang\r\n"
                       "(Mic oder Line) und für die gewählte Referenzdatei !\r\n"
                       "\r\n"
                       "Bitte führen Sie zunächst eine unkalibrierte Messung durch\r\n"
                       "und vergewissern sich, dass die richtigen Korrekturdateien\r\n"
                       "geladen sind und der Eingangspegel günstig gewählt ist!\r\n"
                       "\r\n"
                       "Nach der Kalibrierung darf der Eingangspegel nicht mehr mit dem\r\n"
                       "Mixer verändert werden, ansonsten ist die Kalibrierung ungültig!");
}

} // namespace

// A checkable action has flipped its mark by the time `triggered` arrives, so the signals run
// only the second half of the click handlers.
void frmMain::connectMenus() {
    const auto on = [this](QAction* action, auto handler) {
        connect(action, &QAction::triggered, this, handler);
    };
    on(mnuFileSaveAs, [this] { mnuFileSaveAs_Click(); });
    on(mnuLoadCorr, [this] { mnuLoadCorr_Click(); });
    on(mnuLoadRef, [this] { mnuLoadRef_Click(); });
    on(mnuLoadComp, [this] { mnuLoadComp_Click(); });
    on(mnuEnd, [this] { mnuEnd_Click(); });
    on(mnu48k, [this] { apply48k(); });
    on(mnuXchan, [this] { settings_.ExchangeChannel = mnuXchan->isChecked(); });
    on(mnuHelpShow, [this] { settings_.ShowHelp = mnuHelpShow->isChecked(); });
    // A shortcut reaches the command even while its menu is greyed; the menu's state rules.
    on(mnuCalib, [this] {
        if (mnuLevel->menuAction()->isEnabled()) mnuCalib_Click();
    });
    on(mnuMicDist, [this] {
        if (mnuLevel->menuAction()->isEnabled()) mnuMicDist_Click();
    });
    on(mnuAbout, [this] { mnuAbout_Click(); });
    buildExportCommands();
    buildSpeakerCommand();
    buildLanguageCommands();
    buildComparisonCommands();
}

void frmMain::mnuFileSaveAs_Click() {
    hooks.openFileDialog(kSelSave);
}

void frmMain::mnuLoadCorr_Click() {
    hooks.openFileDialog(kSelSensor);
}

void frmMain::mnuLoadRef_Click() {
    hooks.openFileDialog(kSelReference);
}

void frmMain::mnuLoadComp_Click() {
    loadComparison();
}

void frmMain::mnuEnd_Click() {
    close();
}

void frmMain::mnu48k_Click() {
    mnu48k->setChecked(!mnu48k->isChecked());
    apply48k();
}

void frmMain::apply48k() {
    run_.MeasValid = false;
    // The band grid is rebuilt for the new rate: nothing of the old result is left to save.
    mnuFileSaveAs->setEnabled(false);
    settings_.SampleRate = mnu48k->isChecked() ? 48000 : 44100;
    hooks.BuildBandTable();
}

void frmMain::mnuXchan_Click() {
    mnuXchan->setChecked(!mnuXchan->isChecked());
    settings_.ExchangeChannel = mnuXchan->isChecked();
}

void frmMain::mnuRange_Click() {
    mnuRange->setChecked(!mnuRange->isChecked());
}

void frmMain::mnuTimeChk_Click() {
    mnuTimeChk->setChecked(!mnuTimeChk->isChecked());
}

void frmMain::mnuHelpShow_Click() {
    mnuHelpShow->setChecked(!mnuHelpShow->isChecked());
    settings_.ShowHelp = mnuHelpShow->isChecked();
}

void frmMain::mnuCalib_Click() {
    const platform::MsgAnswer answer = services_.messages->show(
        calibrationWarning(), platform::MsgButtons::OkCancel, platform::MsgIcon::Critical,
        tr("Wichtiger Hinweis zur Kalibrierung:"));
    if (answer == platform::MsgAnswer::Ok) hooks.openCalibration();
}

void frmMain::mnuMicDist_Click() {
    hooks.openLevelDialog();
}

void frmMain::mnuAbout_Click() {
    services_.dialogs->DialogPage = 0;
    openHelpDialog();
}

void frmMain::cmdMixer_Click() {
    platform::SystemProcessLauncher system;
    platform::ProcessLauncher& launcher = services_.processes ? *services_.processes : system;
    std::vector<platform::CommandLine> commands;
    if (cmbWavOutDev->currentIndex() < run_.TestCdIndex)
        if (auto playback = platform::mixerCommand(launcher, platform::MixerPage::Playback))
            commands.push_back(*playback);
    if (auto recording = platform::mixerCommand(launcher, platform::MixerPage::Recording))
        if (commands.empty() || !(commands.front() == *recording))
            commands.push_back(*recording); // a tool without pages opens once for both
    if (commands.empty()) {
        message(tr("Es wurde kein Programm für die Lautstärkeregelung gefunden.\r\n"
                   "Bitte stellen Sie die Pegel für Wiedergabe und Aufnahme in den "
                   "Toneinstellungen Ihres Systems ein (zum Beispiel mit pavucontrol)."),
                platform::MsgIcon::Information, tr("Hinweis"));
        return;
    }
    for (const platform::CommandLine& command : commands)
        launcher.startDetached(command);
}

} // namespace terzlab::app
