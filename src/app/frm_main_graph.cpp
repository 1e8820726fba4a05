// The graph of the main window: frame and labels, the spectrum after every block, the time
// signal, the level bars with their latched overload labels, and the automatic axis.
#include "app/frm_main.h"

#include "analysis/meas_type.h"
#include "analysis/overload.h"
#include "app/sweep_controller.h"
#include "display/curve_colour.h"
#include "display/level_bar.h"
#include "display/scene.h"
#include "display/spectrum_plot.h"
#include "display/time_plot.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QWheelEvent>

namespace terzlab::app {

namespace {

const QString kAutoOn = QStringLiteral("A&uto On");
const QString kAutoOff = QStringLiteral("A&uto Off");

Colour ToColour(const QColor& colour) {
    return static_cast<Colour>(colour.red()) | static_cast<Colour>(colour.green()) << 8 |
           static_cast<Colour>(colour.blue()) << 16;
}

} // namespace

void frmMain::initGraph() {
    buildDailyGraph();
    QWidget* form = centralWidget();
    form->setMouseTracking(true);
    form->installEventFilter(this);
    windowPic_.SetBackColor(ToColour(form->palette().color(QPalette::Window)));
    picGraph->OnMouseMove = [this](float x, float y) { picGraph_MouseMove(x, y); };
    picGraph->OnMouseButton = [this](float x, bool pressed) { sweep_->mouseButton(x, pressed); };
    for (platform::PictureBox* bar : picLevel)
        bar->Surface().SetDrawWidth(5);
    connect(cmdAutoRange, &QPushButton::clicked, this, [this] { cmdAutoRange_Click(); });
    hooks.DisplayInit = [this](bool full) { DisplayInit(full); };
    hooks.CheckOverload = [this] { CheckOverload(); };
    hooks.DisplaySpec = [this](bool analyse) { DisplaySpec(analyse); };
    hooks.DisplayTime = [this] { DisplayTime(); };
    hooks.GetDbRange = [this](bool autoRange) { GetDbRange(autoRange); };
    hooks.BuildBandTable = [this] { BuildBandTable(); };
    // The analysis needs a grid before the type list first runs its handler: a resize during
    // the load already redraws.
    GetBlockSize();
    picGraph->installEventFilter(this);
    buildAxisCommand();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picGraph && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        picGraph_Wheel(wheel->angleDelta().y(), wheel->modifiers() & Qt::ControlModifier);
        return true;
    }
    if (watched == picGraph && event->type() == QEvent::KeyPress)
        return picGraph_KeyPress(static_cast<QKeyEvent*>(event)->key());
    if (watched != centralWidget()) return QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::Paint) {
        QPainter(centralWidget()).drawImage(0, 0, windowPic_.Image());
    } else if (event->type() == QEvent::MouseMove) {
        const QPointF at = static_cast<QMouseEvent*>(event)->position();
        Form_MouseMove(static_cast<float>(at.x() * kTwipsPerPixel),
                       static_cast<float>(at.y() * kTwipsPerPixel));
    }
    return false;
}

// A widget that was resized while hidden gets its resize event late; the surfaces must have
// the widgets' sizes before anything is drawn on them.
void frmMain::fitSurfaces() {
    const QSize client = centralWidget()->size();
    if (windowPic_.Image().size() != client.expandedTo(QSize(1, 1))) windowPic_.Resize(client);
    platform::QtPicture& graph = picGraph->Surface();
    if (graph.Image().size() != picGraph->size().expandedTo(QSize(1, 1)))
        graph.Resize(picGraph->size());
}

FrameInputs frmMain::frameInputs() const {
    FrameInputs in;
    in.Shown = shownView();
    in.Type = settings_.Type;
    in.Range = run_.Range;
    in.SampleRate = settings_.SampleRate;
    in.BlockSize = run_.BlockSize;
    in.ImpedancePart = measurement_.Part();
    const QRect g = picGraph->geometry();
    const auto twips = [](int pixels) { return static_cast<double>(pixels) * kTwipsPerPixel; };
    in.Graph = {twips(g.x()), twips(g.y()), twips(g.width()), twips(g.height())};
    in.DecimalSeparator = QLocale().decimalPoint().toStdString();
    const QRect button = cmdAutoRange->geometry();
    if (!cmdAutoRange->isHidden())
        in.Controls.push_back(
            {twips(button.x()), twips(button.y()), twips(button.width()), twips(button.height())});
    return in;
}

