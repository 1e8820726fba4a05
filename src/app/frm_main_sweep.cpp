// The swept-sine measurement in the window: the sweep made at the device's rate and looped by
// the player, the capture stream read from the event loop until every repetition is in, the
// repetitions averaged and analysed, the views drawn through the display's scene, and the
// measurement saved and exported.
#include "app/frm_main.h"

#include "analysis/meas_type.h"
#include "app/frm_sweep.h"
#include "app/sweep_session.h"
#include "audio/virtual/virtual_card.h"
#include "files/atomic_write.h"
#include "files/sweep_measurement.h"
#include "platform/graph_picture.h"
#include "platform/key_state.h"
#include "platform/services.h"
#include "sound_file/float_sound.h"
#include "stimuli/signals.h"
#include "sweep/sweep_files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace terzlab::app {

namespace {

// A step of the run reads what the stream holds; after this many steps without a frame the
// device counts as silent.
constexpr int kStepMilliseconds = 100;
constexpr int kSilentSteps = 50;

QString sweepCaption(int repetition, int count) {
    return frmMain::tr("Sweep %1 von %2. Abbruch mit ESC!").arg(repetition).arg(count);
}

} // namespace

bool frmMain::sweepType() const {
    return PropertiesOf(settings_.Type).Swept;
}

const SweepMeasured* frmMain::sweepMeasured() const {
    return sweep_ && sweep_->Measured ? &*sweep_->Measured : nullptr;
}

bool frmMain::sweepResultOnHand() const {
    const SweepMeasured* m = sweepMeasured();
    return m != nullptr && m->HasResponse() && m->Shape.SampleRate == settings_.SampleRate;
}

// Shown with the type, beside the window; closed, it comes back with the next choice of it.
void frmMain::showSweepDialog(bool shown) {
    if (!shown) {
        if (sweepDialog_ != nullptr) sweepDialog_->hide();
        return;
    }
    if (sweepDialog_ == nullptr) {
        sweepDialog_ = new frmSweep(*this, settings_.Sweep, this);
        picGraph->OnMouseButton = [this](float x, bool pressed) { sweepMouseButton(x, pressed); };
    }
    sweepDialog_->show();
}

void frmMain::rememberSweepFields() {
    QString ignored;
    if (sweepDialog_ == nullptr) return;
    if (const auto fields = sweepDialog_->fields(ignored)) settings_.Sweep = *fields;
}

void frmMain::startSweep() {
    if (running_) return;
    showSweepDialog(true);
    if (cmbWavOutDev->currentIndex() == run_.TestCdIndex) {
        message(tr("Der Sweep wird vom Programm abgespielt, mit der Test-CD ist er nicht möglich."),
                platform::MsgIcon::Exclamation, tr("Fehler"));
        return;
    }
    QString error;
    const auto fields = sweepDialog_->fields(error);
    if (!fields) {
        message(error, platform::MsgIcon::Exclamation, tr("Fehler"));
        return;
    }
    settings_.Sweep = *fields;
    const std::string refused = sweep::SweepRefusal(SweepSettingsOf(*fields, settings_.SampleRate));
    if (!refused.empty()) {
        message(QString::fromStdString(refused), platform::MsgIcon::Exclamation, tr("Fehler"));
        return;
    }
    if (!sweep_) sweep_ = std::make_unique<SweepSession>();
    sweep_->Capture.emplace(*fields, settings_.SampleRate, run_.ChannelCount,
                            settings_.ActiveChannel);
    if (!playSweep()) {
        sweep_->Capture.reset();
        return;
    }
    running_ = true;
    capturedParts_ = 1;
    run_.MeasValid = false;
    mnuFileSaveAs->setEnabled(false);
    services_.keys->forgetEsc();
    LabelShow(true);
    sweepDialog_->lockSweep(true);
    cmdStart->setText(sweepCaption(1, fields->Repetitions));
    services_.scheduler->after(kStepMilliseconds, this, [this] { sweepStep(); });
}

