#pragma once
// The Thiele-Small parameters of the loudspeaker whose impedance curve is on screen, fitted with
// the lossy voice coil, with the added-mass method (one or two masses) for Mms, Cms, Bl and Vas,
// and the driver in a closed or vented box. The fitted model (or the driver's impedance in the
// box) is drawn over the measurement while the dialog is open; the box's predicted response on
// request. The dialog stays with the window for the session and keeps what was typed and loaded.
#include "speaker/speaker_host.h"

#include "analysis/box_design.h"
#include "files/ts_table.h"

#include <QCoreApplication>
#include <QDialog>

#include <array>
#include <optional>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace terzlab::platform {
class MessageService;
}

namespace terzlab::speaker {

// The number fields, in the order the dialog shows them; from kFieldVb on in the box's part.
enum Field {
    kFieldRe,
    kFieldMass,
    kFieldSd,
    kFieldDiameter,
    kFieldMass2,
    kFieldVb,
    kFieldFb,
    kFieldQl,
    kFieldCount
};

class frmThieleSmall final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(frmThieleSmall)

  public:
    frmThieleSmall(SpeakerHost& host, platform::MessageService& messages, QWidget* parent);

    // Shows the window's dialog (made on first use, then kept) over it and fits the curve on
    // screen.
    static frmThieleSmall* open(SpeakerHost& host, platform::MessageService& messages);
    // Fits the curve on screen again in an open dialog of the window, after a run has left a new
    // one: its table never shows the figures of a curve that has gone.
    static void refreshOpen(QWidget* parent);

    // Fits the curve on screen with the fields' values: the table, the fit quality and the
    // model curve, or the reason there is none.
    void cmdCompute_Click();
    // Picks the measurement with the first (0) or second (1) added mass and reads it.
    void cmdLoadMass_Click(int which = 0);
    // Reads a measurement with an added mass and fits again; false when it was refused (a box
    // has said why). The mass the file names fills the field.
    bool loadMassFile(const QString& path, int which = 0);
    // The inputs and the table as text on the clipboard.
    void cmdCopy_Click();
    // Puts the box's predicted response on the graph, or takes it off again.
    void cmdResponse_Click();

    QLabel* lblSource = nullptr;
    QTableWidget* tblParams = nullptr;
    QLabel* lblQuality = nullptr;
    QLabel* lblNote = nullptr; // why there are no figures, or what is missing for more
    std::array<QLineEdit*, kFieldCount> txtField{};
    std::array<QLabel*, 2> lblMassFile{};
    std::array<QPushButton*, 2> cmdLoadMass{};
    QRadioButton* optClosed = nullptr;
    QRadioButton* optVented = nullptr;
    QPushButton* cmdResponse = nullptr;
    QPushButton* cmdCompute = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdClose = nullptr;

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    struct Inputs {
        std::array<std::optional<double>, kFieldCount> values;
        std::optional<double> sdCm2;
    };
    struct MassResult {
        QString note; // what is missing or wrong; empty with a result
        std::optional<MovingMass> mass;
    };

    void buildLayout();
    void buildBoxPart(QGridLayout* grid, int row, int rows);
    std::optional<Inputs> readFields();
    void showRows(const std::vector<TsRow>& rows);
    void refuse(const QString& reason);
    MassResult massOf(const Inputs& in, const DriverModel& free) const;
    QStringList addBox(const Inputs& in, const ThieleSmallFit& fit, double vas,
                       std::vector<TsRow>& rows);
    std::string inputText() const;
    void showResponse(bool shown);

    SpeakerHost& host_;
    platform::MessageService& messages_;
    std::array<std::optional<ImpedanceCurve>, 2> massCurves_;
    QString heading_;
    std::vector<TsRow> rows_;
    ModelCurve response_; // of the box last computed; empty without one
    bool responseShown_ = false;
};

} // namespace terzlab::speaker
