// The cursor readout under the graph: value and abscissa under the mouse pointer.
#include "app/frm_main.h"

#include "app/sweep_controller.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLocale>

namespace terzlab::app {

CursorInputs frmMain::cursorInputs() const {
    CursorInputs in;
    in.Width = picGraph->width();
    in.Height = picGraph->height();
    in.Shown = shownView();
    in.Type = settings_.Type;
    in.Range = run_.Range;
    in.SampleRate = settings_.SampleRate;
    in.BlockSize = run_.BlockSize;
    in.ImpedancePart = measurement_.Part();
    in.MeasValid = resultOnHand();
    in.ComparisonChecked = chkLoaded[kComparisonSlot]->isChecked();
    in.DecimalSeparator = QLocale().decimalPoint().toStdString();
    return in;
}

void frmMain::showCursor(const CursorUpdate& update) {
    switch (update.Do) {
    case CursorUpdate::Action::Unchanged:
        return;
    case CursorUpdate::Action::Hide:
        lblCursor->hide();
        unsetCursor();
        return;
    case CursorUpdate::Action::Show:
        if (update.Caption) lblCursor->setText(QString::fromStdString(*update.Caption));
        lblCursor->show();
        setCursor(Qt::CrossCursor);
        return;
    }
}

void frmMain::picGraph_MouseMove(float X, float Y) {
    graph_.PointerAt = std::pair(X, Y);
    if (sweepType()) return sweep_->showCursor(X, Y);
    showCursor(CursorReadout(X, Y, true, cursorInputs()));
    followPointer(X);
}

void frmMain::Form_MouseMove(float X, float Y) {
    graph_.PointerAt.reset();
    showCursor(CursorReadout(X, Y, false, cursorInputs()));
    followPointer(std::nullopt);
}

// The graph changed under a resting pointer (another type, view or part, a result cleared or
// measured): both readouts say what the graph shows now, or nothing, never what it showed.
void frmMain::refreshReadouts() {
    if (graph_.PointerAt && !lblCursor->isHidden()) {
        const auto [x, y] = *graph_.PointerAt;
        const CursorUpdate update = CursorReadout(x, y, true, cursorInputs());
        showCursor(update.Do == CursorUpdate::Action::Unchanged
                       ? CursorUpdate{CursorUpdate::Action::Hide, std::nullopt}
                       : update);
    }
    showCurveValues();
}

} // namespace terzlab::app
