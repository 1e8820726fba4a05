#pragma once
// The small message dialog of the guidance: the information window at start-up (page 0), the
// general notes, the overload warning and the manual start of the measurement CD's signals.
// It reads its page from DialogPage when it opens and sets DialogPage to -1 when it closes.
#include "guidance/dialog_state.h"

#include <QCoreApplication>
#include <QDialog>

class QLabel;
class QPushButton;

namespace terzlab::guidance {

class frmHelp final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(frmHelp)

  public:
    // calibrationLowSine: the calibration dialog has chosen its low sine (page 15 names it).
    explicit frmHelp(DialogState& dialogs, QWidget* parent = nullptr,
                     bool calibrationLowSine = false);

    void cmdOK_Click();
    int page() const { return page_; }

    QPushButton* cmdOK = nullptr;
    QLabel* imgIcon = nullptr;
    QLabel* lblBigText = nullptr;
    QLabel* lblNormText = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;
    // ESC closes like the window's frame, so the waiting caller is released either way.
    void reject() override;

  private:
    void buildLayout();
    void showPage(bool calibrationLowSine);
    void showInformation();
    void fitToTexts();
    void finish();

    DialogState& dialogs_;
    int page_ = -1;
    bool finished_ = false;
};

} // namespace terzlab::guidance
