// The level axis the user chooses: "Achse einstellen ..." in the graph's context menu and in
// "Spezial", the wheel over the graph for a step up or down and Ctrl+wheel for a narrower or
// wider span, and the same from the keyboard once the graph has the focus (click or Tab): the
// arrow keys move the axis, + and - narrow and widen it. The time view's axis stays the
// automatic one.
#include "analysis/chosen_axis.h"
#include "app/frm_axis.h"
#include "app/frm_main.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenu>

namespace terzlab::app {

namespace {

constexpr int kNotch = 120; // wheel angle of one notch, in eighths of a degree

} // namespace

void frmMain::buildAxisCommand() {
    mnuGraph = new QMenu(this);
    mnuAxis = mnuGraph->addAction(tr("&Achse einstellen ..."));
    mnuAxis->setObjectName(QStringLiteral("mnuAxis"));
    mnuSpecial->insertAction(mnuRange, mnuAxis);
    connect(mnuAxis, &QAction::triggered, this, [this] { mnuAxis_Click(); });
    const auto enable = [this] { mnuAxis->setEnabled(shownView() == View::Frequency); };
    connect(mnuSpecial, &QMenu::aboutToShow, this, enable);
    picGraph->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(picGraph, &QWidget::customContextMenuRequested, this, [this, enable](const QPoint& at) {
        enable();
        mnuGraph->popup(picGraph->mapToGlobal(at));
    });
    picGraph->setFocusPolicy(Qt::StrongFocus);
}

frmAxis* frmMain::mnuAxis_Click() {
    if (shownView() != View::Frequency) return nullptr;
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
    if (shownView() != View::Frequency) return;
    graph_.WheelRest += angleDelta;
    const int notches = graph_.WheelRest / kNotch;
    graph_.WheelRest -= notches * kNotch;
    stepAxis(notches, span);
}

bool frmMain::picGraph_KeyPress(int key) {
    struct AxisKey {
        int key;
        int notches;
        bool span;
    };
    static constexpr AxisKey kKeys[] = {{Qt::Key_Up, 1, false},   {Qt::Key_Down, -1, false},
                                        {Qt::Key_Plus, 1, true},  {Qt::Key_Minus, -1, true},
                                        {Qt::Key_Equal, 1, true}, {Qt::Key_Underscore, -1, true}};
    if (shownView() != View::Frequency) return false;
    for (const AxisKey& k : kKeys) {
        if (k.key != key) continue;
        stepAxis(k.notches, k.span);
        return true;
    }
    return false;
}

void frmMain::stepAxis(int notches, bool span) {
    if (notches == 0) return;
    chooseAxis(span ? ScaleAxis(run_.Range, notches) : ShiftAxis(run_.Range, notches));
}

} // namespace terzlab::app
