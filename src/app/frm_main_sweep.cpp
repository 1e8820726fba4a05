// The window's side of the swept-sine measurement (SweepWindowHost): its capture format and run
// bookkeeping for the sweep's run, its graph for the sweep's plot, and the curves it has applied.
#include "app/frm_main.h"

#include "app/sweep_controller.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace terzlab::app {

bool frmMain::sweepType() const {
    return sweep_->typeChosen();
}

void frmMain::keepSweepFields(const SweepFields& fields) {
    settings_.Sweep = fields;
}

const audio::WaveFormat& frmMain::newCaptureFormat() {
    fillCaptureFormat();
    return CaptureFormat;
}

void frmMain::beginSweepRun() {
    for (QLabel* label : lblOVL)
        label->hide();
    running_ = true;
    capturedParts_ = 1;
    run_.MeasValid = false;
    mnuFileSaveAs->setEnabled(false);
    LabelShow(true);
}

void frmMain::showSweepStatus(const QString& text) {
    cmdStart->setText(text);
}

void frmMain::stopSweepRun() {
    LabelShow(false);
    endPhase(RunPhase::Idle);
}

void frmMain::showClipped(int channel) {
    lblOVL[static_cast<std::size_t>(channel)]->show();
    capturedParts_ = 0;
}

void frmMain::setResultValid(bool valid) {
    run_.MeasValid = valid;
}

void frmMain::drawEmptyFrame() {
    DisplayInit(true);
}

void frmMain::drawPlot(const PlotScene& scene) {
    fitSurfaces();
    DrawPlot(picGraph->Surface(), windowPic_, frameInputs().Graph,
             QLocale().decimalPoint().toStdString(), scene);
    picGraph->update();
    centralWidget()->update();
}

QSize frmMain::graphSize() const {
    return picGraph->size();
}

const CorrectionCurve* frmMain::appliedSensorCurve() const {
    return curveApplied(kSensorSlot) ? &dispOct_.Curves[kSensorSlot] : nullptr;
}

const CorrectionCurve* frmMain::shownComparison() const {
    return chkLoaded[kComparisonSlot]->isChecked() ? &dispOct_.Curves[kComparisonSlot] : nullptr;
}

std::vector<MeasurementRow> frmMain::savedRows(const MeasurementHeader& header) const {
    if (!sweepType()) return SelHost::savedRows(header);
    return sweep_->savedRows();
}

} // namespace terzlab::app
