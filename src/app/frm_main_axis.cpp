// The level axis the user chooses: "Achse einstellen ..." in the graph's context menu, the wheel
// over the graph for a step up or down and Ctrl+wheel for a narrower or wider span. The time
// view's axis stays the automatic one.
#include "analysis/chosen_axis.h"
#include "app/frm_axis.h"
#include "app/frm_main.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>

namespace terzlab::app {

namespace {

constexpr int kNotch = 120; // wheel angle of one notch, in eighths of a degree

} // namespace

void frmMain::buildAxisCommand() {
    mnuGraph = new QMenu(this);
    mnuAxis = mnuGraph->addAction(tr("&Achse einstellen ..."));
    connect(mnuAxis, &QAction::triggered, this, [this] { mnuAxis_Click(); });
    picGraph->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(picGraph, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        mnuAxis->setEnabled(cmbDisplay->currentIndex() == kDisplayFrequency);
        mnuGraph->popup(picGraph->mapToGlobal(at));
    });
}

frmAxis* frmMain::mnuAxis_Click() {
    if (cmbDisplay->currentIndex() != kDisplayFrequency) return nullptr;
    auto* dialog = new frmAxis(
        run_.Range, [this](const AxisRange& range) { chooseAxis(range); }, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    return dialog;
}

void frmMain::chooseAxis(const AxisRange& range) {
    run_.Range = range;
    freezeAxis();
    placeAutoRange(static_cast<int16_t>(range.RangeTop - range.RangeBottom));
    redrawGraph();
}

void frmMain::picGraph_Wheel(int angleDelta, bool span) {
    if (cmbDisplay->currentIndex() != kDisplayFrequency) return;
    graph_.WheelRest += angleDelta;
    const int notches = graph_.WheelRest / kNotch;
    graph_.WheelRest -= notches * kNotch;
    if (notches == 0) return;
    const AxisRange next = span ? ScaleAxis(run_.Range, notches) : ShiftAxis(run_.Range, notches);
    chooseAxis(next);
}

} // namespace terzlab::app
