// Judging a calibration measurement from its band values and last transform, and the
// calibration dialog driving the main window's run on the virtual card.
#include "analysis/bands.h"
#include "calibration/frm_calib.h"
#include "calibration/frm_calib_check.h"
#include "gui_fixture.h"
#include "support/wav_file.h"

#include <QFile>
#include <QPointer>

#include <cmath>
#include <numbers>
#include <tuple>

namespace terzlab::test {

namespace {

using calibration::CalibProblem;
using calibration::frmCalib;
using platform::MsgAnswer;

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
        useProgramStimuli({"Sin_1000_100.wav", "Sin_1000_010.wav"});
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
    void measure(MsgAnswer answer) {
        boxes.answerNext(answer);
        dialog->cmdStartCalib->click();
    }

    QPointer<frmCalib> dialog;
};

// A start that measured nothing leaves nothing to accept; an accepted 1 kHz sine gets its
// calibration value from the voltage typed, and the spectrum then reads that voltage. The boxes:
// the missing file, nothing to accept, the result with its frequency deviation, the notice to
// type the voltage, the summary.
TEST_F(CalibDialogTest, AcceptedSineGetsItsCalibValueFromTheVoltageInRange) {
    window->settings().LevelCorr[5] = 0.0;
    open();
    dialog->optLevel[1]->click();
    QFile::remove(sine("Sin_1000_010.wav"));
    dialog->cmdStartCalib->click();
    EXPECT_TRUE(dialog->cmdStartCalib->isEnabled() && dialog->cmdEnd->isEnabled());
    EXPECT_FALSE(window->cmdStart->isEnabled());
    dialog->cmdOK->click();

    dialog->optLevel[0]->click();
    measure(MsgAnswer::Ok);
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
    dialog->txtVolt->setText("10");
    dialog->cmdOK->click();
    EXPECT_DOUBLE_EQ(window->settings().CalibValue[channel], 20.0 - dialog->AcceptedLevel());
    dialog->txtVolt->setText("1");
    dialog->cmdOK->click();
    const double calib = window->settings().CalibValue[channel];
    EXPECT_DOUBLE_EQ(calib, -dialog->AcceptedLevel());
    // The same measurement shown as the spectrum shows it outside a calibration.
    window->run().CalibrationRun = false;
    window->hooks.GetDbRange(false);
    EXPECT_NEAR(window->bands().BandValue[80], 0.0, 0.005);
    window->run().CalibrationRun = true;

    dialog->cmdEnd->click();
    EXPECT_TRUE(dialog.isNull() || !dialog->isVisible());
    EXPECT_DOUBLE_EQ(window->settings().CalibValue[channel], calib);
    expectBoxesAsGolden();
}

// The dialog forces its own display settings, warns of each fault of the signal (the boxes: a
// second harmonic too strong, then a clean sine) and, closed without an accepted value, says so
// and gives the main window back as it was (further boxes are the main window's own reactions to
// the restored selections).
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
    measure(MsgAnswer::Cancel);
    EXPECT_EQ(dialog->AcceptedLevel(), 0.0);
    replaceSine(35.0);
    measure(MsgAnswer::Cancel);
    EXPECT_FALSE(window->cmbMeasType->isEnabled()); // locked while the dialog calibrates

    dialog->cmdEnd->click();
    expectBoxesAsGolden();
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
    EXPECT_EQ(dialog->optFreq[0]->text(), "48.46 Hz");
    EXPECT_EQ(dialog->optChan[1]->text(), "Re (-2.25dB)");
    EXPECT_TRUE(dialog->optChan[0]->isEnabled() && dialog->optChan[1]->isEnabled());
    boxes.answerNext(MsgAnswer::Cancel);
    dialog->cmdEnd->click();
    expectBoxesAsGolden(); // the summary of both channels
    EXPECT_EQ(window->settings().CalibValue, (std::array<double, 2>{0.0, 0.0}));
    EXPECT_EQ(window->cmbMeasType->currentIndex(), 1);
}

} // namespace

} // namespace terzlab::test
