#pragma once
// The instructions shown before a run: how to wire the sound card for the chosen mode, the
// ground-loop warning, the wiring sketch and, for impedance, the series resistor. Closing it
// in any way confirms it and sets DialogPage to -1, which releases the waiting run.
#include "app/dialog_state.h"
#include "app/main_state.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace terzlab::app {
class frmMain;
}
namespace terzlab::platform {
class QtPicture;
}

namespace terzlab::guidance {

class SketchView;

class frmMeas final : public QDialog {
  public:
    // The dialog reads the mode from DialogPage; the type and the channel from the settings,
    // which also receive the confirmed series resistor.
    frmMeas(app::DialogState& dialogs, app::Settings& settings, const app::RunState& run,
            QWidget* parent = nullptr);
    // Over the main window, with its settings and run state.
    frmMeas(app::DialogState& dialogs, app::frmMain* main);

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

    app::DialogState& dialogs_;
    app::Settings& settings_;
    const app::RunState& run_;
    SketchView* sketch_ = nullptr;
    int page_ = -1;
    int mode_ = -1;
    bool confirmed_ = false;
};

} // namespace terzlab::guidance
