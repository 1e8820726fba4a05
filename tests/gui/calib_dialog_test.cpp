// The calibration dialogs on the main window and the virtual card: judging a calibration
// measurement from its band values and last transform, the calibration dialog driving the run,
// and the distance and level corrections dialog.
#include "calibration/frm_calib.h"
#include "calibration/frm_calib_check.h"
#include "calibration/frm_level.h"
#include "gui_fixture.h"
#include "support/wav_file.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QTest>

#include <cmath>
#include <numbers>
#include <tuple>

namespace terzlab::test {

namespace {

using calibration::CalibProblem;
using calibration::frmCalib;
using calibration::frmLevel;
using platform::MsgAnswer;

// The check of a 1 kHz sine (band 80) whose band values lie at -90 dB but for its peak.
calibration::CalibCheckResult checkPeak(int peak, const FftState* fft = nullptr) {
    BandState bands;
    BuildBandTable(bands, {.BlockSize = 16384});
    std::vector<double> values(static_cast<size_t>(bands.Table.LastBand) + 1, -90.0);
    values[static_cast<size_t>(peak)] = -6.02;
    return calibration::CheckCalibration(
        {.BandValue = values,
         .BandFreq = bands.Table.BandFreq,
         .LastBand = bands.Table.LastBand,
         .fft = fft,
         .expectedFrequency = calibration::ExpectedCalibFrequency(false, 1, 44100)});
}

TEST(CalibCheck, PeakMayLieOneBandBesideTheExpectedOneAndDeviationNeedsABinAboveTheFloor) {
    for (const int peak : {79, 80, 81, 82}) {
        const auto result = checkPeak(peak);
        EXPECT_EQ(result.problem, peak == 82 ? CalibProblem::Peak : CalibProblem::None) << peak;
        EXPECT_EQ(result.text.find("NICHT") != std::string::npos, peak == 82) << peak;
    }
    EXPECT_EQ(checkPeak(82).text, "Der Maximalwert von -6.02 dB tritt NICHT in der erwarteten\r\n"
                                  "1/12 Oktave mit der Mittenfrequenz von 1000 Hz auf!");
    FftState fft{
        .BlockSize = 16384, .FftRe = std::vector(16384, 0.0f), .FftIm = std::vector(16384, 0.0f)};
    fft.FftRe[100] = 1e-9f; // power 1e-18: below the floor
    EXPECT_EQ(checkPeak(80, &fft).text.find("Frequenzabweichung"), std::string::npos);
    fft.FftRe[364] = 0.25f; // the left channel's bin nearest 980 Hz
    EXPECT_NE(checkPeak(80, &fft).text.find("auf!\r\n\r\nDie Frequenzabweichung beträgt -0.02 %"),
              std::string::npos);
}

// A main window on the virtual card with the generator's calibration sines in its folder. A
// calibration measures a sine of known voltage, not a loudspeaker in a room: the bench wires it
// without the room and the suspension's stiffening, which are on.
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
    EXPECT_EQ(enabledNames({dialog->cmdStartCalib, dialog->cmdEnd}), "cmdStartCalib cmdEnd");
    EXPECT_FALSE(window->cmdStart->isEnabled());
    dialog->cmdOK->click();

    dialog->optLevel[0]->click();
    measure(MsgAnswer::Ok);
    EXPECT_EQ(instructionPages, (std::vector<int>{25, 25})); // at every start
    EXPECT_EQ(bench().playLog().front(), sine("Sin_1000_100.wav").toStdString());
    EXPECT_NEAR(dialog->AcceptedLevel(), -6.02, 0.005);

