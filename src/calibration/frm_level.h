#pragma once
// The distance and level corrections: target and actual distance and drive voltage and a manual
// offset give the one total offset the spectrum adds to every band. Fields reach LevelCorr only
// through "OK".
#include <QCoreApplication>
#include <QDialog>

#include <QString>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

#include "calibration/calibration_host.h"

namespace terzlab::platform {
class MessageService;
}

namespace terzlab::calibration {

class frmLevel final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(frmLevel)

  public:
    frmLevel(CalibrationHost& host, platform::MessageService& messages, QWidget* parent = nullptr);

    // Creates the dialog over the host's window, fills and shows it, and shows its note.
    static frmLevel* open(CalibrationHost& host, platform::MessageService& messages);

    void Form_Load();
    void txtDist_LostFocus(int index);
    void txtLevel_LostFocus(int index);
    void txtSens_LostFocus(int index);
    void txtSens_Change(int index);
    void cmdOK_Click();
    void cmdCancel_Click();

    std::array<QLineEdit*, 2> txtDist{};
    std::array<QLineEdit*, 2> txtLevel{};
    std::array<QLineEdit*, 2> txtSens{};
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // ESC and the window's close box cancel, as "Abbruch" does.
    void reject() override { cmdCancel_Click(); }
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildLayout();
    void buildPair(const QString& title, std::array<QLineEdit*, 2>& fields, const char* name,
                   int top, const std::array<QString, 2>& captions);
    void connectHandlers();
    // Field exit: a valid value recomputes the total, an invalid one keeps the focus.
    bool leaveField(QLineEdit* field, double minimum, double maximum);
    QLineEdit* firstInvalidField() const;
    bool recomputeTotal();
    void finish(bool redraw);

    CalibrationHost& host_;
    platform::MessageService& messages_;
    bool finishing_ = false;
};

} // namespace terzlab::calibration
