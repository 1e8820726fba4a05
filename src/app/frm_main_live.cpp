// The live analysis in the window: the input analysed without a gap in overlapping transforms,
// each new spectrum drawn as a run's would be, from the event loop and never waiting for the
// device. It stops with its command, ESC, or a normal run's start, and leaves its last spectrum
// to be saved and held like a measurement's.
#include "app/frm_main.h"

#include "analysis/meas_type.h"
#include "analysis/overload.h"
#include "app/live_mode.h"
#include "platform/key_state.h"
#include "platform/services.h"
#include "text/translate.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace terzlab::app {

namespace {

// The pause between two looks at the stream: short against the update interval (about 93 ms).
constexpr int kTickMilliseconds = 40;
// The linear means offered in the menu; another count from the settings file joins them.
constexpr std::array<int16_t, 3> kLinearCounts{8, 16, 64};

static_assert(live::kAveragingCount == 4 && live::kMinLinearCount == 2 &&
                  live::kMaxLinearCount == 256,
              "the settings file's LiveAveraging and LiveAverageCount ranges");

// The count with an access key on one of its digits, a different one for each count offered.
QString countCaption(int16_t count) {
    const QString digits = QString::number(count);
    if (count == 8) return QStringLiteral("&8");
    if (count == 16) return QStringLiteral("1&6");
    if (count == 64) return QStringLiteral("6&4");
    return digits;
}

QString averagingCaption(const live::AveragingChoice& choice) {
    const double tau = live::TimeConstantSeconds(choice.Mode);
    switch (choice.Mode) {
    case live::Averaging::Fast:
        return frmMain::tr("&Schnell (%1 ms)").arg(std::lround(1000 * tau));
    case live::Averaging::Slow:
        return frmMain::tr("&Langsam (%1 s)").arg(std::lround(tau));
    case live::Averaging::Long:
        return frmMain::tr("Lan&g (%1 s)").arg(std::lround(tau));
    case live::Averaging::Linear:
        break;
    }
    return frmMain::tr("Linear über %1 Messungen").arg(countCaption(choice.LinearCount));
}

bool sameChoice(const live::AveragingChoice& a, const live::AveragingChoice& b) {
    return a.Mode == b.Mode &&
           (a.Mode != live::Averaging::Linear || a.LinearCount == b.LinearCount);
}

} // namespace

live::AveragingChoice frmMain::liveAveraging() const {
    const auto mode = live::AveragingOf(settings_.LiveAveraging).value_or(live::Averaging::Fast);
    return {.Mode = mode, .LinearCount = settings_.LiveAverageCount};
}

void frmMain::buildLiveCommands() {
    live_->Menu = new QMenu(tr("Live-Anal&yse"), this);
    live_->Menu->setObjectName(QStringLiteral("mnuLive"));
    menuBar()->insertMenu(mnuHelp->menuAction(), live_->Menu);
    const auto command = [this](const char* name, const QString& caption) {
        QAction* action = live_->Menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    live_->Run = command("mnuLiveRun", tr("Live-&Analyse starten"));
    live_->Run->setShortcut(QKeySequence(QStringLiteral("Ctrl+L")));
    connect(live_->Run, &QAction::triggered, this, [this] { mnuLive_Click(); });
    live_->Pink = command("mnuLivePink", tr("&Rosa Rauschen abspielen"));
    live_->Pink->setCheckable(true);
    live_->Pink->setChecked(true);
    live_->Menu->addSeparator();
    buildLiveAveraging();
    live_->Menu->addSeparator();
    live_->HoldPeak = command("mnuLiveHoldPeak", tr("Spitzenwerte &halten"));
    live_->HoldPeak->setCheckable(true);
    connect(live_->HoldPeak, &QAction::triggered, this, [this] {
        if (live_->On) showLive();
    });
    live_->ResetPeak = command("mnuLiveResetPeak", tr("Spitzenwerte &zurücksetzen"));
    connect(live_->ResetPeak, &QAction::triggered, this, [this] { live_->Analyzer.ResetPeak(); });
}

void frmMain::buildLiveAveraging() {
    std::vector<live::AveragingChoice> choices{{.Mode = live::Averaging::Fast},
                                               {.Mode = live::Averaging::Slow},
                                               {.Mode = live::Averaging::Long}};
    for (const int16_t count : kLinearCounts)
        choices.push_back({.Mode = live::Averaging::Linear, .LinearCount = count});
    const live::AveragingChoice stored = liveAveraging();
    if (std::none_of(choices.begin(), choices.end(),
                     [&](const auto& c) { return sameChoice(c, stored); }))
        choices.push_back(stored);
    auto* group = new QActionGroup(this);
    for (const live::AveragingChoice& choice : choices) {
        QAction* action = live_->Menu->addAction(averagingCaption(choice));
        action->setObjectName(QStringLiteral("mnuLiveAveraging"));
        action->setCheckable(true);
        action->setChecked(sameChoice(choice, stored));
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, choice] { chooseLiveAveraging(choice); });
        live_->Averaging.push_back({choice, action});
    }
}

void frmMain::chooseLiveAveraging(const live::AveragingChoice& choice) {
    settings_.LiveAveraging = static_cast<int16_t>(choice.Mode);
    if (choice.Mode == live::Averaging::Linear) settings_.LiveAverageCount = choice.LinearCount;
    live_->Analyzer.SetAveraging(liveAveraging());
}

bool frmMain::liveOn() const {
    return live_->On;
}

int64_t frmMain::liveUpdates() const {
    return live_->Analyzer.Updates();
}

