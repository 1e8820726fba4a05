#include "app/live_controller.h"

#include "platform/key_state.h"
#include "platform/message_service.h"
#include "platform/services.h"
#include "text/translate.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>
#include <array>
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
        return LiveController::tr("&Schnell (%1 ms)").arg(std::lround(1000 * tau));
    case live::Averaging::Slow:
        return LiveController::tr("&Langsam (%1 s)").arg(std::lround(tau));
    case live::Averaging::Long:
        return LiveController::tr("Lan&g (%1 s)").arg(std::lround(tau));
    case live::Averaging::Linear:
        break;
    }
    return LiveController::tr("Linear über %1 Messungen").arg(countCaption(choice.LinearCount));
}

bool sameChoice(const live::AveragingChoice& a, const live::AveragingChoice& b) {
    return a.Mode == b.Mode &&
           (a.Mode != live::Averaging::Linear || a.LinearCount == b.LinearCount);
}

} // namespace

LiveController::LiveController(LiveHost& host, LiveServices services)
    : host_(host), services_(services) {}

live::AveragingChoice LiveController::averaging() const {
    const Settings& settings = host_.settings();
    const auto mode = live::AveragingOf(settings.LiveAveraging).value_or(live::Averaging::Fast);
    return {.Mode = mode, .LinearCount = settings.LiveAverageCount};
}

void LiveController::buildMenu(QMenuBar& bar, QAction* before) {
    menu_ = new QMenu(tr("Live-Anal&yse"), &bar);
    menu_->setObjectName(QStringLiteral("mnuLive"));
    bar.insertMenu(before, menu_);
    const auto command = [this](const char* name, const QString& caption) {
        QAction* action = menu_->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    run_ = command("mnuLiveRun", tr("Live-&Analyse starten"));
    run_->setShortcut(QKeySequence(QStringLiteral("Ctrl+L")));
    QObject::connect(run_, &QAction::triggered, &owner_, [this] { toggle(); });
    pink_ = command("mnuLivePink", tr("&Rosa Rauschen abspielen"));
    pink_->setCheckable(true);
    pink_->setChecked(true);
    menu_->addSeparator();
    buildAveraging();
    menu_->addSeparator();
    holdPeak_ = command("mnuLiveHoldPeak", tr("Spitzenwerte &halten"));
    holdPeak_->setCheckable(true);
    QObject::connect(holdPeak_, &QAction::triggered, &owner_, [this] {
        if (on_) show();
    });
    resetPeak_ = command("mnuLiveResetPeak", tr("Spitzenwerte &zurücksetzen"));
    QObject::connect(resetPeak_, &QAction::triggered, &owner_, [this] { analyzer_.ResetPeak(); });
}

void LiveController::buildAveraging() {
    std::vector<live::AveragingChoice> choices{{.Mode = live::Averaging::Fast},
                                               {.Mode = live::Averaging::Slow},
                                               {.Mode = live::Averaging::Long}};
    for (const int16_t count : kLinearCounts)
        choices.push_back({.Mode = live::Averaging::Linear, .LinearCount = count});
    const live::AveragingChoice stored = averaging();
    if (std::none_of(choices.begin(), choices.end(),
                     [&](const auto& c) { return sameChoice(c, stored); }))
        choices.push_back(stored);
    auto* group = new QActionGroup(menu_);
    for (const live::AveragingChoice& choice : choices) {
        QAction* action = menu_->addAction(averagingCaption(choice));
        action->setObjectName(QStringLiteral("mnuLiveAveraging"));
        action->setCheckable(true);
        action->setChecked(sameChoice(choice, stored));
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, &owner_,
                         [this, choice] { chooseAveraging(choice); });
        averagingEntries_.push_back({choice, action});
    }
}

void LiveController::chooseAveraging(const live::AveragingChoice& choice) {
    Settings& settings = host_.settings();
    settings.LiveAveraging = static_cast<int16_t>(choice.Mode);
    if (choice.Mode == live::Averaging::Linear) settings.LiveAverageCount = choice.LinearCount;
    analyzer_.SetAveraging(averaging());
}

void LiveController::toggle() {
    if (on_) return stop({});
    start();
}

