// The window's side of the live analysis (LiveHost): its measurement, capture and noise for the
// live run, and the spectra the analysis hands over drawn as a run's would be.
#include "app/frm_main.h"

#include "analysis/overload.h"
#include "app/live_controller.h"

#include <QPushButton>

namespace terzlab::app {

bool frmMain::liveMayStart() const {
    return !isRunning() && !commandsLocked_ && services_.card && services_.card->stream;
}

bool frmMain::startLiveRun(const LiveStart& start) {
    measurement_.Prepare(start.Config);
    run_.StimulusPath = kTestCdPath; // nothing played, nothing to stop
    if (start.Pink && !prepareStimulus()) {
        measurement_.Stop();
        return false;
    }
    measurement_.Begin();
    if (!openCapture()) {
        measurement_.Stop();
        return false;
    }
    run_.MeasValid = true;
    graph_.Model = {};
    graph_.Response = {};
    LabelShow(true);
    showCommands();
    GetActChan();
    DisplayInit(true);
    configureBench();
    startCapture();
    start.Started(*services_.card->stream);
    if (start.Pink) services_.card->player->playLooped(run_.StimulusPath);
    return true;
}

void frmMain::endLiveRun(std::function<void()> then) {
    closeCapture([this, then = std::move(then)] {
        measurement_.Stop();
        LabelShow(false);
        endPhase(RunPhase::Idle);
        showCommands();
        focusStart();
        then();
    });
}

int32_t frmMain::blocksCounted() const {
    return measurement_.BlocksCounted();
}

bool frmMain::showLiveSpectrum(const LiveSpectrum& spectrum) {
    if (!session().TakeResults(spectrum.Cells)) return false;
    BlockReport levels;
    levels.Peaks = spectrum.Peaks;
    for (size_t ch = 0; ch < levels.Peaks.size(); ++ch)
        levels.Overload[ch] = IsOverload(levels.Peaks[ch]);
    showLevels(levels);
    GetDbRange(spectrum.FitAxis);
    drawSpectrum();
    return true;
}

void frmMain::showLiveStatus(const QString& text) {
    cmdStart->setText(text);
}

} // namespace terzlab::app
