#pragma once
// The swept-sine measurement's fields beside the main window: the sweep (f1, f2, length, level,
// repetitions), the gate (before and after the arrival, window shape), the view and the drawn
// response's smoothing. The dialog knows the measurement it belongs to only through SweepHost.
#include "display/scene.h"
#include "files/settings.h"

#include <QCoreApplication>
#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace terzlab::app {

class SweepHost {
  public:
    virtual ~SweepHost() = default;
    // Another view or unit was chosen: the graph shows it.
    virtual void sweepViewChanged() = 0;
    // A gate field was left with a new value: the measured response is gated again.
    virtual void sweepGateChanged() = 0;
};

class frmSweep final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(frmSweep)

  public:
    frmSweep(SweepHost& host, const SweepFields& fields, QWidget* parent);

    // The fields as typed; nothing, and the reason in `error`, when one is no number or lies
    // outside its range.
    std::optional<SweepFields> fields(QString& error) const;
    SweepView view() const;
    // The drawn response's smoothing, 1/n octave.
    int smoothing() const;
    bool distortionInDb() const;
    // While a sweep runs, the sweep's fields wait; the gate and the view stay free.
    void lockSweep(bool locked);

    QLineEdit* txtF1 = nullptr;
    QLineEdit* txtF2 = nullptr;
    QComboBox* cmbLength = nullptr;
    QLineEdit* txtLevel = nullptr;
    QSpinBox* spnRepeat = nullptr;
    QLineEdit* txtGatePre = nullptr;
    QLineEdit* txtGateLength = nullptr;
    QComboBox* cmbGateWindow = nullptr;
    QCheckBox* chkLoopback = nullptr;
    QComboBox* cmbView = nullptr;
    QComboBox* cmbSmoothing = nullptr;
    QComboBox* cmbDistortionUnit = nullptr;

  private:
    void gateEdited();
    SweepHost& host_;
    QString lastGate_;
};

} // namespace terzlab::app
