// The graph for daily work on the main window: the impedance phase with the readout of the band
// under the pointer and its marker, and the held curve.
#include "display/curve_colour.h"
#include "display/mapping.h"
#include "gui_fixture.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace terzlab::test {

namespace {

class GraphDailyTest : public GuiTest {
  protected:
    // The hold command as the menu offers it: enabled only with something to hold or let go.
    void clickHold() {
        emit window->mnuSpecial->aboutToShow();
        if (window->mnuHoldCurve->isEnabled()) window->mnuHoldCurve->trigger();
    }
    int greyPixels() { return curvePixels(*window, kHeldCurveColour); }
};

// The remembered choice shows the bench speaker's phase; the pointer reads the band's value and
// phase and marks the band. Switched off and with the pointer gone, the graph is as before.
TEST_F(GraphDailyTest, PhaseAndTheBandUnderThePointer) {
    app::Settings settings;
    settings.ShowPhase = true;
    makeWindow({}, settings);
    useProgramStimuli();
    ASSERT_TRUE(window->Form_Load());
    platform::selectListIndex(window->cmbMeasType, meas::kImpedanceTwoChannel);
    window->cmdStart->click();
    const int plain = curvePixels(*window);
    EXPECT_GT(curvePixels(*window, kPhaseCurveColour), window->picGraph->width() / 2);
    const BandState& bands = window->bands();
    constexpr int kBand = 60;
    const double f = bands.Table.BandFreq[kBand];
    const double x = FrequencyX(f, window->picGraph->width() - 1, window->settings().SampleRate);
    moveMouse(window->picGraph, QPointF(std::round(x), 10));
    const QLocale l;
    EXPECT_EQ(window->lblCurveValue->text(), QStringLiteral("Messung: %1 Hz  %2 Ohm  %3\u00B0")
                                                 .arg(l.toString(f, 'f', f < 100 ? 1 : 0),
                                                      l.toString(bands.BandValue[kBand], 'f', 2),
                                                      l.toString(bands.Results(4, kBand), 'f', 1)));
    EXPECT_GT(curvePixels(*window), plain) << "marker";
    moveMouse(window->centralWidget(), QPointF(5, 5));
    EXPECT_TRUE(window->lblCurveValue->isHidden());
    EXPECT_EQ(curvePixels(*window), plain);
    window->mnuPhase->trigger();
    EXPECT_FALSE(window->settings().ShowPhase);
    EXPECT_EQ(curvePixels(*window, kPhaseCurveColour), 0);
}

// The held curve stays through a run at another level and a resize; a second click or a type
// change lets it go, and a type change back does not bring it back.
TEST_F(GraphDailyTest, HeldCurveStaysUntilReleasedOrTheTypeChanges) {
    ASSERT_TRUE(load());
    const audio::BenchSettings loud = bench().settings();
    audio::BenchSettings quiet = loud;
    quiet.gain = 0.2;
    clickHold();
    EXPECT_FALSE(window->mnuHoldCurve->isChecked()) << "nothing measured to hold";
    startRun(1);
    clickHold();
    bench().setSettings(quiet); // the held curve shows where the new one leaves it
    startRun(1);
    window->resize(window->width() + 120, window->height() + 60);
    QCoreApplication::processEvents();
    EXPECT_GT(greyPixels(), window->picGraph->width() / 2);
    clickHold();
    EXPECT_EQ(greyPixels(), 0);
    clickHold();
    bench().setSettings(loud);
    startRun(1);
    ASSERT_GT(greyPixels(), 0);
    platform::selectListIndex(window->cmbMeasType, 1);
    EXPECT_FALSE(window->mnuHoldCurve->isChecked());
    platform::selectListIndex(window->cmbMeasType, 0);
    EXPECT_EQ(greyPixels(), 0);
}

} // namespace

} // namespace terzlab::test
