#pragma once
// The instructions shown before a run: how to wire the sound card for the chosen mode, the
// ground-loop warning, the wiring sketch and, for impedance, the series resistor. Closing it
// in any way confirms it and sets DialogPage to -1, which releases the waiting run.
#include "analysis/types.h"
#include "guidance/dialog_state.h"

#include <QCoreApplication>
#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace terzlab::platform {
class QtPicture;
}

namespace terzlab::guidance {

class SketchView;

// The measurement the instructions are for.
struct InstructionSubject {
    MeasType Type = MeasType::LevelOneChannel;
    int16_t ActiveChannel = 0;
    int16_t ImpedancePart = 0;
    float* SeriesResistor = nullptr; // shown, and set when the dialog is confirmed
};

class frmMeas final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(frmMeas)

  public:
    // The dialog reads the mode from DialogPage and the measurement from the subject, whose
    // series resistor receives the confirmed value.
    frmMeas(DialogState& dialogs, InstructionSubject subject, QWidget* parent = nullptr);

    // False when the resistor is refused: the dialog stays open with the focus in the field.
    bool cmdOK_Click();
    int mode() const { return mode_; }
    platform::QtPicture& sketch();

    QLabel* lblMain = nullptr;
    QLabel* lblValue = nullptr;
    QLineEdit* txtValue = nullptr;
    QCheckBox* chkImp = nullptr;
    QCheckBox* chkXchan = nullptr;
    QPushButton* cmdOK = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    void buildLayout();
    void showMode();
    void fitText();
    void drawSketch();
    bool confirm();

    DialogState& dialogs_;
    InstructionSubject subject_;
    SketchView* sketch_ = nullptr;
    int page_ = -1;
    int mode_ = -1;
    bool confirmed_ = false;
};

} // namespace terzlab::guidance
