// The calibration dialog driving the main window's run on the virtual card.
#include "calib_fixture.h"
#include "calibration/frm_calib.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace terzlab::test {

namespace {

using calibration::frmCalib;
using platform::MsgAnswer;
using platform::MsgIcon;

const QString kNotSuppressedK2 =
    QStringLiteral("Die 2. Harmonische ist um weniger als 30 dB unterdrückt (k2>3%)!");

class CalibDialogTest : public CalibTest {
  protected:
    frmCalib* open() { return dialog = frmCalib::open(*window, boxes); }

    // One calibration measurement, answering its result box (and the notice after an OK).
    const platform::RecordedBox& measure(MsgAnswer answer) {
        boxes.clear();
        boxes.answerNext(answer);
        dialog->cmdStartCalib->click();
        EXPECT_FALSE(boxes.boxes().empty());
        return boxes.boxes().front();
    }

    QPointer<frmCalib> dialog;
};

TEST_F(CalibDialogTest, AcceptedOneVoltSineGetsItsCalibValueAndThenReadsZeroDecibels) {
    window->settings().LevelCorr[5] = 0.0;
    open();
    const auto& result = measure(MsgAnswer::Ok);
    EXPECT_EQ(result.title, QStringLiteral("Info:"));
    EXPECT_EQ(result.icon, MsgIcon::Information);
    EXPECT_TRUE(result.text.startsWith(
        QStringLiteral("Der Maximalwert von -6.02 dB tritt in der erwarteten\r\n"
                       "1/12 Oktave mit der Mittenfrequenz von 1000 Hz auf!")))
        << result.text.toStdString();
    EXPECT_TRUE(result.text.endsWith(QStringLiteral("Die Frequenzabweichung beträgt -0.02 %")));
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[1].title, QStringLiteral("Hinweis:"));
    EXPECT_EQ(instructionPages, std::vector<int>{25});
    EXPECT_EQ(bench().playLog().front(), programFile("Sin_1000_100.wav").toStdString());
    EXPECT_NEAR(dialog->AcceptedLevel(), -6.02, 0.005);

    dialog->txtVolt->setText(QStringLiteral("1"));
    dialog->cmdOK->click();
    const int channel = dialog->channel();
    const double calib = window->settings().CalibValue[static_cast<size_t>(channel)];
    EXPECT_DOUBLE_EQ(calib, -dialog->AcceptedLevel());
    // The same measurement shown as the spectrum shows it outside a calibration.
    window->run().CalibrationRun = false;
    window->hooks.GetDbRange(false);
    EXPECT_NEAR(window->bands().BandValue[80], 0.0, 0.005);
    window->run().CalibrationRun = true;

    boxes.clear();
    dialog->cmdEnd->click();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    const char* side = channel == 0 ? "linken" : "rechten";
    EXPECT_TRUE(boxes.boxes()[0].text.startsWith(
        QStringLiteral("Kalibrierwert für den %1 Kanal ist 6.02 dB\r\n").arg(side)));
    EXPECT_TRUE(dialog.isNull() || !dialog->isVisible());
    EXPECT_DOUBLE_EQ(window->settings().CalibValue[static_cast<size_t>(channel)], calib);
}

TEST_F(CalibDialogTest, SecondHarmonicTwentyFiveDecibelsDownWarnsThirtyFiveDoesNot) {
    open();
    writeSineWav(programFile("Sin_1000_100.wav"), 45, {0.9, 0.9 * std::pow(10.0, -25.0 / 20)});
    const auto warned = measure(MsgAnswer::Cancel);
    EXPECT_EQ(warned.title, QStringLiteral("Warnung:"));
    EXPECT_EQ(warned.icon, MsgIcon::Exclamation);
    EXPECT_TRUE(warned.text.contains(kNotSuppressedK2));
    EXPECT_TRUE(warned.text.endsWith(
        QStringLiteral("\r\n\r\nMit <OK> wird die Kalibrierung akzeptiert, mit <Abbruch> "
                       "verworfen!")));
    EXPECT_EQ(dialog->AcceptedLevel(), 0.0);

    writeSineWav(programFile("Sin_1000_100.wav"), 45, {0.9, 0.9 * std::pow(10.0, -35.0 / 20)});
    const auto clean = measure(MsgAnswer::Cancel);
    EXPECT_EQ(clean.title, QStringLiteral("Info:"));
    EXPECT_FALSE(clean.text.contains(QStringLiteral("Harmonische")));
}

