// The sweep type on the virtual card: a whole measurement through the window, its views, files
// and refusals.
#include "gui_fixture.h"

#include "analysis/meas_type.h"
#include "app/sweep_controller.h"
#include "app/sweep_session.h"
#include "platform/numeric_input.h"
#include "sound_file/float_sound.h"

#include <QListWidget>
#include <QSpinBox>
#include <QTest>

#include <cmath>

namespace terzlab::test {
namespace {

// The bench's loudspeaker path: the sound's way to the microphone, heard at 44.1 kHz.
constexpr int kDelayFrames = 441;
constexpr double kDelayMs = 10.0;

class SweepTest : public GuiTest {
  protected:
    // The type comes from the settings file, as a user who measured sweeps last time finds it.
    void SetUp() override {
        app::Settings stored;
        stored.Type = MeasType::Sweep;
        ASSERT_TRUE(load({}, stored));
        audio::BenchSettings s = bench().settings();
        s.acousticDelayMs = kDelayMs;
        bench().setSettings(s);
        ASSERT_NE(w().sweep().dialog(), nullptr);
        ASSERT_TRUE(w().sweep().dialog()->isVisible());
        dialog().cmbLength->setCurrentIndex(0); // 2^15 samples: quick on virtual time
        dialog().spnRepeat->setValue(2);
        // The gate ends before the floor's reflection (3.5 ms after the direct sound).
        dialog().txtGateLength->setText(QStringLiteral("3"));
        emit dialog().txtGateLength->editingFinished();
    }
    app::frmMain& w() { return *window; }
    app::frmSweep& dialog() { return *w().sweep().dialog(); }
    std::vector<QString> boxTexts() {
        std::vector<QString> texts;
        for (const platform::RecordedBox& box : boxes.boxes())
            texts.push_back(box.text);
        boxes.clear();
        return texts;
    }
};

// The level at 1 kHz of the 1/12-octave rows: the bench's gain (0.5) where its box and top
// roll-offs have no say.
double levelAt1k(const std::vector<MeasurementRow>& rows) {
    for (const MeasurementRow& row : rows)
        if (std::fabs(row.Freq - 1000.0) < 30.0) return row.Value;
    return -999.0;
}

// Arrival, gate and response as the bench makes them, a sensor curve taken off; saved, the
// response comes back as a comparison curve; the impulse response, FRD, distortion CSV and picture
// are written.
TEST_F(SweepTest, MeasuresTheBenchAndSavesAComparisonCurveAndItsExports) {
    w().cmdStart->click(); // on virtual time the run has ended when the click returns
    EXPECT_TRUE(boxTexts().empty());
    const app::SweepMeasured* m = w().sweep().measured();
    ASSERT_TRUE(m != nullptr && m->HasResponse());
    EXPECT_NEAR(m->Result.DelayMs, kDelayMs, 0.1);
    EXPECT_NEAR(m->Result.GateLowHz, 1000.0 / 3.0, 1e-9);
    EXPECT_EQ(bench().playingFile(), "");
    EXPECT_TRUE(w().cmdStart->isEnabled() && w().mnuFileSaveAs->isEnabled());
    EXPECT_EQ(w().cmdStart->text(), "&Starte Messung");
    const std::vector<MeasurementRow> rows = w().savedRows(w().measurementHeader());
    ASSERT_FALSE(rows.empty());
    EXPECT_GE(rows.front().Freq, m->Result.GateLowHz);
    EXPECT_NEAR(levelAt1k(rows), 20.0 * std::log10(0.5), 0.3);
    // A sensor curve in use comes off the response, as off the bands of a level measurement.
    StoredCurve& sensor = w().dispOct().Curves[kSensorSlot];
    sensor.CurveLoaded = 1;
    sensor.CurveType = kCurveSensor;
    sensor.CurveAmp.fill(3.0f);
    w().chkLoaded[kSensorSlot]->setEnabled(true);
    w().chkLoaded[kSensorSlot]->setChecked(true);
    EXPECT_NEAR(levelAt1k(w().savedRows(w().measurementHeader())), levelAt1k(rows) - 3.0, 0.01);
    w().chkLoaded[kSensorSlot]->setChecked(false);
    // So do the level offsets: the microphone channel's calibration and the total correction
    // over its start.
    const auto mic = static_cast<std::size_t>(w().settings().ActiveChannel & 1);
    w().calibValues()[mic] = 10.0;
    w().levelCorrections()[5] += 2.0;
    EXPECT_NEAR(levelAt1k(w().savedRows(w().measurementHeader())), levelAt1k(rows) + 12.0, 0.01);
    w().calibValues()[mic] = 0.0;
    w().levelCorrections()[5] -= 2.0;

    openFileDialog(app::sel::kSave).txtInfo[0]->setText(QStringLiteral("Vela_sweep"));
    fileDialog->cmdDisp_Click();
    openFileDialog(app::sel::kComparison);
    for (QListWidgetItem* row : fileDialog->Liste1->findItems("Vela_sweep", Qt::MatchStartsWith))
        row->setSelected(true);
    fileDialog->cmdDisp_Click();
    const StoredCurve& curve = w().dispOct().Curves[kComparisonSlot];
    ASSERT_EQ(curve.CurveLoaded, 1);
    EXPECT_EQ(curve.CurveType, kCurveLevel);
    for (int i = 0; i < curve.CurveCount; ++i) {
        if (std::fabs(curve.CurveFreq[i] - 1000.0f) < 30.0f) {
            EXPECT_NEAR(curve.CurveAmp[i], levelAt1k(rows), 0.01);
        }
    }

    // The group delay at the smoothing chosen, which the settings keep: with the arrival's
    // delay removed, what is left in the midrange is the loudspeaker's own, well under 10 ms.
    choose(dialog().cmbSmoothing, dialog().cmbSmoothing->findData(3));
    choose(dialog().cmbView, static_cast<int>(SweepView::GroupDelay));
    EXPECT_EQ(w().settings().Sweep.Smoothing, 3);
    const PlotScene delay = SweepSceneFor({.View = dialog().view(),
                                           .Result = &m->Result,
                                           .Shape = m->Shape,
                                           .GateSettings = m->GateSettings,
                                           .Smoothing = dialog().smoothing()});
    ASSERT_EQ(delay.Y.Unit, "ms");
    const PlotCurve& gated = delay.Curves.back();
    for (std::size_t i = 0; i < gated.X.size(); ++i) {
        if (gated.X[i] >= 1000 && gated.X[i] <= 5000) {
            EXPECT_NEAR(gated.Y[i], 0.0, 0.5) << gated.X[i] << " Hz";
        }
    }

    w().sweep().exportTo(filePath("ir.wav"));
    w().sweep().exportTo(filePath("gated.frd"));
    w().sweep().exportTo(filePath("k.csv"));
    choose(dialog().cmbView, static_cast<int>(SweepView::Distortion));
    w().saveGraphTo(filePath("k.png"), false);
    EXPECT_TRUE(boxTexts().empty());
    sound_file::FloatReadFault fault{};
    std::string reason;
    const auto ir = sound_file::readFloatSound(filePath("ir.wav").toStdString(), fault, reason);
    ASSERT_TRUE(ir.has_value()) << reason;
    const std::vector<float> samples = ir->Channel(0);
    const auto peak = std::max_element(samples.begin(), samples.end(), [](float a, float b) {
        return std::fabs(a) < std::fabs(b);
    });
    EXPECT_NEAR(static_cast<double>(peak - samples.begin()), kDelayFrames, 3.0);
    EXPECT_EQ(contents("gated.frd").rfind("* Terzlab-Sweep", 0), 0u);
    EXPECT_EQ(contents("k.csv").rfind("frequency_hz,k2_percent", 0), 0u);
    EXPECT_EQ(contents("k.png").substr(1, 3), "PNG");
}

// With the loopback in the other input the card's level drops out: the bench's gain no longer
// shows at 1 kHz, and the arrival is the loudspeaker path's alone.
TEST_F(SweepTest, WithTheLoopbackTheRecordedOverThePlayedSignalIsTheDevicesOwn) {
    w().optChannel[0]->click(); // the bench's transfer wiring: the response left, the drive right
    dialog().chkLoopback->setChecked(true);
    w().cmdStart->click();
    const app::SweepMeasured* m = w().sweep().measured();
    ASSERT_TRUE(m != nullptr && m->HasResponse()) << boxTexts().front().toStdString();
    EXPECT_NEAR(m->Result.DelayMs, kDelayMs, 0.1);
    EXPECT_NEAR(levelAt1k(w().savedRows(w().measurementHeader())), 0.0, 0.3);
}

// The gate's end taken with the mouse in the impulse response and let go 8 ms after the arrival:
// the field says so and the response is gated there (its lowest frequency 125 Hz).
TEST_F(SweepTest, TheGateEndDraggedWithTheMouseGatesThere) {
    w().cmdStart->click();
    choose(dialog().cmbView, static_cast<int>(SweepView::Impulse));
    const app::SweepMeasured& m = *w().sweep().measured();
    const PlotScene scene = SweepSceneFor({.View = SweepView::Impulse,
                                           .Result = &m.Result,
                                           .Shape = m.Shape,
                                           .GateSettings = m.GateSettings});
    const double width = w().picGraph->width();
    const auto pixel = [&](double ms) {
        return QPoint(static_cast<int>(std::lround(PlotX(scene.X, ms, width))), 50);
    };
    const double arrivalMs = m.Result.ArrivalAt.Sample * 1000.0 / m.Shape.SampleRate;
    QTest::mousePress(w().picGraph, Qt::LeftButton, {}, pixel(arrivalMs + 3.0));
    QTest::mouseMove(w().picGraph, pixel(arrivalMs + 8.0));
    QTest::mouseRelease(w().picGraph, Qt::LeftButton, {}, pixel(arrivalMs + 8.0));
    const double msPerPixel = (scene.X.To - scene.X.From) / width;
    EXPECT_NEAR(platform::ReadFieldNumber(dialog().txtGateLength->text()).value_or(0), 8.0,
                msPerPixel);
    EXPECT_NEAR(w().sweep().measured()->Result.GateLowHz, 125.0, 125.0 * msPerPixel / 8.0 + 0.1);
    EXPECT_TRUE(boxTexts().empty());
}

// A field that is no number, a sweep the rate cannot carry, the test CD as the output, a clipped
// recording and a gate reaching into the harmonics each say why, in a box; nothing is played for
// the first three, ESC stops the sweep without a word, the clipped one leaves no result, and the
// refused gate keeps the impulse response but offers no response to save.
TEST_F(SweepTest, BadFieldsAndARefusedGateSayWhy) {
    dialog().txtF1->setText(QStringLiteral("zehn"));
    w().cmdStart->click();
    dialog().txtF1->setText(QStringLiteral("10"));
    dialog().txtF2->setText(QStringLiteral("30000"));
    w().cmdStart->click();
    choose(w().cmbWavOutDev, w().run().TestCdIndex);
    w().cmdStart->click();
    choose(w().cmbWavOutDev, 0);
    const std::vector<QString> refusals = boxTexts();
    ASSERT_EQ(refusals.size(), 3u);
    EXPECT_TRUE(refusals[0].startsWith("Startfrequenz: \"zehn\" ist kein gültiger Wert."));
    EXPECT_TRUE(refusals[1].startsWith("Die Frequenzen müssen"));
    EXPECT_TRUE(refusals[2].startsWith("Der Sweep wird vom Programm abgespielt"));
    EXPECT_TRUE(bench().playLog().empty());

    dialog().txtF2->setText(QStringLiteral("20000"));
    keys.onAsk = [] { return true; }; // ESC: the sweep stops at its first step, quietly
    w().cmdStart->click();
    keys.onAsk = [] { return false; };
    EXPECT_EQ(std::tuple(w().sweep().measured() == nullptr, bench().playingFile(),
                         boxTexts().size(), w().isRunning()),
              std::tuple(true, "", 0u, false));
    EXPECT_EQ(w().cmdStart->text(), "&Starte Messung");
    setGain(8.0);
    w().cmdStart->click();
    EXPECT_EQ(boxTexts(), std::vector<QString>{"Die Aufnahme ist übersteuert. Bitte den Pegel "
                                               "verringern."});
    EXPECT_TRUE(w().sweep().measured() == nullptr && w().lblOVL[1]->isVisible());
    setGain(0.5);
    w().cmdStart->click();
    ASSERT_TRUE(w().sweep().measured()->HasResponse());
    dialog().txtGatePre->setText(QStringLiteral("500"));
    emit dialog().txtGatePre->editingFinished();
    const std::vector<QString> gate = boxTexts();
    ASSERT_EQ(gate.size(), 1u);
    EXPECT_TRUE(gate[0].startsWith("Das Gate ist nicht möglich: Der Vorlauf reicht bis in die "
                                   "Antwort der Oberwellen"));
    EXPECT_TRUE(w().sweep().measured()->HasImpulse());
    EXPECT_FALSE(w().mnuFileSaveAs->isEnabled());
}

} // namespace
} // namespace terzlab::test
