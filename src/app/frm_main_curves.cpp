// Several comparison curves: the first stays in the comparison slot with its box; the load
// command adds further ones beside it while fewer than six are loaded, each drawn in its own
// colour with a legend line. "Vergleichskurven" lists them; the settings file remembers them.
#include "analysis/constants.h"
#include "analysis/meas_type.h"
#include "app/frm_curves.h"
#include "app/frm_main.h"
#include "display/curve_colour.h"
#include "files/curve_text.h"
#include "files/settings.h"
#include "platform/services.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>

#include <algorithm>

namespace terzlab::app {

namespace {

constexpr int kSelComparison = 3;

bool sameFile(const StoredCurve& a, const StoredCurve& b) {
    return a.CurveLoaded == b.CurveLoaded && a.CurveDir == b.CurveDir && a.CurveFile == b.CurveFile;
}

} // namespace

void frmMain::buildComparisonCommands() {
    mnuCurves = new QAction(tr("Vergleichsk&urven ..."), this);
    const QList<QAction*> actions = mnuFile->actions();
    const qsizetype after = actions.indexOf(mnuLoadComp) + 1;
    mnuFile->insertAction(after < actions.size() ? actions[after] : nullptr, mnuCurves);
    connect(mnuCurves, &QAction::triggered, this, [this] { mnuCurves_Click(); });
}

frmCurves* frmMain::mnuCurves_Click() {
    auto* dialog = new frmCurves(*this, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    return dialog;
}

int frmMain::comparisonCount() const {
    const int first = dispOct_.Curves[kComparisonSlot].CurveLoaded == 1 ? 1 : 0;
    return first + static_cast<int>(graph_.MoreComparisons.size());
}

// The file dialog loads into the comparison slot; a curve that was there stays the first and the
// new one joins the further curves.
void frmMain::loadComparison() {
    if (comparisonCount() >= static_cast<int>(kComparisonColours.size())) {
        message(tr("Es sind bereits sechs Vergleichskurven geladen.\r\n"
                   "Bitte zuerst eine unter „Datei / Vergleichskurven ...“ entfernen."),
                platform::MsgIcon::Information, tr("Hinweis"));
        return;
    }
    StoredCurve& slot = dispOct_.Curves[kComparisonSlot];
    const StoredCurve first = slot;
    const bool firstShown = chkLoaded[kComparisonSlot]->isChecked();
    hooks.openFileDialog(kSelComparison);
    if (first.CurveLoaded != 1 || sameFile(first, slot)) return;
    if (slot.CurveLoaded == 1)
        graph_.MoreComparisons.push_back({slot, chkLoaded[kComparisonSlot]->isChecked()});
    slot = first;
    showCurveBox(kComparisonSlot, QString::fromStdString(first.CurveTitle));
    chkLoaded[kComparisonSlot]->setEnabled(true);
    platform::setChecked(chkLoaded[kComparisonSlot], firstShown);
    redrawComparisons();
}

void frmMain::redrawComparisons() {
    if (shownView() != View::Frequency) return;
    GetDbRange(true);
    DisplaySpec(false);
}

std::vector<ComparisonEntry> frmMain::comparisons() const {
    std::vector<ComparisonEntry> entries;
    const auto add = [&entries](const StoredCurve& c, Colour colour, bool shown) {
        entries.push_back({platform::ToQColor(colour), QString::fromStdString(c.CurveTitle),
                           QString::fromStdString(CurvePath(c).string()), shown});
    };
    if (dispOct_.Curves[kComparisonSlot].CurveLoaded == 1)
        add(dispOct_.Curves[kComparisonSlot], kComparisonColours[0],
            chkLoaded[kComparisonSlot]->isChecked());
    for (std::size_t i = 0; i < graph_.MoreComparisons.size(); ++i)
        add(graph_.MoreComparisons[i].Curve, kComparisonColours[i + 1],
            graph_.MoreComparisons[i].Shown);
    return entries;
}

void frmMain::showComparison(int index, bool shown) {
    if (dispOct_.Curves[kComparisonSlot].CurveLoaded != 1) ++index; // no first: rows are further
    if (index == 0) {
        platform::setChecked(chkLoaded[kComparisonSlot], shown); // its box redraws
        return;
    }
    if (index > static_cast<int>(graph_.MoreComparisons.size())) return;
    graph_.MoreComparisons[static_cast<std::size_t>(index - 1)].Shown = shown;
    redrawComparisons();
}

// Removing the first moves the next one up into the comparison slot.
void frmMain::removeComparison(int index) {
    StoredCurve& slot = dispOct_.Curves[kComparisonSlot];
    if (slot.CurveLoaded != 1) ++index;
    if (index > static_cast<int>(graph_.MoreComparisons.size())) return;
    if (index > 0) {
        graph_.MoreComparisons.erase(graph_.MoreComparisons.begin() + (index - 1));
    } else if (graph_.MoreComparisons.empty()) {
        slot = StoredCurve{};
        showCurveBox(kComparisonSlot, std::nullopt);
    } else {
        slot = graph_.MoreComparisons.front().Curve;
        const bool shown = graph_.MoreComparisons.front().Shown;
        graph_.MoreComparisons.erase(graph_.MoreComparisons.begin());
        showCurveBox(kComparisonSlot, QString::fromStdString(slot.CurveTitle));
        chkLoaded[kComparisonSlot]->setEnabled(true);
        platform::setChecked(chkLoaded[kComparisonSlot], shown);
    }
    redrawComparisons();
}

void frmMain::loadStoredComparisons(const terzlab::Settings& stored) {
    for (StoredCurve& curve : LoadStoredComparisons(stored, curveLastBand(), *services_.messages)) {
        if (comparisonCount() >= static_cast<int>(kComparisonColours.size())) break;
        graph_.MoreComparisons.push_back({std::move(curve), true});
    }
}

void frmMain::rememberComparisons(terzlab::Settings& stored) const {
    stored.MoreComparisonFiles = {};
    for (std::size_t i = 0;
         i < graph_.MoreComparisons.size() && i < stored.MoreComparisonFiles.size(); ++i)
        stored.MoreComparisonFiles[i] = CurvePath(graph_.MoreComparisons[i].Curve).string();
}

// The automatic axis fits the further curves shown as it fits the first.
DbRangeResult frmMain::widenForComparisons(DbRangeResult chosen) {
    bool widened = false;
    for (const GraphOverlays::MoreComparison& more : graph_.MoreComparisons) {
        const StoredCurve& c = more.Curve;
        if (!more.Shown || !ComparisonTakesPart(settings_.Type, measurement_.Part(), c.CurveType))
            continue;
        const int count = std::clamp<int>(c.CurveCount, 0, CorrectionCurve::kEntries);
        for (int e = 0; e < count; ++e) {
            if (isNoValue(c.CurveAmp[e])) continue;
            widened = widened || c.CurveAmp[e] < chosen.Min || c.CurveAmp[e] > chosen.Max;
            chosen.Min = std::min(chosen.Min, c.CurveAmp[e]);
            chosen.Max = std::max(chosen.Max, c.CurveAmp[e]);
        }
    }
    if (widened) chosen.Span = ChooseAxis(chosen.Min, chosen.Max, run_.Range);
    return chosen;
}

void frmMain::addComparisonInputs(SpectrumInputs& in) const {
    std::vector<const StoredCurve*> curves = {&dispOct_.Curves[kComparisonSlot]};
    for (const GraphOverlays::MoreComparison& more : graph_.MoreComparisons)
        curves.push_back(&more.Curve);
    const std::vector<std::string> titles = DistinctTitles(curves);
    in.ComparisonTitle = titles[0];
    for (std::size_t i = 0; i < graph_.MoreComparisons.size(); ++i)
        if (graph_.MoreComparisons[i].Shown)
            in.MoreComparisons.push_back(
                {&graph_.MoreComparisons[i].Curve, kComparisonColours[i + 1], titles[i + 1], ""});
}

} // namespace terzlab::app
