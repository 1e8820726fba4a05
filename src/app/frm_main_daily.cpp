// The graph for daily work: the curves' values under the mouse pointer beside its readout, with
// a marker on the measured curve; the measured curve held as a grey overlay; the impedance phase
// against a right-hand axis.
#include "app/frm_main.h"

#include "analysis/meas_type.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>

#include <algorithm>

namespace terzlab::app {

namespace {

void showCaption(QLabel* label, const std::string& caption) {
    label->setText(QString::fromStdString(caption));
    label->setVisible(!caption.empty());
}

} // namespace

void frmMain::buildDailyGraph() {
    QWidget* form = centralWidget();
    lblCurveValue = new QLabel(form);
    lblCurveValue->setObjectName(QStringLiteral("lblCurveValue"));
    lblComparisonValue = new QLabel(form);
    lblComparisonValue->setObjectName(QStringLiteral("lblComparisonValue"));
    lblComparisonValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* label : {lblCurveValue, lblComparisonValue})
        label->hide();
    mnuHoldCurve = new QAction(tr("Kurve &halten"), this);
    mnuHoldCurve->setObjectName(QStringLiteral("mnuHoldCurve"));
    mnuHoldCurve->setCheckable(true);
    mnuSpecial->insertAction(mnuRange, mnuHoldCurve);
    connect(mnuHoldCurve, &QAction::triggered, this, [this](bool on) { holdCurve(on); });
    connect(mnuSpecial, &QMenu::aboutToShow, this,
            [this] { mnuHoldCurve->setEnabled(mnuHoldCurve->isChecked() || curveToHold()); });
    mnuPhase = new QAction(tr("&Phase anzeigen"), this);
    mnuPhase->setObjectName(QStringLiteral("mnuPhase"));
    mnuPhase->setCheckable(true);
    mnuPhase->setChecked(settings_.ShowPhase);
    mnuSpecial->insertAction(mnuRange, mnuPhase);
    connect(mnuPhase, &QAction::triggered, this, [this](bool on) {
        settings_.ShowPhase = on;
        if (shownView() == View::Frequency && !isRunning()) drawSpectrum();
    });
    // Another type's curve belongs on another axis: the type's own redraw already leaves it out.
    connect(cmbMeasType, &QComboBox::currentIndexChanged, this, [this] {
        graph_.Held = {};
        mnuHoldCurve->setChecked(false);
    });
}

// The measured value right of the pointer readout, the comparison curve's left of it, each out
// to the window's edge: a value with its phase is wider than half the smallest graph.
void frmMain::placeCurveValues() {
    const int gap = lblCursor->height() / 2;
    const int right = lblCursor->x() + lblCursor->width() + gap;
    lblCurveValue->setGeometry(right, lblCursor->y(), centralWidget()->width() - gap - right,
                               lblCursor->height());
    lblComparisonValue->setGeometry(gap, lblCursor->y(), lblCursor->x() - 2 * gap,
                                    lblCursor->height());
}

CurveReadoutInputs frmMain::curveReadoutInputs() const {
    const BandState& bands = session().Bands();
    CurveReadoutInputs in;
    in.Width = picGraph->width();
    in.SampleRate = settings_.SampleRate;
    in.BandFreq = bands.Table.BandFreq;
    in.BandValue = bands.BandValue;
    in.LastBand = bands.Table.LastBand;
    in.MeasValid = resultOnHand();
    const CorrectionCurve& comparison = dispOct_.Curves[kComparisonSlot];
    if (ComparisonShown(&comparison, chkLoaded[kComparisonSlot]->isChecked(), settings_.Type))
        in.Comparison = &comparison;
    in.Ohm = UnitOf(settings_.Type, measurement_.Part()) == ResultUnit::Ohm;
    in.DecimalSeparator = QLocale().decimalPoint().toStdString();
    in.BandPhase = measuredPhase();
    in.ComparisonPhase = in.Comparison != nullptr && phaseShown() && HasPhase(*in.Comparison);
    return in;
}

CurveReadoutText frmMain::curveReadout() const {
    if (!graph_.CursorX || shownView() != View::Frequency) return {};
    return CurveReadout(*graph_.CursorX, curveReadoutInputs());
}

void frmMain::showCurveValues() {
    if (lblCurveValue == nullptr) return;
    const CurveReadoutText readout = curveReadout();
    showCaption(lblCurveValue, readout.MeasuredCaption);
    showCaption(lblComparisonValue, readout.ComparisonCaption);
}

