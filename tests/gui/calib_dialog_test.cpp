// Judging a calibration measurement from its band values and last transform, and the
// calibration dialog driving the main window's run on the virtual card.
#include "analysis/bands.h"
#include "calibration/frm_calib.h"
#include "calibration/frm_calib_check.h"
#include "gui_fixture.h"
#include "support/wav_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <numbers>
#include <tuple>

namespace terzlab::test {

namespace {

using calibration::CalibProblem;
using calibration::frmCalib;
using platform::MsgAnswer;
using platform::MsgIcon;

class CalibCheckTest : public ::testing::Test {
  protected:
    void SetUp() override {
        BuildBandTable(bands, {44100, 16384, 0});
        values.assign(static_cast<size_t>(bands.Table.LastBand) + 1, -90.0);
    }

    calibration::CalibCheckResult check(const FftState* fft = nullptr) {
        calibration::CalibCheckInputs in;
        in.BandValue = values;
        in.BandFreq = bands.Table.BandFreq;
        in.LastBand = bands.Table.LastBand;
        in.fft = fft;
        in.expectedFrequency = calibration::ExpectedCalibFrequency(false, 1, 44100);
        return calibration::CheckCalibration(in);
    }

    BandState bands;
    std::vector<double> values;
};

TEST_F(CalibCheckTest, PeakMayLieOneBandBesideTheExpectedOne) {
    // The 1 kHz sine's band is 80.
    for (const int peak : {79, 80, 81, 82}) {
        SetUp();
        values[static_cast<size_t>(peak)] = -6.02;
        const auto result = check();
        EXPECT_EQ(result.problem, peak == 82 ? CalibProblem::Peak : CalibProblem::None) << peak;
        if (peak == 82)
            EXPECT_EQ(result.text, "Der Maximalwert von -6.02 dB tritt NICHT in der erwarteten\r\n"
                                   "1/12 Oktave mit der Mittenfrequenz von 1000 Hz auf!");
        else
            EXPECT_EQ(result.text.find("NICHT"), std::string::npos) << peak;
    }
}

TEST_F(CalibCheckTest, DeviationLineNeedsABinAboveTheFloor) {
    values[80] = -6.0;
    FftState fft;
    fft.BlockSize = 16384;
    fft.FftRe.assign(16384, 0.0f);
    fft.FftIm.assign(16384, 0.0f);
    fft.FftRe[100] = 1e-9f; // power 1e-18: below the floor
    EXPECT_EQ(check(&fft).text.find("Frequenzabweichung"), std::string::npos);
    fft.FftRe[364] = 0.25f; // the left channel's bin nearest 980 Hz
    const auto result = check(&fft);
    EXPECT_NE(result.text.find("auf!\r\n\r\nDie Frequenzabweichung beträgt -0.02 %"),
              std::string::npos);
}

// A main window on the virtual card with the generator's calibration sines in its folder.
class CalibDialogTest : public GuiTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(load());
        for (const char* name : {"Sin_1000_100.wav", "Sin_1000_010.wav"}) {
            const QString from = QStringLiteral(TERZLAB_BIN_DIR "/") + QString::fromLatin1(name);
            ASSERT_TRUE(QFile::copy(from, sine(name)));
            QFile::setPermissions(sine(name), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
    }
    QString sine(const char* name) const { return filePath(QString::fromLatin1(name)); }
    // The full-scale sine replaced by a looped 980 Hz one at 0.9 of full scale whose second
    // harmonic lies `k2Db` below it.
    void replaceSine(double k2Db) {
        std::vector<int16_t> samples(45 * 200 * 2);
        for (size_t i = 0; i < samples.size() / 2; ++i) {
            const double phase = 2.0 * std::numbers::pi * double(i) / 45.0;
            const double x =
                0.9 * (std::sin(phase) + std::pow(10.0, -k2Db / 20) * std::sin(2 * phase));
            samples[2 * i] = samples[2 * i + 1] = static_cast<int16_t>(std::lround(x * 32767.0));
        }
        writeWav(sine("Sin_1000_100.wav").toStdString(), samples);
    }
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

// A start that measured nothing leaves nothing to accept; an accepted 1 kHz sine gets its
// calibration value from the voltage typed, and the spectrum then reads that voltage.
TEST_F(CalibDialogTest, AcceptedSineGetsItsCalibValueFromTheVoltageInRange) {
    window->settings().LevelCorr[5] = 0.0;
    open();
    dialog->optLevel[1]->click();
    QFile::remove(sine("Sin_1000_010.wav"));
    dialog->cmdStartCalib->click();
    expectLastBox(1,
                  QStringLiteral("Datei ") + sine("Sin_1000_010.wav") +
                      QStringLiteral(" nicht gefunden, Messung abgebrochen!"),
                  QStringLiteral("Fehler"));
    EXPECT_TRUE(dialog->cmdStartCalib->isEnabled() && dialog->cmdEnd->isEnabled());
    EXPECT_FALSE(window->cmdStart->isEnabled());
    dialog->cmdOK->click();
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[1].text,
              QStringLiteral("Es liegt keine akzeptierte Kalibrierung für diesen Kanal vor!"));

    dialog->optLevel[0]->click();
    const auto& result = measure(MsgAnswer::Ok);
    EXPECT_EQ(result.title, QStringLiteral("Info:"));
    EXPECT_EQ(result.icon, MsgIcon::Information);
    EXPECT_TRUE(result.text.startsWith(
        QStringLiteral("Der Maximalwert von -6.02 dB tritt in der erwarteten\r\n"
                       "1/12 Oktave mit der Mittenfrequenz von 1000 Hz auf!")))
        << result.text.toStdString();
    EXPECT_TRUE(result.text.endsWith(QStringLiteral("Die Frequenzabweichung beträgt -0.02 %")));
    expectLastBox(2,
                  QStringLiteral("Geben Sie nun die Anregungsspannung ins Feld 'Spannung' ein\r\n"
                                 "und drücken Sie die 'Volt OK'-Taste um der aktuellen "
                                 "Kalibriermessung\r\neine bekannte Spannung zuzuweisen!"),
                  QStringLiteral("Hinweis:"));
    EXPECT_EQ(instructionPages, (std::vector<int>{25, 25})); // at every start
    EXPECT_EQ(bench().playLog().front(), sine("Sin_1000_100.wav").toStdString());
    EXPECT_NEAR(dialog->AcceptedLevel(), -6.02, 0.005);

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
    dialog->txtVolt->setText(QStringLiteral("1"));
    dialog->cmdOK->click();
    const double calib = window->settings().CalibValue[channel];
    EXPECT_DOUBLE_EQ(calib, -dialog->AcceptedLevel());
    // The same measurement shown as the spectrum shows it outside a calibration.
    window->run().CalibrationRun = false;
    window->hooks.GetDbRange(false);
    EXPECT_NEAR(window->bands().BandValue[80], 0.0, 0.005);
    window->run().CalibrationRun = true;

    boxes.clear();
    dialog->cmdEnd->click();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_TRUE(boxes.boxes()[0].text.startsWith(
        QStringLiteral("Kalibrierwert für den %1 Kanal ist 6.02 dB\r\n")
            .arg(channel == 0 ? "linken" : "rechten")));
    EXPECT_TRUE(dialog.isNull() || !dialog->isVisible());
    EXPECT_DOUBLE_EQ(window->settings().CalibValue[channel], calib);
}

// The dialog forces its own display settings, warns of each fault of the signal and, closed
// without an accepted value, gives the main window back as it was.
TEST_F(CalibDialogTest, WarningsForTheSignalAndAFailedCalibrationRestoresTheMainWindow) {
    platform::selectListIndex(window->cmbDisplay, 0);
    platform::selectListIndex(window->cmbFreqRes, 0);
    platform::setChecked(window->chkAvgType, false);
    platform::selectListIndex(window->cmbAvgCnt, 1);
    const auto shown = [this] {
        return std::tuple(window->cmbDisplay->currentIndex(), window->cmbFreqRes->currentIndex(),
                          window->chkAvgType->isChecked(), window->cmbAvgCnt->currentIndex(),
                          window->fft().WindowType, window->cmdStart->isEnabled());
    };
    const auto before = shown();
    ASSERT_EQ(before, std::tuple(0, 0, false, 1, kWindowUniform, true));
    open();
    EXPECT_EQ(shown(), std::tuple(1, 2, true, 2, kWindowHanning, false));

    replaceSine(25.0);
    const auto warned = measure(MsgAnswer::Cancel);
    EXPECT_EQ(warned.title, QStringLiteral("Warnung:"));
    EXPECT_EQ(warned.icon, MsgIcon::Exclamation);
    EXPECT_TRUE(warned.text.contains(
        QStringLiteral("Die 2. Harmonische ist um weniger als 30 dB unterdrückt (k2>3%)!")));
    EXPECT_TRUE(warned.text.endsWith(
        QStringLiteral("\r\n\r\nMit <OK> wird die Kalibrierung akzeptiert, mit <Abbruch> "
                       "verworfen!")));
    EXPECT_EQ(dialog->AcceptedLevel(), 0.0);
    replaceSine(35.0);
    const auto clean = measure(MsgAnswer::Cancel);
    EXPECT_EQ(clean.title, QStringLiteral("Info:"));
    EXPECT_FALSE(clean.text.contains(QStringLiteral("Harmonische")));
    EXPECT_FALSE(window->cmbMeasType->isEnabled()); // locked while the dialog calibrates

    boxes.clear();
    dialog->cmdEnd->click();
    // Further boxes are the main window's own reactions to the restored selections.
    ASSERT_FALSE(boxes.boxes().empty());
    EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("Die Kalibrierung war nicht erfolgreich!"));
    EXPECT_EQ(shown(), before);
    EXPECT_FALSE(window->run().CalibrationRun);
    EXPECT_TRUE(window->cmbMeasType->isEnabled());
    EXPECT_EQ(window->cmbMeasType->currentIndex(), 0);
}

TEST_F(CalibDialogTest, CancellingTheSummaryDiscardsBothChannels) {
    window->settings().CalibValue = {1.5, -2.25};
    platform::selectListIndex(window->cmbMeasType, 1);
    open();
    EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(frmCalib::open(*window, boxes), dialog.data()); // one dialog at a time
    // The other two captions are checked with the locale in the dialog review.
    EXPECT_EQ(dialog->optFreq[0]->text(), QStringLiteral("48.46 Hz"));
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

} // namespace

} // namespace terzlab::test
