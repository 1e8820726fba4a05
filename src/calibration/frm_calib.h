#pragma once
// The level calibration dialog: measures a sine of known voltage through the main window's own
// run, judges the spectrum, and turns the typed voltage into the channel's calibration value.
// While it is open the main window is set up for the measurement; closing puts it back.
#include <QCoreApplication>
#include <QDialog>

#include <array>
#include <cstdint>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

#include "calibration/calibration_host.h"

namespace terzlab::platform {
class MessageService;
}

namespace terzlab::calibration {

class frmCalib final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(frmCalib)

  public:
    frmCalib(CalibrationHost& host, platform::MessageService& messages, QWidget* parent = nullptr);

    // Creates the dialog over the host's window, sets the window up and shows it.
    static frmCalib* open(CalibrationHost& host, platform::MessageService& messages);

    void Form_Load();
    void cmdStartCalib_Click();
    void cmdOK_Click();
    void cmdEnd_Click();
    void optChan_Click(int index);

    double CalibMax() const { return calibMax_; }
    double AcceptedLevel() const { return acceptedLevel_; }
    int channel() const { return channel_; }

    QPushButton* cmdStartCalib = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdEnd = nullptr;
    QGroupBox* fraChan = nullptr;
    std::array<QRadioButton*, 2> optChan{};
    QGroupBox* fraVolt = nullptr;
    QLineEdit* txtVolt = nullptr;
    QLabel* lblVolt = nullptr;
    QGroupBox* fraLevel = nullptr;
    std::array<QRadioButton*, 3> optLevel{};
    QGroupBox* fraFreq = nullptr;
    std::array<QRadioButton*, 2> optFreq{};

  protected:
    void closeEvent(QCloseEvent* event) override;
    // ESC belongs to the run (it stops the measurement); it must not close the dialog.
    void reject() override {}

  private:
    void buildLayout();
    void buildOptions();
    void connectHandlers();
    void captionOptions();
    void Form_Unload();
    void setButtonsEnabled(bool enabled);
    bool measure();
    void evaluate();
    bool testCd() const;
    int freqOption() const;
    int levelOption() const;

    CalibrationHost& host_;
    platform::MessageService& messages_;
    double calibMax_ = -999.99;
    double acceptedLevel_ = 0.0;
    int channel_ = 0;
    bool measuring_ = false;
    bool unloaded_ = false;
};

} // namespace terzlab::calibration