    // A refused voltage keeps the focus and no value; 10 V and then 1 V are 20 and 0 dBV.
    const auto channel = static_cast<size_t>(dialog->channel());
    const double level = dialog->AcceptedLevel();
    const std::pair<const char*, double> voltages[] = {
        {"10.01", 0.0}, {"0.0009", 0.0},      {"", 0.0},
        {".", 0.0},     {"10", 20.0 - level}, {"1", -level}};
    for (const auto& [volts, calib] : voltages) {
        dialog->txtVolt->setText(QString::fromLatin1(volts));
        dialog->cmdEnd->setFocus();
        dialog->cmdOK->click();
        EXPECT_DOUBLE_EQ(window->settings().CalibValue[channel], calib) << volts;
        EXPECT_TRUE(calib != 0.0 || dialog->focusWidget() == dialog->txtVolt) << volts;
    }
    // The same measurement shown as the spectrum shows it outside a calibration.
    window->run().CalibrationRun = false;
    window->hooks.GetDbRange(false);
    EXPECT_NEAR(window->bands().BandValue[80], 0.0, 0.005);
    window->run().CalibrationRun = true;

    dialog->cmdEnd->click();
    EXPECT_TRUE(dialog.isNull() || !dialog->isVisible());
    EXPECT_DOUBLE_EQ(window->settings().CalibValue[channel], -level);
    expectBoxesAsGolden();
}

// The dialog forces its own display settings, warns of each fault of the signal (the boxes: a
// second harmonic too strong, then a clean sine) and, closed without an accepted value, says so
// and gives the main window back as it was (further boxes are the main window's own reactions to
// the restored selections).
TEST_F(CalibDialogTest, WarningsForTheSignalAndAFailedCalibrationRestoresTheMainWindow) {
    choose(window->cmbDisplay, 0);
    choose(window->cmbFreqRes, 0);
    platform::setChecked(window->chkAvgType, false);
    choose(window->cmbAvgCnt, 1);
    const auto shown = [this] {
        return std::tuple(window->cmbDisplay->currentIndex(), window->cmbFreqRes->currentIndex(),
                          window->chkAvgType->isChecked(), window->cmbAvgCnt->currentIndex(),
                          window->fft().WindowType, window->cmdStart->isEnabled(),
                          window->cmbMeasType->isEnabled(), window->cmbMeasType->currentIndex());
    };
    const auto before = shown();
    ASSERT_EQ(before, std::tuple(0, 0, false, 1, kWindowUniform, true, true, 0));
    open();
    EXPECT_EQ(shown(), std::tuple(1, 2, true, 2, kWindowHanning, false, false, 0));

    for (const double k2Db : {25.0, 35.0}) { // each result box answered with Abbruch
        replaceSine(k2Db);
        measure(MsgAnswer::Cancel);
    }
    EXPECT_EQ(dialog->AcceptedLevel(), 0.0) << "nothing accepted";
    EXPECT_FALSE(window->cmbMeasType->isEnabled()) << "the type is locked while it calibrates";

    dialog->cmdEnd->click();
    expectBoxesAsGolden();
    EXPECT_EQ(shown(), before);
    EXPECT_FALSE(window->run().CalibrationRun);
}

TEST_F(CalibDialogTest, CancellingTheSummaryDiscardsBothChannels) {
    window->settings().CalibValue = {1.5, -2.25};
    choose(window->cmbMeasType, 1);
    open();
    EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(frmCalib::open(*window, boxes), dialog.data()); // one dialog at a time
    // The other two captions are checked with the locale in the dialog review.
    EXPECT_EQ(dialog->optFreq[0]->text() + " / " + dialog->optChan[1]->text(),
              "48.46 Hz / Re (-2.25dB)");
    EXPECT_EQ(enabledNames({dialog->optChan[0], dialog->optChan[1]}), "optChan_0 optChan_1");
    boxes.answerNext(MsgAnswer::Cancel);
    dialog->cmdEnd->click();
    expectBoxesAsGolden(); // the summary of both channels
    EXPECT_EQ(window->settings().CalibValue, (std::array<double, 2>{0.0, 0.0}));
    EXPECT_EQ(window->cmbMeasType->currentIndex(), 1);
}

class LevelDialogTest : public GuiTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(load());
        window->run().MeasValid = true; // a spectrum on hand: OK redraws it with the new offset
        window->hooks.DisplaySpec = [this](bool computeNew) { redraws += computeNew ? 100 : 1; };
        dialog = frmLevel::open(*window, boxes);
        dialog->activateWindow();
        platform::letEventsRun();
    }

    // Types into an emptied field and moves on to the next field, as the tab key does.
    void enter(QLineEdit* field, const QString& keys) {
        field->setFocus(Qt::TabFocusReason);
        field->clear();
        QTest::keyClicks(field, keys);
        QLineEdit* next = field == dialog->txtSens[0] ? dialog->txtDist[0] : dialog->txtSens[0];
        next->setFocus(Qt::TabFocusReason);
        platform::letEventsRun();
    }
    QString total() const { return dialog->txtSens[1]->text(); }

    QPointer<frmLevel> dialog;
    int redraws = 0;
};

