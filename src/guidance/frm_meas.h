#pragma once
// The instruction dialog shown before a run. For now it carries its confirm button only; it
// sets DialogPage to -1 when it closes, which releases the waiting run.
#include "app/dialog_state.h"

#include <QDialog>

class QPushButton;

namespace terzlab::guidance {

class frmMeas final : public QDialog {
  public:
    explicit frmMeas(app::DialogState& dialogs, QWidget* parent = nullptr);

    void cmdOK_Click();

    QPushButton* cmdOK = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    app::DialogState& dialogs_;
};

} // namespace terzlab::guidance
