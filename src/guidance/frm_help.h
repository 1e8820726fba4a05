#pragma once
// The small message dialog of the guidance: the information window at start-up (page 0) and
// the short notes of the run. It reads its page from DialogPage when it opens and sets
// DialogPage to -1 when it closes.
#include "app/dialog_state.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace terzlab::guidance {

class frmHelp final : public QDialog {
  public:
    explicit frmHelp(app::DialogState& dialogs, QWidget* parent = nullptr);

    void cmdOK_Click();

    QPushButton* cmdOK = nullptr;
    QLabel* imgIcon = nullptr;
    QLabel* lblBigText = nullptr;
    QLabel* lblNormText = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildLayout();
    void showPage(int page);
    void finish();

    app::DialogState& dialogs_;
    int page_ = -1;
    bool finished_ = false;
};

} // namespace terzlab::guidance
