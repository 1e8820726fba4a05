// The window as the Thiele-Small dialog's host: the command in "Spezial", the impedance curve on
// screen as the dialog fits it, and the fitted model in the graph.
#include "app/frm_main.h"

#include "files/measurement_writer.h"
#include "speaker/frm_thiele_small.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>

#include <algorithm>

namespace terzlab::app {

namespace {

// The predicted response is relative: +10 ... -40 dB holds a peak and the roll-off to fs/10.
constexpr MeasType kResponseViewType = MeasType::LevelOneChannel; // a level type: the axis in dB
constexpr AxisRange kResponseRange{10, -40, 5};

} // namespace

// The command follows what is on screen: a finished impedance result or an impedance curve
// loaded to compare against.
void frmMain::buildSpeakerCommand() {
    mnuThieleSmall = new QAction(tr("Thiele-&Small-Parameter ..."), this);
    mnuThieleSmall->setObjectName(QStringLiteral("mnuThieleSmall"));
    mnuSpecial->insertAction(mnuRange, mnuThieleSmall);
    mnuSpecial->insertSeparator(mnuThieleSmall);
    updateSpeakerCommand();
    connect(mnuSpecial, &QMenu::aboutToShow, this, [this] { updateSpeakerCommand(); });
    connect(mnuFileSaveAs, &QAction::enabledChanged, this, [this] { updateSpeakerCommand(); });
    connect(chkLoaded[kComparisonSlot], &QCheckBox::toggled, this,
            [this] { updateSpeakerCommand(); });
    connect(mnuThieleSmall, &QAction::triggered, this,
            [this] { speaker::frmThieleSmall::open(*this, *services_.messages); });
}

void frmMain::updateSpeakerCommand() {
    const StoredCurve& comparison = dispOct_.Curves[kComparisonSlot];
    mnuThieleSmall->setEnabled(impedanceResultShown() || (comparison.CurveLoaded == 1 &&
                                                          comparison.CurveType == kCurveImpedance));
}

// Once a run is over, the command follows its result (during the run the save command's change
// found the run still going), and an open dialog fits the new curve.
void frmMain::refitShownModel() {
    updateSpeakerCommand();
    if (impedanceResultShown()) speaker::frmThieleSmall::refreshOpen(this);
}

// The impedance result counts once it could be saved.
bool frmMain::impedanceResultShown() const {
    return IsImpedanceType(settings_.Type) && run_.MeasValid && saveOffered() && !isRunning();
}

// The result at 1/12 octave with the phases of the latest block, as a saved file holds it.
std::optional<speaker::ShownImpedance> frmMain::shownImpedance() {
    if (impedanceResultShown()) {
        MeasurementHeader header;
        header.Type = settings_.Type;
        const std::vector<MeasurementRow> rows =
            MeasurementRows(header, session().Bands(), valuesAt(IndexOf(Resolution::Twelfth)));
        CorrectionCurve curve;
        curve.CurveCount =
            static_cast<int16_t>(std::min<std::size_t>(rows.size(), CorrectionCurve::kEntries));
        for (int16_t e = 0; e < curve.CurveCount; ++e) {
            const auto i = static_cast<std::size_t>(e);
            curve.CurveFreq[i] = static_cast<float>(rows[i].Freq);
            curve.CurveAmp[i] = static_cast<float>(rows[i].Value);
            curve.CurvePhase[i] = static_cast<float>(rows[i].Phase);
        }
        return speaker::ShownImpedance{ImpedanceCurveOf(curve), tr("aktuelle Messung")};
    }
    const StoredCurve& comparison = dispOct_.Curves[kComparisonSlot];
    if (comparison.CurveLoaded != 1 || comparison.CurveType != kCurveImpedance) return {};
    return speaker::ShownImpedance{
        ImpedanceCurveOf(comparison),
        tr("Vergleichskurve %1").arg(QString::fromStdString(comparison.CurveTitle))};
}

QString frmMain::fileFolder() {
    return selState_.LastFolder;
}

void frmMain::showModel(ModelCurve model) {
    graph_.Model = std::move(model);
    redrawGraph();
}

void frmMain::showResponse(ModelCurve response) {
    graph_.Response = std::move(response);
    redrawGraph();
}

// The model belongs on an impedance axis, and on the screen only: a saved picture shows the
// measurement.
const ModelCurve* frmMain::speakerModel() const {
    return PropertiesOf(settings_.Type).Unit == ResultUnit::Ohm ? &graph_.Model : nullptr;
}

// The predicted response of a box on a dB axis of its own, in place of the measurement, while
// the dialog asks for it (on the screen only, like the model).
bool frmMain::drawSpeakerResponse() {
    if (graph_.Response.Freq.empty()) return false;
    FrameInputs frame = frameInputs();
    frame.Type = kResponseViewType;
    frame.Range = kResponseRange;
    SpectrumInputs in;
    in.Model = &graph_.Response;
    DrawSpectrum(picGraph->Surface(), windowPic_, frame, in);
    picGraph->update();
    centralWidget()->update();
    return true;
}

} // namespace terzlab::app
