#include "calibration/frm_calib.h"

#include "analysis/fft.h"
#include "calibration/frm_calib_check.h"
#include "files/numbers.h"
#include "platform/message_service.h"
#include "platform/numeric_input.h"
#include "platform/services.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace terzlab::calibration {

using platform::CheckRange;
using platform::HoldField;
using platform::NumericKeyFilter;
using platform::RangeHint;
using platform::ReadFieldNumber;
using platform::ReleaseField;
using platform::UserDecimalSeparator;

namespace {

using platform::MsgAnswer;
using platform::MsgButtons;
using platform::MsgIcon;

constexpr double kMinVolts = 0.001;
constexpr double kMaxVolts = 10.0;

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// A number as the user reads it: the file notation with the locale's decimal separator.
QString shown(const std::string& fileText) {
    return fromUtf8(WithSeparator(fileText, UserDecimalSeparator()));
}

} // namespace

frmCalib::frmCalib(CalibrationHost& host, platform::MessageService& messages, QWidget* parent)
    : QDialog(parent), host_(host), messages_(messages) {
    setObjectName(QStringLiteral("frmCalib"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildLayout();
    connectHandlers();
    // Kept above the main window, whose graph the user watches while calibrating.
    platform::makeTopmost(this);
}

frmCalib* frmCalib::open(CalibrationHost& host, platform::MessageService& messages) {
    QWidget* main = host.dialogParent();
    // A second copy would save the settings the first one has already changed.
    for (QDialog* child : main->findChildren<QDialog*>()) {
        auto* existing = dynamic_cast<frmCalib*>(child);
        if (!existing || !existing->isVisible()) continue;
        existing->raise();
        existing->activateWindow();
        return existing;
    }
    auto* dialog = new frmCalib(host, messages, main);
    dialog->Form_Load();
    dialog->show();
    return dialog;
}

void frmCalib::buildLayout() {
    setWindowTitle(tr("Pegelkalibrierung"));
    setFixedSize(420, 250);
    cmdStartCalib = new QPushButton(QStringLiteral("Start"), this);
    cmdStartCalib->setObjectName(QStringLiteral("cmdStartCalib"));
    cmdStartCalib->setToolTip(tr("Startet die Messung"));
    cmdStartCalib->setGeometry(12, 208, 120, 30);
    cmdOK = new QPushButton(QStringLiteral("Volt OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setToolTip(tr("Weist der letzten OK-Messung die aktuelle Spannung zu"));
    cmdOK->setGeometry(150, 208, 120, 30);
    cmdEnd = new QPushButton(tr("Ende"), this);
    cmdEnd->setObjectName(QStringLiteral("cmdEnd"));
    cmdEnd->setGeometry(288, 208, 120, 30);
    for (QPushButton* button : {cmdStartCalib, cmdOK, cmdEnd})
        button->setAutoDefault(false);
    fraVolt = new QGroupBox(tr("Spannung"), this);
    fraVolt->setGeometry(12, 112, 190, 80);
    txtVolt = new QLineEdit(QStringLiteral("0.1"), fraVolt);
    txtVolt->setObjectName(QStringLiteral("txtVolt"));
    txtVolt->setGeometry(12, 32, 100, 26);
    NumericKeyFilter::attach(txtVolt, false);
    lblVolt = new QLabel(QStringLiteral("Volt"), fraVolt);
    lblVolt->setGeometry(120, 32, 60, 26);
    buildOptions();
}

void frmCalib::buildOptions() {
    fraChan = new QGroupBox(tr("Kanal (Kal-Wert)"), this);
    fraChan->setGeometry(12, 8, 190, 96);
    for (int i = 0; i < 2; ++i) {
        optChan[i] = new QRadioButton(fraChan);
        optChan[i]->setObjectName(QStringLiteral("optChan_%1").arg(i));
        optChan[i]->setGeometry(12, 26 + 32 * i, 170, 26);
    }
    fraLevel = new QGroupBox(tr("Pegel"), this);
    fraLevel->setGeometry(218, 8, 190, 112);
    const char* levels[] = {"100% (Line)", "  10% (Line, Mic)", "    1% (Mic)"};
    for (int i = 0; i < 3; ++i) {
        optLevel[i] = new QRadioButton(QString::fromUtf8(levels[i]), fraLevel);
        optLevel[i]->setObjectName(QStringLiteral("optLevel_%1").arg(i));
        optLevel[i]->setGeometry(12, 24 + 28 * i, 170, 26);
    }
    optLevel[0]->setChecked(true);
    fraFreq = new QGroupBox(tr("Frequenz"), this);
    fraFreq->setGeometry(218, 124, 190, 76);
    for (int i = 0; i < 2; ++i) {
        optFreq[i] =
            new QRadioButton(i == 0 ? QStringLiteral("50 Hz") : QStringLiteral("1000 Hz"), fraFreq);
        optFreq[i]->setObjectName(QStringLiteral("optFreq_%1").arg(i));
        optFreq[i]->setGeometry(12, 22 + 26 * i, 170, 24);
    }
    optFreq[1]->setChecked(true);
}

void frmCalib::connectHandlers() {
    connect(cmdStartCalib, &QPushButton::clicked, this, [this] { cmdStartCalib_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdEnd, &QPushButton::clicked, this, [this] { cmdEnd_Click(); });
    for (int i = 0; i < 2; ++i)
        connect(optChan[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) optChan_Click(i);
        });
}

bool frmCalib::testCd() const {
    return host_.testCdPlayback();
}

int frmCalib::freqOption() const {
    return optFreq[0]->isChecked() ? 0 : 1;
}

int frmCalib::levelOption() const {
    for (int i = 0; i < 3; ++i)
        if (optLevel[i]->isChecked()) return i;
    return 0;
}

void frmCalib::Form_Load() {
    captionOptions();
    host_.beginCalibration();
}

void frmCalib::captionOptions() {
    if (testCd()) {
        optFreq[1]->setChecked(true);
        optFreq[0]->setEnabled(false);
        for (QRadioButton* option : optLevel)
            option->setEnabled(false);
    } else {
        const double rate = host_.sampleRate();
        optFreq[0]->setText(shown(FormatFrequency(rate / 910.0, true)) + " Hz");
        optFreq[1]->setText(shown(FormatFrequency(rate / 45.0, true)) + " Hz");
    }
    // The run measures the main window's channel; a one-channel measurement can therefore
    // only calibrate that channel.
    const int mainChannel = host_.activeChannel() == 1 ? 1 : 0;
    optChan[mainChannel]->setChecked(true);
    if (host_.measuresOneChannel()) optChan[1 - mainChannel]->setEnabled(false);
    const auto& calib = host_.calibValues();
    optChan[0]->setText(tr("Li   (%1dB)").arg(shown(FormatValue(calib[0], "0.00"))));
    optChan[1]->setText(tr("Re (%1dB)").arg(shown(FormatValue(calib[1], "0.00"))));
    channel_ = mainChannel;
}

void frmCalib::optChan_Click(int index) {
    channel_ = index;
}

void frmCalib::setButtonsEnabled(bool enabled) {
    for (QPushButton* button : {cmdStartCalib, cmdOK, cmdEnd})
        button->setEnabled(enabled);
}

void frmCalib::cmdStartCalib_Click() {
    if (measuring_) return;
    measuring_ = true;
    setButtonsEnabled(false);
    const QPointer<frmCalib> alive(this);
    host_.measureCalibration({channel_, freqOption(), levelOption()}, [alive](bool measured) {
        if (!alive) return;
        if (measured) alive->evaluate();
        alive->setButtonsEnabled(true);
        alive->measuring_ = false;
    });
}

void frmCalib::evaluate() {
    const CalibSpectrum spectrum = host_.calibrationSpectrum();
    const int32_t rate = host_.sampleRate();
    CalibCheckInputs in;
    in.BandValue = spectrum.BandValue;
    in.BandFreq = spectrum.BandFreq;
    in.LastBand = spectrum.LastBand;
    in.fft = spectrum.fft;
    in.channel = channel_;
    in.SampleRate = rate;
    in.expectedFrequency = ExpectedCalibFrequency(testCd(), freqOption(), rate);
    in.DecimalSeparator = UserDecimalSeparator();
    const CalibCheckResult result = CheckCalibration(in);
    calibMax_ = result.CalibMax;
    MsgAnswer answer;
    if (result.problem != CalibProblem::None) {
        answer = messages_.show(
            fromUtf8(result.text) + QStringLiteral("\r\n\r\n") +
                tr("Mit <OK> wird die Kalibrierung akzeptiert, mit <Abbruch> verworfen!"),
            MsgButtons::OkCancel, MsgIcon::Exclamation, tr("Warnung:"));
    } else {
        answer = messages_.show(fromUtf8(result.text), MsgButtons::OkCancel, MsgIcon::Information,
                                QStringLiteral("Info:"));
    }
    if (answer != MsgAnswer::Ok) return;
    acceptedLevel_ = calibMax_;
    messages_.show(tr("Geben Sie nun die Anregungsspannung ins Feld 'Spannung' ein\r\n"
                      "und drücken Sie die 'Volt OK'-Taste um der aktuellen "
                      "Kalibriermessung\r\neine bekannte Spannung zuzuweisen!"),
                   MsgButtons::Ok, MsgIcon::Exclamation, tr("Hinweis:"));
}

void frmCalib::cmdOK_Click() {
    if (acceptedLevel_ == 0.0) {
        messages_.show(tr("Es liegt keine akzeptierte Kalibrierung für diesen Kanal vor!"),
                       MsgButtons::Ok, MsgIcon::Exclamation, tr("Warnung:"));
        return;
    }
    const auto volts = ReadFieldNumber(txtVolt->text());
    if (!volts || !CheckRange(txtVolt->text(), kMinVolts, kMaxVolts)) {
        txtVolt->setFocus();
        HoldField(txtVolt, RangeHint(kMinVolts, kMaxVolts), [] { return true; });
        return;
    }
    ReleaseField(txtVolt);
    host_.calibValues()[static_cast<size_t>(channel_)] = 20.0 * std::log10(*volts) - acceptedLevel_;
}

void frmCalib::cmdEnd_Click() {
    hide();
    auto& calib = host_.calibValues();
    QString summary;
    const char* lines[] = {
        QT_TRANSLATE_NOOP("frmCalib", "Kalibrierwert für den linken Kanal ist %1 dB"),
        QT_TRANSLATE_NOOP("frmCalib", "Kalibrierwert für den rechten Kanal ist %1 dB")};
    for (size_t channel = 0; channel < 2; ++channel) {
        if (calib[channel] == 0.0) continue;
        summary += tr(lines[channel]).arg(shown(FormatValue(calib[channel], "0.00"))) +
                   QStringLiteral("\r\n");
    }
    if (!summary.isEmpty()) {
        const MsgAnswer answer = messages_.show(
            summary + QStringLiteral("\r\n") +
                tr("Mit <OK> wird die Kalibrierung übernommen, mit <Abbruch> verworfen!"),
            MsgButtons::OkCancel, MsgIcon::Information, QStringLiteral("Info:"));
        if (answer != MsgAnswer::Ok) calib = {0.0, 0.0};
    } else {
        messages_.show(tr("Die Kalibrierung war nicht erfolgreich!"), MsgButtons::Ok,
                       MsgIcon::Exclamation, QStringLiteral("Info:"));
    }
    close();
}

void frmCalib::closeEvent(QCloseEvent* event) {
    // Closing in the middle of the measurement would pull the dialog away under the run.
    if (measuring_) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void frmCalib::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    host_.endCalibration();
}

} // namespace terzlab::calibration
