// The cursor readout under the graph: value and abscissa under the mouse pointer.
#include "app/frm_main.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLocale>

namespace terzlab::app {

CursorInputs frmMain::cursorInputs() const {
    CursorInputs in;
    in.Width = picGraph->width();
    in.Height = picGraph->height();
    in.DisplayIndex = static_cast<int16_t>(cmbDisplay->currentIndex());
    in.MeasTypeIndex = settings_.MeasTypeIndex;
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
    if (sweepType()) return showSweepCursor(X, Y);
    showCursor(CursorReadout(X, Y, true, cursorInputs()));
    followPointer(X);
}

void frmMain::Form_MouseMove(float X, float Y) {
    showCursor(CursorReadout(X, Y, false, cursorInputs()));
    followPointer(std::nullopt);
}

} // namespace terzlab::app