// The marker moves with the pointer: the graph is redrawn only when it lands on another band.
void frmMain::followPointer(std::optional<float> x) {
    graph_.CursorX = lblCursor->isHidden() ? std::nullopt : x;
    if (shownView() != View::Frequency) graph_.MarkerShown.reset(); // not drawn there
    SpectrumInputs legend = spectrumInputs();
    addLegendValues(legend);
    if (curveReadout().Measured != graph_.MarkerShown ||
        legendValues(legend) != graph_.LegendValuesShown) {
        drawSpectrum();
    } else {
        showCurveValues();
    }
}

// With several comparison curves the legend names each one, and with the pointer over the graph
// it gives each one's value there.
void frmMain::addLegendValues(SpectrumInputs& in) const {
    if (!graph_.CursorX || in.MoreComparisons.empty() || shownView() != View::Frequency) return;
    const CurveReadoutInputs readout = curveReadoutInputs();
    in.ComparisonValue = CurveValueAt(*graph_.CursorX, *in.Comparison, readout);
    for (LegendCurve& more : in.MoreComparisons)
        more.Value = CurveValueAt(*graph_.CursorX, *more.Curve, readout);
}

std::vector<std::string> frmMain::legendValues(const SpectrumInputs& in) const {
    std::vector<std::string> values{in.ComparisonValue};
    for (const LegendCurve& more : in.MoreComparisons)
        values.push_back(more.Value);
    return values;
}

bool frmMain::curveToHold() const {
    return resultOnHand() && shownView() == View::Frequency;
}

// Holding copies the curve shown now; the second click lets it go.
void frmMain::holdCurve(bool on) {
    graph_.Held = {};
    if (on && curveToHold()) {
        const BandState& bands = session().Bands();
        const auto count = static_cast<std::ptrdiff_t>(
            std::min({static_cast<size_t>(std::max<int>(bands.Table.LastBand + 1, 0)),
                      bands.Table.BandFreq.size(), bands.BandValue.size()}));
        graph_.Held.Freq.assign(bands.Table.BandFreq.begin(), bands.Table.BandFreq.begin() + count);
        graph_.Held.Value.assign(bands.BandValue.begin(), bands.BandValue.begin() + count);
        graph_.HeldType = settings_.Type;
    }
    mnuHoldCurve->setChecked(!graph_.Held.Freq.empty());
    if (shownView() == View::Frequency && !isRunning()) drawSpectrum();
}

const HeldCurve* frmMain::heldCurve() const {
    return graph_.HeldType == settings_.Type ? &graph_.Held : nullptr;
}

// On an impedance axis of the frequency view, with the phase switched on.
bool frmMain::phaseShown() const {
    return settings_.ShowPhase && shownView() == View::Frequency &&
           UnitOf(settings_.Type, measurement_.Part()) == ResultUnit::Ohm;
}

// Only the two-channel impedance measures a phase: the latest block's, row 4 of the results.
std::span<const double> frmMain::measuredPhase() const {
    const BandState& bands = session().Bands();
    const BandResults& r = bands.Results;
    if (!phaseShown() || !resultOnHand() || PropertiesOf(settings_.Type).ResultRows < row::kPhase ||
        r.Cells.size() < static_cast<size_t>((row::kPhase + 1) * r.BandCount))
        return {};
    const auto count =
        static_cast<size_t>(std::clamp<int>(bands.Table.LastBand + 1, 0, std::max(r.BandCount, 0)));
    return {r.Cells.data() + row::kPhase * r.BandCount, count};
}

std::optional<PhaseCurves> frmMain::phaseCurves() const {
    if (!phaseShown()) return std::nullopt;
    const CorrectionCurve& comparison = dispOct_.Curves[kComparisonSlot];
    PhaseCurves phase;
    phase.BandPhase = measuredPhase();
    phase.Comparison =
        ComparisonShown(&comparison, chkLoaded[kComparisonSlot]->isChecked(), settings_.Type)
            ? &comparison
            : nullptr;
    // The axis only with a curve on it: the one-channel impedance measures no phase.
    const auto hasShownPhase = [this](const GraphOverlays::MoreComparison& more) {
        return more.Shown && ComparisonShown(&more.Curve, true, settings_.Type) &&
               HasPhase(more.Curve);
    };
    if (phase.BandPhase.empty() && (phase.Comparison == nullptr || !HasPhase(*phase.Comparison)) &&
        std::none_of(graph_.MoreComparisons.begin(), graph_.MoreComparisons.end(), hasShownPhase))
        return std::nullopt;
    return phase;
}

} // namespace terzlab::app