TEST_F(CalibDialogTest, ClosingAfterAFailedCalibrationRestoresTheMainWindow) {
    platform::selectListIndex(window->cmbDisplay, 0);
    platform::selectListIndex(window->cmbFreqRes, 0);
    platform::setChecked(window->chkAvgType, false);
    platform::selectListIndex(window->cmbAvgCnt, 1);
    ASSERT_EQ(window->fft().WindowType, kWindowUniform);
    open();
    EXPECT_EQ(window->cmbDisplay->currentIndex(), 1);
    EXPECT_EQ(window->cmbFreqRes->currentIndex(), 2);
    EXPECT_TRUE(window->chkAvgType->isChecked());
    EXPECT_EQ(window->cmbAvgCnt->currentIndex(), 2);
    EXPECT_EQ(window->fft().WindowType, kWindowHanning);
    EXPECT_FALSE(window->cmdStart->isEnabled());

    writeSineWav(programFile("Sin_1000_100.wav"), 39, {0.5}); // 1131 Hz: band 82
    const auto result = measure(MsgAnswer::Cancel);
    EXPECT_EQ(result.title, QStringLiteral("Warnung:"));
    EXPECT_TRUE(result.text.contains(QStringLiteral(" dB tritt NICHT in der erwarteten")));
    EXPECT_FALSE(window->cmbMeasType->isEnabled()); // locked while the dialog calibrates

    boxes.clear();
    dialog->cmdEnd->click();
    // Further boxes are the main window's own reactions to the restored selections.
    ASSERT_FALSE(boxes.boxes().empty());
    EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("Die Kalibrierung war nicht erfolgreich!"));
    EXPECT_EQ(window->cmbMeasType->currentIndex(), 0);
    EXPECT_EQ(window->cmbDisplay->currentIndex(), 0);
    EXPECT_EQ(window->cmbFreqRes->currentIndex(), 0);
    EXPECT_FALSE(window->chkAvgType->isChecked());
    EXPECT_EQ(window->cmbAvgCnt->currentIndex(), 1);
    EXPECT_EQ(window->fft().WindowType, kWindowUniform);
    EXPECT_FALSE(window->run().CalibrationRun);
    EXPECT_TRUE(window->cmdStart->isEnabled());
    EXPECT_TRUE(window->cmbMeasType->isEnabled());
}

TEST_F(CalibDialogTest, CancellingTheSummaryDiscardsBothChannels) {
    window->settings().CalibValue = {1.5, -2.25};
    platform::selectListIndex(window->cmbMeasType, 1);
    open();
    EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(frmCalib::open(*window, boxes), dialog.data()); // one dialog at a time
    EXPECT_EQ(dialog->optFreq[0]->text(), QStringLiteral("48,46 Hz"));
    EXPECT_EQ(dialog->optFreq[1]->text(), QStringLiteral("980,0 Hz"));
    EXPECT_EQ(dialog->optChan[0]->text(), QStringLiteral("Li   (1.50dB)"));
    EXPECT_EQ(dialog->optChan[1]->text(), QStringLiteral("Re (-2.25dB)"));
    EXPECT_TRUE(dialog->optChan[0]->isEnabled() && dialog->optChan[1]->isEnabled());
    boxes.answerNext(MsgAnswer::Cancel);
    dialog->cmdEnd->click();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text,
              QStringLiteral("Kalibrierwert für den linken Kanal ist 1.50 dB\r\n"
                             "Kalibrierwert für den rechten Kanal ist -2.25 dB\r\n\r\n"
                             "Mit <OK> wird die Kalibrierung übernommen, mit <Abbruch> "
                             "verworfen!"));
    EXPECT_EQ(window->settings().CalibValue, (std::array<double, 2>{0.0, 0.0}));
    EXPECT_EQ(window->cmbMeasType->currentIndex(), 1);
}

// A start that measured nothing leaves nothing to accept: the values of an earlier run are not
// judged as this measurement.
TEST_F(CalibDialogTest, VoltOkNeedsAnAcceptedMeasurementAndAVoltageInRange) {
    open();
    dialog->optLevel[1]->click();
    QFile::remove(programFile("Sin_1000_010.wav"));
    dialog->cmdStartCalib->click();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("Datei ") + programFile("Sin_1000_010.wav") +
                                         QStringLiteral(" nicht gefunden, Messung abgebrochen!"));
    EXPECT_TRUE(dialog->cmdStartCalib->isEnabled() && dialog->cmdEnd->isEnabled());
    EXPECT_FALSE(window->cmdStart->isEnabled());
    boxes.clear();
    dialog->cmdOK->click();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text,
              QStringLiteral("Es liegt keine akzeptierte Kalibrierung für diesen Kanal vor!"));
    dialog->optLevel[0]->click();
    measure(MsgAnswer::Ok);
    const auto channel = static_cast<size_t>(dialog->channel());
    for (const char* refused : {"10.01", "0.0009", "", "."}) {
        dialog->txtVolt->setText(QString::fromLatin1(refused));
        dialog->cmdEnd->setFocus();
        dialog->cmdOK->click();
        EXPECT_EQ(window->settings().CalibValue[channel], 0.0) << refused;
        EXPECT_EQ(dialog->focusWidget(), dialog->txtVolt) << refused;
    }
    dialog->txtVolt->setText(QStringLiteral("10"));
    dialog->cmdOK->click();
    EXPECT_DOUBLE_EQ(window->settings().CalibValue[channel], 20.0 - dialog->AcceptedLevel());
}

} // namespace

} // namespace terzlab::test