void frmMain::DisplayInit(bool full) {
    fitSurfaces();
    terzlab::DisplayInit(picGraph->Surface(), windowPic_, frameInputs(), full);
    refreshReadouts();
    picGraph->update();
    centralWidget()->update();
}

void frmMain::CheckOverload() {
    showLevels(session().CheckBlock(CaptureBuffer));
}

void frmMain::showLevels(const BlockReport& report) {
    for (size_t ch = 0; ch < report.Peaks.size(); ++ch) {
        DrawLevelBar(picLevel[ch]->Surface(), report.Peaks[ch],
                     ChannelColour(run_.ChannelCount, static_cast<int16_t>(ch)));
        picLevel[ch]->update();
        // Latched: only the start of a run hides the label again.
        if (report.Overload[ch]) lblOVL[ch]->show();
        if (optChannel[ch]->isChecked() && shownView() == View::Time && autoRangeOn()) {
            const TimeScale scale = TimeViewScale(report.Peaks[ch]);
            run_.Range.RangeTop = scale.RangeTop;
            run_.Range.RangeStep = scale.RangeStep;
        }
    }
}

bool frmMain::autoRangeOn() const {
    return run_.AutoRange;
}

View frmMain::shownView() const {
    return cmbDisplay->currentIndex() == IndexOf(View::Frequency) ? View::Frequency : View::Time;
}

// The one place that turns the controls into a run's configuration.
MeasurementConfig frmMain::currentConfig() const {
    MeasurementConfig c;
    c.Type = settings_.Type;
    c.SampleRate = settings_.SampleRate;
    c.Shown = shownView();
    c.Res = ResolutionOf(cmbFreqRes->currentIndex()).value_or(Resolution::Third);
    c.Channel = settings_.ActiveChannel;
    c.ExchangeChannels = mnuXchan->isChecked();
    c.WideRange = mnuRange->isChecked();
    c.Count = run_.MeasLimit;
    c.Stop = chkAvgType->isChecked() ? StopMode::AfterCount : StopMode::Endless;
    c.Calibration = run_.CalibrationRun;
    c.SeriesResistor = settings_.SeriesResistor;
    c.CalibValue = settings_.CalibValue;
    c.LevelCorr5 = settings_.LevelCorr[5];
    for (size_t slot = 0; slot < 3; ++slot) {
        c.Curves[slot] = &dispOct_.Curves[slot];
        c.CurvesInUse[slot] = chkLoaded[slot]->isChecked();
    }
    // Sensor and reference count only while their boxes can be used; the comparison curve
    // follows its tick alone.
    c.CurvesInUse[0] = c.CurvesInUse[0] && chkLoaded[0]->isEnabled();
    c.CurvesInUse[1] = c.CurvesInUse[1] && chkLoaded[1]->isEnabled();
    c.AutoAxis = autoRangeOn();
    return c;
}

// The choices a user may change while a run goes on (curves in use, the axis mode, the quick
// check's count) reach its next block.
void frmMain::followChoices() {
    if (!isRunning()) return;
    const MeasurementConfig now = currentConfig();
    MeasurementConfig& c = measurement_.Config();
    c.CurvesInUse = now.CurvesInUse;
    c.AutoAxis = now.AutoAxis;
    c.Count = now.Count;
    c.Stop = now.Stop;
}

DisplayInputs frmMain::displayInputs() const {
    return DisplayInputsOf(currentConfig(), measurement_.Part(), measurement_.AvgCount(),
                           run_.MeasValid);
}

void frmMain::GetDbRange(bool AutoRange) {
    showRange(measurement_.Session().Redraw(displayInputs(), AutoRange, run_.Range));
}

void frmMain::showRange(const DbRangeResult& result) {
    if (result.AxisChanged) placeAutoRange(widenForComparisons(result).Span);
}

bool frmMain::curveApplied(int slot) const {
    return CurveApplied(displayInputs(), slot);
}

std::vector<double> frmMain::valuesAt(int16_t freqResIndex) const {
    return measurement_.Session().ValuesAt(displayInputs(), freqResIndex);
}