uint64_t frmMain::liveLostFrames() const {
    return live_->Analyzer.LostFrames();
}

void frmMain::mnuLive_Click() {
    if (live_->On) return stopLive({});
    startLive();
}

void frmMain::startLive() {
    if (isRunning() || commandsLocked_ || !services_.card || !services_.card->stream) return;
    const MeasurementConfig config = currentConfig();
    if (!live::LiveType(config.Type) || config.Shown != View::Frequency) {
        message(tr("Die Live-Analyse gibt es für die Pegelmessungen mit einem und zwei Kanälen in "
                   "der Anzeige F-Spektrum."),
                platform::MsgIcon::Information, tr("Hinweis"));
        return;
    }
    measurement_.Prepare(config);
    const bool pink = live_->Pink->isChecked() && cmbWavOutDev->currentIndex() != run_.TestCdIndex;
    run_.StimulusPath = kTestCdPath; // nothing played, nothing to stop
    if (pink && !prepareStimulus()) return measurement_.Stop();
    measurement_.Begin();
    const bool fits = live_->Analyzer.Configure({.Type = config.Type,
                                                 .SampleRate = config.SampleRate,
                                                 .BlockSize = 0,
                                                 .ExchangeChannels = config.ExchangeChannels,
                                                 .Average = liveAveraging()});
    if (!fits || !openCapture()) return measurement_.Stop();
    services_.keys->forgetEsc();
    live_->On = true;
    live_->UpdatesShown = 0;
    live_->ResultIsLive = false;
    live_->BlocksCountedAtStart = measurement_.BlocksCounted();
    live_->Run->setText(tr("Live-&Analyse beenden"));
    run_.MeasValid = true;
    graph_.Model = {};
    graph_.Response = {};
    LabelShow(true);
    showCommands();
    GetActChan();
    DisplayInit(true);
    configureBench();
    startCapture();
    live_->Reader.Attach(*services_.card->stream, live_->Analyzer);
    if (pink) services_.card->player->playLooped(run_.StimulusPath);
    showLiveStatus();
    services_.scheduler->after(kTickMilliseconds, this, [this] { liveTick(); });
}

// Takes what the stream holds (at most a second of it, so that a late tick cannot hold up the
// window), and draws when a new spectrum came of it.
void frmMain::liveTick() {
    if (!live_->On) return;
    if (services_.keys->escPressed() || closeRequested_) return stopLive({});
    const auto pumped = live_->Reader.Pump(static_cast<size_t>(settings_.SampleRate));
    if (pumped.result == audio::WaitResult::DeviceGone) {
        stopLive({});
        message(tr("Das Aufnahmegerät liefert keine Daten. Die Messung wurde abgebrochen!"),
                platform::MsgIcon::Exclamation, tr("Fehler"));
        return;
    }
    if (live_->Analyzer.Updates() != live_->UpdatesShown) showLive();
    showLiveStatus();
    services_.scheduler->after(kTickMilliseconds, this, [this] { liveTick(); });
}

void frmMain::showLive() {
    const live::LiveAnalyzer& analyzer = live_->Analyzer;
    if (analyzer.Updates() == 0) return;
    const bool peak = live_->HoldPeak->isChecked();
    if (!session().TakeResults((peak ? analyzer.Peak() : analyzer.Averaged()).Results.Cells))
        return;
    live_->ResultIsLive = true;
    live_->Shown = analyzer.Config().Average;
    live_->PeakShown = peak;
    BlockReport levels;
    levels.Peaks = analyzer.Peaks();
    for (size_t ch = 0; ch < levels.Peaks.size(); ++ch)
        levels.Overload[ch] = IsOverload(levels.Peaks[ch]);
    showLevels(levels);
    // The axis follows the first spectrum, then once a second or so, not at every update.
    const int64_t every = std::max<int64_t>(std::lround(analyzer.UpdatesPerSecond()), 1);
    const bool fit =
        live_->UpdatesShown == 0 || analyzer.Updates() / every != live_->UpdatesShown / every;
    live_->UpdatesShown = analyzer.Updates();
    GetDbRange(fit);
    drawSpectrum();
}

// The run's line on the start button: the live analysis goes on, and frames it lost.
void frmMain::showLiveStatus() {
    const double lost = live_->Analyzer.LostMilliseconds();
    if (lost > 0)
        cmdStart->setText(
            tr("Live-Analyse: %1 ms verloren! Ende mit ESC").arg(std::llround(std::ceil(lost))));
    else
        cmdStart->setText(tr("Live-Analyse läuft. Ende mit ESC"));
}

void frmMain::stopLive(std::function<void()> then) {
    if (!live_->On) {
        if (then) then();
        return;
    }
    live_->On = false;
    closeCapture([this, then = std::move(then)] {
        measurement_.Stop();
        live_->Run->setText(tr("Live-&Analyse starten"));
        LabelShow(false);
        endPhase(RunPhase::Idle);
        showCommands();
        focusStart();
        if (then) then();
    });
}

std::string frmMain::liveNote() const {
    if (!live_->ResultIsLive || measurement_.BlocksCounted() != live_->BlocksCountedAtStart)
        return {};
    const live::AveragingChoice& c = live_->Shown;
    std::string note = "Live analysis\t";
    if (c.Mode == live::Averaging::Linear)
        note += "Linear averaging\t" + std::to_string(c.LinearCount) + " updates";
    else
        note += "Exponential averaging\tTime constant " +
                text::fixed(live::TimeConstantSeconds(c.Mode), 3) + " s";
    if (live_->PeakShown) note += "\tPeak hold";
    return note;
}

} // namespace terzlab::app
