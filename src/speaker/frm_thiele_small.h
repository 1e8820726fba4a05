#pragma once
// The Thiele-Small parameters of the loudspeaker whose impedance curve is on screen, fitted to
// the whole resonance region, with the added-mass method for Mms, Cms, Bl and Vas. The fitted
// model is drawn over the measurement while the dialog is open.
#include "speaker/speaker_host.h"

#include "files/ts_table.h"

#include <QCoreApplication>
#include <QDialog>

#include <array>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace terzlab::platform {
class MessageService;
}

namespace terzlab::speaker {

// The number fields, in the order the dialog shows them.
enum Field { kFieldRe, kFieldMass, kFieldSd, kFieldDiameter, kFieldCount };

class frmThieleSmall final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(frmThieleSmall)

  public:
    frmThieleSmall(SpeakerHost& host, platform::MessageService& messages, QWidget* parent);

    // Shows the dialog over the host's window (the one already open comes to the front) and
    // fits the curve on screen.
    static frmThieleSmall* open(SpeakerHost& host, platform::MessageService& messages);
    // Fits the curve on screen again in an open dialog of the window, after a run has left a new
    // one: its table never shows the figures of a curve that has gone.
    static void refreshOpen(QWidget* parent);

    // Fits the curve on screen with the fields' values: the table, the fit quality and the
    // model curve, or the reason there is none.
    void cmdCompute_Click();
    // Picks the measurement with the added mass in the file dialog and reads it.
    void cmdLoadMass_Click();
    // Reads the measurement with the added mass and fits again; false when it was refused
    // (a box has said why).
    bool loadMassFile(const QString& path);
    // The table as text on the clipboard.
    void cmdCopy_Click();

    QLabel* lblSource = nullptr;
    QTableWidget* tblParams = nullptr;
    QLabel* lblQuality = nullptr;
    QLabel* lblNote = nullptr; // why there are no figures, or what is missing for more
    std::array<QLineEdit*, kFieldCount> txtField{};
    QLabel* lblMassFile = nullptr;
    QPushButton* cmdLoadMass = nullptr;
    QPushButton* cmdCompute = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdClose = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    struct Inputs {
        std::array<std::optional<double>, kFieldCount> values;
        std::optional<double> sdCm2;
    };

    void buildLayout();
    std::optional<Inputs> readFields();
    void showRows(const std::vector<TsRow>& rows);
    void refuse(const QString& reason);
    QString massNote(const Inputs& in, const DriverModel& free, MovingMass& mass) const;

    SpeakerHost& host_;
    platform::MessageService& messages_;
    std::optional<ImpedanceCurve> massCurve_;
    QString heading_;
    std::vector<TsRow> rows_;
};

} // namespace terzlab::speaker