// Centred on the first grid division under the graph's top.
void frmMain::placeAutoRange(int16_t span) {
    if (span <= 0 || run_.Range.RangeStep <= 0) return;
    const double divisions = static_cast<double>(span) / run_.Range.RangeStep;
    const double top =
        picGraph->y() + picGraph->height() / divisions / 2.0 - cmdAutoRange->height() / 2.0;
    cmdAutoRange->move(cmdAutoRange->x(), static_cast<int>(std::lround(top)));
}

void frmMain::BuildBandTable() {
    session().SetUp(settings_.Type, settings_.SampleRate);
    session().Rebuild();
}

void frmMain::DisplaySpec(bool analyse) {
    if (sweepType()) return sweep_->draw();
    if (analyse) {
        showRange(measurement_.AddBlock(CaptureBuffer, run_.Range).Range);
    } else {
        session().SetUp(settings_.Type, settings_.SampleRate);
        GetDbRange(FitsAxis(measurement_.AvgCount(), measurement_.Count()));
    }
    drawSpectrum();
}

SpectrumInputs frmMain::spectrumInputs() const {
    const BandState& bands = session().Bands();
    SpectrumInputs in = SceneFor({.Type = settings_.Type,
                                  .ImpedancePart = measurement_.Part(),
                                  .SampleRate = settings_.SampleRate,
                                  .BlockSize = run_.BlockSize,
                                  .BandFreq = bands.Table.BandFreq,
                                  .BandValue = bands.BandValue,
                                  .LastBand = bands.Table.LastBand,
                                  .MeasValid = resultOnHand(),
                                  .CurveColour = run_.CurveColour,
                                  .Comparison = &dispOct_.Curves[kComparisonSlot],
                                  .ComparisonChecked = chkLoaded[kComparisonSlot]->isChecked()},
                                 run_.Range)
                            .Spectrum;
    addComparisonInputs(in);
    in.Held = heldCurve();
    in.Phase = phaseCurves();
    return in;
}

void frmMain::drawSpectrum() {
    fitSurfaces();
    if (drawSpeakerResponse()) return;
    SpectrumInputs in = spectrumInputs();
    in.Marker = curveReadout().Measured; // on the screen only, not in a saved picture
    in.Model = speakerModel();           // the same
    addLegendValues(in);
    DrawSpectrum(picGraph->Surface(), windowPic_, frameInputs(), in);
    graph_.MarkerShown = in.Marker;
    graph_.LegendValuesShown = legendValues(in);
    refreshReadouts();
    picGraph->update();
    centralWidget()->update();
}

TimeInputs frmMain::timeInputs() const {
    TimeInputs in;
    in.CaptureBuffer = CaptureBuffer;
    in.BlockSize = run_.BlockSize;
    in.ChannelCount = run_.ChannelCount;
    in.ActiveChannel = settings_.ActiveChannel;
    in.CurveColour = run_.CurveColour;
    in.AlignPosition = align_.AlignPosition;
    return in;
}

void frmMain::DisplayTime() {
    if (PropertiesOf(settings_.Type).TimeViewOnly)
        AlignTime(align_, CaptureBuffer, run_.BlockSize, settings_.ActiveChannel);
    fitSurfaces();
    terzlab::DisplayTime(picGraph->Surface(), windowPic_, frameInputs(), timeInputs());
    refreshReadouts();
    picGraph->update();
    centralWidget()->update();
}

// A resize repaints what the view shows: the time view keeps its signal rather than getting a
// spectrum drawn over its time grid.
void frmMain::redrawGraph() {
    if (sweepType()) {
        sweep_->draw();
    } else if (shownView() == View::Frequency) {
        DisplaySpec(false);
    } else if (run_.MeasValid) {
        DisplayTime();
    } else {
        DisplayInit(true);
    }
}

// The axis stays where the user put it until "A&uto On" again.
void frmMain::freezeAxis() {
    run_.AutoRange = false;
    cmdAutoRange->setText(kAutoOff);
    followChoices();
}

void frmMain::cmdAutoRange_Click() {
    run_.AutoRange = !run_.AutoRange;
    cmdAutoRange->setText(run_.AutoRange ? kAutoOn : kAutoOff);
    followChoices();
    if (run_.AutoRange) {
        if (shownView() == View::Time) {
            CheckOverload();
            DisplayTime();
        } else {
            GetDbRange(true);
            DisplaySpec(false);
        }
    }
    focusStart();
}

} // namespace terzlab::app
