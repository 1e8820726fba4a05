#include "app/sweep_controller.h"

#include "analysis/meas_type.h"
#include "app/sweep_session.h"
#include "audio/sound_card.h"
#include "audio/virtual/virtual_card.h"
#include "files/atomic_write.h"
#include "files/sweep_measurement.h"
#include "sound_file/float_sound.h"
#include "stimuli/signals.h"
#include "sweep/sweep_files.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <complex>
#include <span>
#include <string>
#include <utility>

namespace terzlab::app {

namespace {

// A step of the run reads what the stream holds; after this many steps without a frame the
// device counts as silent.
constexpr int kStepMilliseconds = 100;
constexpr int kSilentSteps = 50;

QString sweepCaption(int repetition, int count) {
    return SweepController::tr("Sweep %1 von %2. Abbruch mit ESC!").arg(repetition).arg(count);
}

} // namespace

SweepController::SweepController(SweepWindowHost& host, SweepServices services)
    : host_(host), services_(services) {}

// The dialog goes before the sweep it talks to.
SweepController::~SweepController() {
    delete dialog_.data();
}

bool SweepController::typeChosen() const {
    return PropertiesOf(host_.settings().Type).Swept;
}

const SweepMeasured* SweepController::measured() const {
    return session_ && session_->Measured ? &*session_->Measured : nullptr;
}

bool SweepController::resultOnHand() const {
    const SweepMeasured* m = measured();
    return m != nullptr && m->HasResponse() && m->Shape.SampleRate == host_.settings().SampleRate;
}

void SweepController::message(const QString& text) {
    services_.messages->show(text, platform::MsgButtons::Ok, platform::MsgIcon::Exclamation,
                             tr("Fehler"));
}

void SweepController::showDialog(bool shown) {
    if (!shown) {
        if (dialog_ != nullptr) dialog_->hide();
        return;
    }
    if (dialog_ == nullptr)
        dialog_ = new frmSweep(*this, host_.settings().Sweep, host_.dialogParent());
    dialog_->show();
}

void SweepController::rememberFields() {
    QString ignored;
    if (dialog_ == nullptr) return;
    if (const auto fields = dialog_->fields(ignored)) host_.keepSweepFields(*fields);
}

void SweepController::start() {
    if (host_.isRunning()) return;
    showDialog(true);
    if (host_.testCdPlayback()) {
        message(
            tr("Der Sweep wird vom Programm abgespielt, mit der Test-CD ist er nicht möglich."));
        return;
    }
    QString error;
    const auto fields = dialog_->fields(error);
    if (!fields) {
        message(error);
        return;
    }
    host_.keepSweepFields(*fields);
    const Settings& settings = host_.settings();
    const std::string refused = sweep::SweepRefusal(SweepSettingsOf(*fields, settings.SampleRate));
    if (!refused.empty()) {
        message(QString::fromStdString(refused));
        return;
    }
    const audio::WaveFormat& format = host_.newCaptureFormat();
    if (!session_) session_ = std::make_unique<SweepSession>();
    session_->Capture.emplace(*fields, settings.SampleRate, format.channels,
                              settings.ActiveChannel);
    if (!play(format)) {
        session_->Capture.reset();
        return;
    }
    services_.keys->forgetEsc();
    host_.beginSweepRun();
    dialog_->lockSweep(true);
    host_.showSweepStatus(sweepCaption(1, fields->Repetitions));
    services_.scheduler->after(kStepMilliseconds, &owner_, [this] { step(); });
}

// The stream starts before the player, so that the recording holds the sweep's first sample.
bool SweepController::play(const audio::WaveFormat& format) {
    audio::CaptureStream& stream = *services_.card->stream;
    if (stream.open(host_.inputDevice(), format) != 0) {
        host_.openFailed();
        return false;
    }
    stream.start();
    // With the loopback the bench wires as for the transfer: the response left, the drive right.
    const Settings& settings = host_.settings();
    if (services_.card->bench)
        services_.card->bench->setWiring(
            {IndexOf(session_->Capture->Loopback ? MeasType::LevelTwoChannel : settings.Type), 0,
             static_cast<double>(settings.SeriesResistor)});
    services_.card->player->playSoundLooped(session_->Capture->Sound(), "Sweep");
    return true;
}

void SweepController::step() {
    SweepCapture& c = *session_->Capture;
    audio::CaptureStream& stream = *services_.card->stream;
    if (services_.keys->escPressed() || host_.closeRequested()) return end(false);
    const std::size_t missing = c.FramesWanted() - c.FramesRead();
    const std::size_t chunk = static_cast<std::size_t>(host_.settings().SampleRate) / 2;
    if (stream.waitFor(std::min(missing, chunk), 0.0) == audio::WaitResult::DeviceGone)
        return end(false, tr("Das Aufnahmegerät liefert keine Daten. Die Messung wurde "
                             "abgebrochen!"));
    const std::size_t ready = std::min(stream.available(), missing);
    if (ready == 0 && ++c.IdleSteps > kSilentSteps)
        return end(false, tr("Das Aufnahmegerät liefert keine Daten. Die Messung wurde "
                             "abgebrochen!"));
    if (ready > 0) {
        c.IdleSteps = 0;
        const std::size_t before = c.Frames.size();
        c.Frames.resize(before + ready * static_cast<std::size_t>(c.Channels));
        const audio::StreamRead read =
            stream.readFrames(std::span<int16_t>(c.Frames).subspan(before), 0.0);
        c.Frames.resize(before + read.frames * static_cast<std::size_t>(c.Channels));
    }
    if (stream.lostFrames() > 0)
        return end(false, tr("Während des Sweeps gingen Abtastwerte verloren. Bitte die "
                             "Messung wiederholen."));
    host_.showSweepStatus(sweepCaption(c.RepetitionNow(), c.Repetitions));
    if (c.FramesRead() >= c.FramesWanted()) return end(true);
    services_.scheduler->after(kStepMilliseconds, &owner_, [this] { step(); });
}

void SweepController::end(bool complete, const QString& failure) {
    audio::CaptureStream& stream = *services_.card->stream;
    services_.card->player->stop();
    stream.stop();
    stream.close();
    SweepCapture capture = std::move(*session_->Capture);
    session_->Capture.reset();
    dialog_->lockSweep(false);
    host_.stopSweepRun();
    if (!failure.isEmpty()) message(failure);
    if (complete && !host_.closeRequested()) analyse(capture);
    host_.showCommands();
    host_.finishRun();
}

void SweepController::analyse(const SweepCapture& capture) {
    if (const auto clipped = capture.ClippedChannel()) {
        host_.showClipped(*clipped);
        message(tr("Die Aufnahme ist übersteuert. Bitte den Pegel verringern."));
        return;
    }
    SweepMeasured m;
    m.Shape = capture.Shape;
    m.Recorded = capture.Averaged(capture.Channel);
    if (capture.Loopback) {
        m.Played = capture.Averaged(1 - capture.Channel);
    } else {
        for (const int16_t s : capture.Period)
            m.Played.push_back(static_cast<float>(s / 32768.0));
    }
    m.GateSettings = GateOf(host_.settings().Sweep);
    m.Analyse(session_->Transform);
    session_->Measured = std::move(m);
    host_.setResultValid(measured()->HasImpulse());
    reportError();
    draw();
}

void SweepController::reportError() {
    const SweepMeasured* m = measured();
    if (m == nullptr || m->Result.Error.empty()) return;
    const QString text = QString::fromStdString(m->Result.Error);
    message(m->HasImpulse() ? tr("Das Gate ist nicht möglich: %1").arg(text) : text);
}

void SweepController::sweepGateChanged() {
    rememberFields();
    if (!session_ || !session_->Measured || !measured()->HasImpulse()) return;
    QString error;
    const auto fields = dialog_->fields(error);
    if (!fields) {
        message(error);
        return;
    }
    SweepMeasured& m = *session_->Measured;
    m.GateSettings = GateOf(*fields);
    m.Analyse(session_->Transform);
    reportError();
    host_.showCommands();
    draw();
}

void SweepController::sweepViewChanged() {
    rememberFields();
    if (typeChosen()) draw();
}

// The level offsets of the level types go on: the microphone channel's calibration and the total
// correction, whose start value stands for the noise's band level below a full-scale sine. So the
// response reads the recorded over the played signal by default and, calibrated, the level a
// full-scale sine would give, level with a noise measurement of the same loudspeaker.
double SweepController::levelOffsetDb() const {
    const Settings& settings = host_.settings();
    return settings.CalibValue[static_cast<std::size_t>(settings.ActiveChannel & 1)] +
           settings.LevelCorr[5] + stimuli::kPseudoBandLevelDb;
}

// The gated response as shown, saved and exported: the level offsets on, and the sensor's curve
// taken off where it is in use, as the level types take it off their bands; between its bands in
// proportion to log f, past its ends at its end values.
sweep::SweepResult SweepController::shownResult(const SweepMeasured& m) const {
    sweep::SweepResult r = m.Result;
    const double gain = std::pow(10.0, levelOffsetDb() / 20.0);
    for (std::complex<double>& bin : r.Gated.Bins)
        bin *= gain;
    const CorrectionCurve* sensor = host_.appliedSensorCurve();
    if (sensor == nullptr) return r;
    const BandTable& table = host_.measuredBands().Table;
    std::vector<std::pair<double, double>> points; // ln f, dB
    const auto bands = std::min<std::size_t>({table.BandFreq.size(), CorrectionCurve::kEntries,
                                              static_cast<std::size_t>(table.LastBand + 1)});
    for (std::size_t b = 0; b < bands; ++b)
        if (!isNoValue(sensor->CurveAmp[b]) && table.BandFreq[b] > 0.0)
            points.emplace_back(std::log(table.BandFreq[b]), sensor->CurveAmp[b]);
    if (points.empty()) return r;
    for (std::size_t k = 1; k < r.Gated.Bins.size(); ++k) {
        const double at = std::log(r.Gated.FrequencyOf(k));
        const auto upper = std::lower_bound(points.begin(), points.end(), std::pair(at, -1e300));
        double db = upper == points.end() ? points.back().second : upper->second;
        if (upper != points.begin() && upper != points.end()) {
            const auto& [x0, y0] = *(upper - 1);
            db = y0 + (upper->second - y0) * (at - x0) / (upper->first - x0);
        }
        r.Gated.Bins[k] *= std::pow(10.0, -db / 20.0);
    }
    return r;
}

PlotScene SweepController::scene() const {
    const SweepMeasured* m = measured();
    if (m == nullptr || dialog_ == nullptr) return {};
    const sweep::SweepResult shown = shownResult(*m);
    PlotScene plot = SweepSceneFor({.View = dialog_->view(),
                                    .Result = &shown,
                                    .Shape = m->Shape,
                                    .GateSettings = m->GateSettings,
                                    .Distortion = m->Distortion,
                                    .DistortionInDb = dialog_->distortionInDb(),
                                    .Smoothing = dialog_->smoothing(),
                                    .Comparison = host_.shownComparison(),
                                    .DecimalSeparator = QLocale().decimalPoint().toStdString()});
    if (gateDrag_) plot.X = gateDrag_->Axis;
    return plot;
}

// Without a measurement of this rate the type shows the empty frame of a level spectrum.
void SweepController::draw() {
    const SweepMeasured* m = measured();
    if (m == nullptr || !m->HasImpulse() || m->Shape.SampleRate != host_.settings().SampleRate)
        return host_.drawEmptyFrame();
    host_.drawPlot(scene());
}

// In the views of the impulse response either end of the gate can be taken with the mouse and
// moved; let go, the response is gated there.
void SweepController::mouseButton(float x, bool pressed) {
    const SweepMeasured* m = measured();
    const bool timeView = dialog_ != nullptr && (dialog_->view() == SweepView::Impulse ||
                                                 dialog_->view() == SweepView::EnergyTime);
    if (!typeChosen() || m == nullptr || !m->HasImpulse() || !timeView) return;
    if (!pressed) {
        if (std::exchange(gateDrag_, std::nullopt)) sweepGateChanged();
        return;
    }
    constexpr double kReach = 4.0; // pixels either side of a gate end
    const PlotScene plot = scene();
    const int width = host_.graphSize().width();
    for (std::size_t end = 0; end < std::min<std::size_t>(plot.Marks.size(), 2); ++end)
        if (std::fabs(PlotX(plot.X, plot.Marks[end], width) - x) <= kReach)
            gateDrag_ = GateDrag{.End = end, .Axis = plot.X};
}

// The gate's field follows the end held; the graph shows the gate there at once.
void SweepController::dragGate(float x) {
    SweepMeasured& m = *session_->Measured;
    const double ms = PlotValueAt(gateDrag_->Axis, x, host_.graphSize().width());
    const double arrivalMs = m.Result.ArrivalAt.Sample * 1000.0 / m.Shape.SampleRate;
    const QLocale locale;
    if (gateDrag_->End == 0) {
        m.GateSettings.PreMs = std::max(std::round((arrivalMs - ms) * 100.0) / 100.0, 0.0);
        dialog_->txtGatePre->setText(locale.toString(m.GateSettings.PreMs, 'f', 2));
    } else {
        m.GateSettings.LengthMs = std::max(std::round((ms - arrivalMs) * 100.0) / 100.0, 0.01);
        dialog_->txtGateLength->setText(locale.toString(m.GateSettings.LengthMs, 'f', 2));
    }
    draw();
}

// The values of the view's axes under the pointer, in the view's units.
void SweepController::showCursor(float x, float y) {
    if (gateDrag_ && measured() != nullptr) dragGate(x);
    const SweepMeasured* m = measured();
    if (m == nullptr || !m->HasImpulse() || m->Shape.SampleRate != host_.settings().SampleRate)
        return host_.showCursor({.Do = CursorUpdate::Action::Hide, .Caption = std::nullopt});
    const PlotScene plot = scene();
    const QSize graph = host_.graphSize();
    const double w = graph.width();
    const double h = graph.height();
    const QLocale locale;
    const auto shown = [&locale](double v, int decimals, const std::string& unit) {
        return locale.toString(v, 'f', decimals) + u' ' + QString::fromStdString(unit);
    };
    const double along = PlotValueAt(plot.X, x, w);
    const double up = PlotValueAt(plot.Y, h - 1.0 - y, h);
    const QString caption = shown(along, plot.X.Log ? 0 : 2, plot.X.Unit) + QStringLiteral("   ") +
                            shown(up, 1, plot.Y.Unit);
    host_.showCursor({.Do = CursorUpdate::Action::Show, .Caption = caption.toStdString()});
}

std::vector<MeasurementRow> SweepController::savedRows() const {
    const SweepMeasured* m = measured();
    if (m == nullptr || !m->HasResponse()) return {};
    return SweepMeasurementRows(shownResult(*m), m->Shape, m->Result.GateLowHz);
}

// The impulse response as WAV, the full-resolution response as FRD, the distortion as CSV.
void SweepController::exportTo(const QString& path) {
    const SweepMeasured* m = measured();
    const QString suffix = QFileInfo(path).suffix().toLower();
    std::string bytes;
    if (m != nullptr && m->HasResponse()) {
        if (suffix == QLatin1String("wav")) {
            const std::vector<float> ir(m->Result.Ir.begin(),
                                        m->Result.Ir.begin() + m->Result.ResponseSamples);
            bytes = sound_file::floatWavImage(ir, m->Shape.SampleRate);
        } else if (suffix == QLatin1String("frd")) {
            bytes = sweep::FrdText(shownResult(*m), m->Shape, m->GateSettings);
        } else if (suffix == QLatin1String("csv")) {
            bytes = sweep::DistortionCsvText(m->Distortion);
        }
    }
    if (bytes.empty()) {
        message(tr("Exportiert wird als .wav (Impulsantwort), .frd oder .csv (Verzerrung): %1")
                    .arg(path));
        return;
    }
    if (const WriteResult written = ReplaceFile(path.toStdString(), bytes); !written)
        message(QString::fromStdString(NotWrittenText(path.toStdString(), written.Reason)));
}

} // namespace terzlab::app