// Opens with its note (at every opening); the total follows each valid field, an invalid field
// keeps the focus, and "Abbruch" leaves the corrections as they were.
TEST_F(LevelDialogTest, TotalFollowsValidFieldsAndAbbruchLeavesTheCorrections) {
    EXPECT_EQ(QStringList({dialog->txtDist[0]->text(), dialog->txtLevel[1]->text(), total()}),
              QStringList({"100.0", "2.83", "33.50"}));
    EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const auto before = window->settings().LevelCorr;
    // Each entry: the field, the keys typed, what the field then shows, the total (null: not
    // checked) and whether refused; a refused value keeps the focus and the total stays as it
    // was. The keys: one point, a comma becomes it, a minus only first and only in the offset.
    const std::tuple<QLineEdit*, const char*, const char*, const char*, bool> entries[] = {
        {dialog->txtLevel[1], "1.415", "1.415", "39.52", false},
        {dialog->txtLevel[1], "2.83", "2.83", "33.50", false},
        {dialog->txtDist[1], "50", "50", "27.48", false},
        {dialog->txtDist[1], "999.9", "999.9", "53.50", false},
        {dialog->txtDist[1], "1000", "1000", "53.50", true},
        {dialog->txtDist[1], "100", "100", "33.50", false},
        {dialog->txtLevel[1], "0.001", "0.001", "102.54", false},
        {dialog->txtLevel[1], "0.0009", "0.0009", "102.54", true},
        {dialog->txtLevel[0], "1,5,3-", "1.53", nullptr, false},
        {dialog->txtSens[0], "-1-2", "-12", nullptr, false},
        {dialog->txtSens[0], "3-", "3", nullptr, false}};
    for (const auto& [field, typed, shows, sum, refused] : entries) {
        enter(field, QString::fromLatin1(typed));
        EXPECT_EQ(field->text(), QString::fromLatin1(shows)) << typed;
        if (!sum) continue;
        EXPECT_EQ(total(), QString::fromLatin1(sum)) << typed;
        EXPECT_EQ(QApplication::focusWidget() == field, refused) << typed;
    }

    dialog->cmdCancel->click();
    platform::letEventsRun();
    EXPECT_EQ(std::pair(dialog.isNull(), redraws), std::pair(true, 0)) << "closed, not redrawn";
    EXPECT_EQ(window->settings().LevelCorr, before);
    frmLevel::open(*window, boxes)->close();
    expectBoxesAsGolden(); // the note, once at each opening
}

TEST_F(LevelDialogTest, OkChecksTheFieldStillBeingTypedAndStoresOnlyValidValues) {
    const auto before = window->settings().LevelCorr;
    dialog->txtDist[1]->setFocus(Qt::TabFocusReason);
    dialog->txtDist[1]->setText("1000");
    dialog->cmdOK->click();
    platform::letEventsRun();
    ASSERT_TRUE(dialog) << "kept open";
    EXPECT_EQ(dialog->focusWidget(), dialog->txtDist[1]);
    EXPECT_EQ(window->settings().LevelCorr, before);

    dialog->txtDist[1]->setText("200");
    dialog->txtSens[0]->setText("-10,5");
    dialog->cmdOK->click();
    platform::letEventsRun();
    EXPECT_TRUE(dialog.isNull());
    const auto& stored = window->settings().LevelCorr;
    EXPECT_EQ(std::tuple(stored[1], stored[4], stored[5], redraws),
              std::tuple(200.0, -10.5, -4.48, 1));
}

} // namespace

} // namespace terzlab::test