// The stream starts before the player, so that the recording holds the sweep's first sample.
bool frmMain::playSweep() {
    fillCaptureFormat();
    audio::CaptureStream& stream = *services_.card->stream;
    if (stream.open(inputDevice(), CaptureFormat) != 0) {
        openFailed();
        return false;
    }
    for (QLabel* label : lblOVL)
        label->hide();
    stream.start();
    // With the loopback the bench wires as for the transfer: the response left, the drive right.
    if (services_.card->bench)
        services_.card->bench->setWiring(
            {IndexOf(sweep_->Capture->Loopback ? MeasType::LevelTwoChannel : settings_.Type), 0,
             static_cast<double>(settings_.SeriesResistor)});
    services_.card->player->playSoundLooped(sweep_->Capture->Sound(), "Sweep");
    return true;
}

void frmMain::sweepStep() {
    SweepCapture& c = *sweep_->Capture;
    audio::CaptureStream& stream = *services_.card->stream;
    if (services_.keys->escPressed() || closeRequested_) return endSweep(false);
    const std::size_t missing = c.FramesWanted() - c.FramesRead();
    const std::size_t chunk = static_cast<std::size_t>(settings_.SampleRate) / 2;
    if (stream.waitFor(std::min(missing, chunk), 0.0) == audio::WaitResult::DeviceGone)
        return endSweep(false, tr("Das Aufnahmegerät liefert keine Daten. Die Messung wurde "
                                  "abgebrochen!"));
    const std::size_t ready = std::min(stream.available(), missing);
    if (ready == 0 && ++c.IdleSteps > kSilentSteps)
        return endSweep(false, tr("Das Aufnahmegerät liefert keine Daten. Die Messung wurde "
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
        return endSweep(false, tr("Während des Sweeps gingen Abtastwerte verloren. Bitte die "
                                  "Messung wiederholen."));
    cmdStart->setText(sweepCaption(c.RepetitionNow(), c.Repetitions));
    if (c.FramesRead() >= c.FramesWanted()) return endSweep(true);
    services_.scheduler->after(kStepMilliseconds, this, [this] { sweepStep(); });
}

void frmMain::endSweep(bool complete, const QString& failure) {
    audio::CaptureStream& stream = *services_.card->stream;
    services_.card->player->stop();
    stream.stop();
    stream.close();
    SweepCapture capture = std::move(*sweep_->Capture);
    sweep_->Capture.reset();
    LabelShow(false);
    sweepDialog_->lockSweep(false);
    endPhase(RunPhase::Idle);
    if (!failure.isEmpty()) message(failure, platform::MsgIcon::Exclamation, tr("Fehler"));
    if (complete && !closeRequested_) analyseSweep(capture);
    showCommands();
    finishRun();
}

void frmMain::analyseSweep(const SweepCapture& capture) {
    if (const auto clipped = capture.ClippedChannel()) {
        // The box says it all; the overload help would only repeat it.
        lblOVL[static_cast<std::size_t>(*clipped)]->show();
        capturedParts_ = 0;
        message(tr("Die Aufnahme ist übersteuert. Bitte den Pegel verringern."),
                platform::MsgIcon::Exclamation, tr("Fehler"));
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
    m.GateSettings = GateOf(settings_.Sweep);
    m.Analyse(sweep_->Transform);
    sweep_->Measured = std::move(m);
    run_.MeasValid = sweepMeasured()->HasImpulse();
    reportSweepError();
    drawSweep();
}

void frmMain::reportSweepError() {
    const SweepMeasured* m = sweepMeasured();
    if (m == nullptr || m->Result.Error.empty()) return;
    const QString text = QString::fromStdString(m->Result.Error);
    message(m->HasImpulse() ? tr("Das Gate ist nicht möglich: %1").arg(text) : text,
            platform::MsgIcon::Exclamation, tr("Fehler"));
}

void frmMain::sweepGateChanged() {
    rememberSweepFields();
    if (!sweep_ || !sweep_->Measured || !sweepMeasured()->HasImpulse()) return;
    QString error;
    const auto fields = sweepDialog_->fields(error);
    if (!fields) {
        message(error, platform::MsgIcon::Exclamation, tr("Fehler"));
        return;
    }
    SweepMeasured& m = *sweep_->Measured;
    m.GateSettings = GateOf(*fields);
    m.Analyse(sweep_->Transform);
    reportSweepError();
    showCommands();
    drawSweep();
}

void frmMain::sweepViewChanged() {
    rememberSweepFields();
    if (sweepType()) drawSweep();
}

// The level offsets of the level types go on: the microphone channel's calibration and the total
// correction, whose start value stands for the noise's band level below a full-scale sine. So the
// response reads the recorded over the played signal by default and, calibrated, the level a
// full-scale sine would give, level with a noise measurement of the same loudspeaker.
double frmMain::sweepLevelOffsetDb() const {
    return settings_.CalibValue[static_cast<std::size_t>(settings_.ActiveChannel & 1)] +
           settings_.LevelCorr[5] + stimuli::kPseudoBandLevelDb;
}

// The gated response as shown, saved and exported: the level offsets on, and the sensor's curve
// taken off where it is in use, as the level types take it off their bands; between its bands in
// proportion to log f, past its ends at its end values.
sweep::SweepResult frmMain::shownSweepResult(const SweepMeasured& m) const {
    sweep::SweepResult r = m.Result;
    const double gain = std::pow(10.0, sweepLevelOffsetDb() / 20.0);
    for (std::complex<double>& bin : r.Gated.Bins)
        bin *= gain;
    if (!curveApplied(kSensorSlot)) return r;
    const CorrectionCurve& sensor = dispOct_.Curves[kSensorSlot];
    const BandTable& table = session().Bands().Table;
    std::vector<std::pair<double, double>> points; // ln f, dB
    const auto bands = std::min<std::size_t>({table.BandFreq.size(), CorrectionCurve::kEntries,
                                              static_cast<std::size_t>(table.LastBand + 1)});
    for (std::size_t b = 0; b < bands; ++b)
        if (!isNoValue(sensor.CurveAmp[b]) && table.BandFreq[b] > 0.0)
            points.emplace_back(std::log(table.BandFreq[b]), sensor.CurveAmp[b]);
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

PlotScene frmMain::sweepScene() const {
    const SweepMeasured* m = sweepMeasured();
    if (m == nullptr || sweepDialog_ == nullptr) return {};
    const sweep::SweepResult shown = shownSweepResult(*m);
    PlotScene scene = SweepSceneFor({.View = sweepDialog_->view(),
                                     .Result = &shown,
                                     .Shape = m->Shape,
                                     .GateSettings = m->GateSettings,
                                     .Distortion = m->Distortion,
                                     .DistortionInDb = sweepDialog_->distortionInDb(),
                                     .Smoothing = sweepDialog_->smoothing(),
                                     .Comparison = chkLoaded[kComparisonSlot]->isChecked()
                                                       ? &dispOct_.Curves[kComparisonSlot]
                                                       : nullptr,
                                     .DecimalSeparator = QLocale().decimalPoint().toStdString()});
    if (gateDrag_) scene.X = gateDrag_->Axis;
    return scene;
}

// Without a measurement of this rate the type shows the empty frame of a level spectrum.
void frmMain::drawSweep() {
    const SweepMeasured* m = sweepMeasured();
    if (m == nullptr || !m->HasImpulse() || m->Shape.SampleRate != settings_.SampleRate)
        return DisplayInit(true);
    fitSurfaces();
    DrawPlot(picGraph->Surface(), windowPic_, frameInputs().Graph,
             QLocale().decimalPoint().toStdString(), sweepScene());
    picGraph->update();
    centralWidget()->update();
}

// In the views of the impulse response either end of the gate can be taken with the mouse and
// moved; let go, the response is gated there.
void frmMain::sweepMouseButton(float x, bool pressed) {
    const SweepMeasured* m = sweepMeasured();
    const bool timeView =
        sweepDialog_ != nullptr && (sweepDialog_->view() == SweepView::Impulse ||
                                    sweepDialog_->view() == SweepView::EnergyTime);
    if (!sweepType() || m == nullptr || !m->HasImpulse() || !timeView) return;
    if (!pressed) {
        if (std::exchange(gateDrag_, std::nullopt)) sweepGateChanged();
        return;
    }
    constexpr double kReach = 4.0; // pixels either side of a gate end
    const PlotScene scene = sweepScene();
    for (std::size_t end = 0; end < std::min<std::size_t>(scene.Marks.size(), 2); ++end)
        if (std::fabs(PlotX(scene.X, scene.Marks[end], picGraph->width()) - x) <= kReach)
            gateDrag_ = GateDrag{.End = end, .Axis = scene.X};
}

// The gate's field follows the end held; the graph shows the gate there at once.
void frmMain::dragGate(float x) {
    SweepMeasured& m = *sweep_->Measured;
    const double ms = PlotValueAt(gateDrag_->Axis, x, picGraph->width());
    const double arrivalMs = m.Result.ArrivalAt.Sample * 1000.0 / m.Shape.SampleRate;
    const QLocale locale;
    if (gateDrag_->End == 0) {
        m.GateSettings.PreMs = std::max(std::round((arrivalMs - ms) * 100.0) / 100.0, 0.0);
        sweepDialog_->txtGatePre->setText(locale.toString(m.GateSettings.PreMs, 'f', 2));
    } else {
        m.GateSettings.LengthMs = std::max(std::round((ms - arrivalMs) * 100.0) / 100.0, 0.01);
        sweepDialog_->txtGateLength->setText(locale.toString(m.GateSettings.LengthMs, 'f', 2));
    }
    drawSweep();
}

// The values of the view's axes under the pointer, in the view's units.
void frmMain::showSweepCursor(float x, float y) {
    if (gateDrag_ && sweepMeasured() != nullptr) dragGate(x);
    const SweepMeasured* m = sweepMeasured();
    if (m == nullptr || !m->HasImpulse() || m->Shape.SampleRate != settings_.SampleRate)
        return showCursor({.Do = CursorUpdate::Action::Hide, .Caption = std::nullopt});
    const PlotScene scene = sweepScene();
    const double w = picGraph->width();
    const double h = picGraph->height();
    const QLocale locale;
    const auto shown = [&locale](double v, int decimals, const std::string& unit) {
        return locale.toString(v, 'f', decimals) + u' ' + QString::fromStdString(unit);
    };
    const double along = PlotValueAt(scene.X, x, w);
    const double up = PlotValueAt(scene.Y, h - 1.0 - y, h);
    const QString caption = shown(along, scene.X.Log ? 0 : 2, scene.X.Unit) +
                            QStringLiteral("   ") + shown(up, 1, scene.Y.Unit);
    showCursor({.Do = CursorUpdate::Action::Show, .Caption = caption.toStdString()});
}

std::vector<MeasurementRow> frmMain::savedRows(const MeasurementHeader& header) const {
    if (!sweepType()) return SelHost::savedRows(header);
    const SweepMeasured* m = sweepMeasured();
    if (m == nullptr || !m->HasResponse()) return {};
    return SweepMeasurementRows(shownSweepResult(*m), m->Shape, m->Result.GateLowHz);
}

// The impulse response as WAV, the full-resolution response as FRD, the distortion as CSV.
void frmMain::exportSweepTo(const QString& path) {
    const SweepMeasured* m = sweepMeasured();
    const QString suffix = QFileInfo(path).suffix().toLower();
    std::string bytes;
    if (m != nullptr && m->HasResponse()) {
        if (suffix == QLatin1String("wav")) {
            const std::vector<float> ir(m->Result.Ir.begin(),
                                        m->Result.Ir.begin() + m->Result.ResponseSamples);
            bytes = sound_file::floatWavImage(ir, m->Shape.SampleRate);
        } else if (suffix == QLatin1String("frd")) {
            bytes = sweep::FrdText(shownSweepResult(*m), m->Shape, m->GateSettings);
        } else if (suffix == QLatin1String("csv")) {
            bytes = sweep::DistortionCsvText(m->Distortion);
        }
    }
    if (bytes.empty()) {
        message(tr("Exportiert wird als .wav (Impulsantwort), .frd oder .csv (Verzerrung): %1")
                    .arg(path),
                platform::MsgIcon::Exclamation, tr("Fehler"));
        return;
    }
    if (const WriteResult written = ReplaceFile(path.toStdString(), bytes); !written)
        message(QString::fromStdString(NotWrittenText(path.toStdString(), written.Reason)),
                platform::MsgIcon::Exclamation, tr("Fehler"));
}

} // namespace terzlab::app