void LiveController::start() {
    if (!host_.liveMayStart()) return;
    const MeasurementConfig config = host_.currentConfig();
    if (!live::LiveType(config.Type) || config.Shown != View::Frequency) {
        services_.messages->show(
            tr("Die Live-Analyse gibt es für die Pegelmessungen mit einem und zwei Kanälen in der "
               "Anzeige F-Spektrum."),
            platform::MsgButtons::Ok, platform::MsgIcon::Information, tr("Hinweis"));
        return;
    }
    const bool pink = pink_->isChecked() && !host_.testCdPlayback();
    const bool fits = analyzer_.Configure({.Type = config.Type,
                                           .SampleRate = config.SampleRate,
                                           .BlockSize = 0,
                                           .ExchangeChannels = config.ExchangeChannels,
                                           .Average = averaging()});
    if (!fits) return;
    services_.keys->forgetEsc();
    const auto attach = [this](audio::CaptureStream& stream) { reader_.Attach(stream, analyzer_); };
    if (!host_.startLiveRun({.Config = config, .Pink = pink, .Started = attach})) return;
    on_ = true;
    updatesShown_ = 0;
    resultIsLive_ = false;
    blocksCountedAtStart_ = host_.blocksCounted();
    run_->setText(tr("Live-&Analyse beenden"));
    showStatus();
    services_.scheduler->after(kTickMilliseconds, &owner_, [this] { tick(); });
}

// Takes what the stream holds (at most a second of it, so that a late tick cannot hold up the
// window), and draws when a new spectrum came of it.
void LiveController::tick() {
    if (!on_) return;
    if (services_.keys->escPressed() || host_.closeRequested()) return stop({});
    const auto pumped = reader_.Pump(static_cast<size_t>(host_.settings().SampleRate));
    if (pumped.result == audio::WaitResult::DeviceGone) {
        stop({});
        services_.messages->show(
            tr("Das Aufnahmegerät liefert keine Daten. Die Messung wurde abgebrochen!"),
            platform::MsgButtons::Ok, platform::MsgIcon::Exclamation, tr("Fehler"));
        return;
    }
    if (analyzer_.Updates() != updatesShown_) show();
    showStatus();
    services_.scheduler->after(kTickMilliseconds, &owner_, [this] { tick(); });
}

void LiveController::show() {
    if (analyzer_.Updates() == 0) return;
    const bool peak = holdPeak_->isChecked();
    // The axis follows the first spectrum, then once a second or so, not at every update.
    const int64_t every = std::max<int64_t>(std::lround(analyzer_.UpdatesPerSecond()), 1);
    const bool fit = updatesShown_ == 0 || analyzer_.Updates() / every != updatesShown_ / every;
    const LiveSpectrum spectrum{.Cells =
                                    (peak ? analyzer_.Peak() : analyzer_.Averaged()).Results.Cells,
                                .Peaks = analyzer_.Peaks(),
                                .FitAxis = fit};
    if (!host_.showLiveSpectrum(spectrum)) return;
    resultIsLive_ = true;
    shown_ = analyzer_.Config().Average;
    peakShown_ = peak;
    updatesShown_ = analyzer_.Updates();
}

// The run's line on the start button: the live analysis goes on, and frames it lost.
void LiveController::showStatus() {
    const double lost = analyzer_.LostMilliseconds();
    if (lost > 0)
        host_.showLiveStatus(
            tr("Live-Analyse: %1 ms verloren! Ende mit ESC").arg(std::llround(std::ceil(lost))));
    else
        host_.showLiveStatus(tr("Live-Analyse läuft. Ende mit ESC"));
}

void LiveController::stop(std::function<void()> then) {
    if (!on_) {
        if (then) then();
        return;
    }
    on_ = false;
    host_.endLiveRun([this, then = std::move(then)] {
        run_->setText(tr("Live-&Analyse starten"));
        if (then) then();
    });
}

std::string LiveController::note() const {
    if (!resultIsLive_ || host_.blocksCounted() != blocksCountedAtStart_) return {};
    const live::AveragingChoice& c = shown_;
    std::string note = "Live analysis\t";
    if (c.Mode == live::Averaging::Linear)
        note += "Linear averaging\t" + std::to_string(c.LinearCount) + " updates";
    else
        note += "Exponential averaging\tTime constant " +
                text::fixed(live::TimeConstantSeconds(c.Mode), 3) + " s";
    if (peakShown_) note += "\tPeak hold";
    return note;
}

} // namespace terzlab::app
