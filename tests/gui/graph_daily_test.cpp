// The graph for daily work on the main window: the curves' values under the pointer with the
// marker, the held curve and the impedance phase.
#include "display/curve_colour.h"
#include "display/mapping.h"
#include "gui_fixture.h"
#include "platform/qt_picture.h"

#include <QApplication>
#include <QLocale>
#include <QMouseEvent>

#include <cmath>

namespace terzlab::test {

namespace {

void moveMouse(QWidget* widget, QPointF at) {
    QMouseEvent event(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

class GraphDailyTest : public GuiTest {
  protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void TearDown() override {
        QLocale::setDefault(before_);
        GuiTest::TearDown();
    }
    // The pointer on a band's column of the graph.
    void pointAtBand(size_t band) {
        const double x = FrequencyX(window->bands().Table.BandFreq[band],
                                    window->picGraph->width() - 1, window->settings().SampleRate);
        moveMouse(window->picGraph, QPointF(std::round(x), 10));
    }

    static int pixelsIn(const QImage& image, Colour colour) {
        return countPixels(image,
                           [&](QColor pixel) { return pixel == platform::ToQColor(colour); });
    }
    int greyPixels() { return pixelsIn(window->picGraph->Surface().Image(), kHeldCurveColour); }
    // The hold command as the menu offers it: enabled only with something to hold or let go.
    void clickHold() {
        emit window->mnuSpecial->aboutToShow();
        if (window->mnuHoldCurve->isEnabled()) window->mnuHoldCurve->trigger();
    }

  private:
    QLocale before_;
};

// The readout names the band under the pointer with its measured value; the marker adds pixels
// in the curve's colour while the pointer is over the graph.
TEST_F(GraphDailyTest, PointerReadsTheMeasuredBandAndMarksIt) {
    ASSERT_TRUE(load());
    startRun(1);
    const int plain = curvePixels(*window);
    const BandState& bands = window->bands();
    for (size_t band : {size_t{10}, size_t{20}}) {
        pointAtBand(band);
        const double f = bands.Table.BandFreq[band];
        const QString expected = QStringLiteral("Messung: %1 Hz  %2 dB")
                                     .arg(QLocale().toString(f, 'f', f < 100 ? 1 : 0))
                                     .arg(QLocale().toString(bands.BandValue[band], 'f', 2));
        EXPECT_EQ(window->lblCurveValue->isHidden() ? QString() : window->lblCurveValue->text(),
                  expected);
        EXPECT_FALSE(window->lblCursor->isHidden()) << "the pointer readout stays";
        EXPECT_GT(curvePixels(*window), plain) << "marker";
    }
    EXPECT_TRUE(window->lblComparisonValue->isHidden()) << "no comparison curve";
    moveMouse(window->centralWidget(), QPointF(5, 5));
    EXPECT_TRUE(window->lblCurveValue->isHidden());
    EXPECT_EQ(curvePixels(*window), plain) << "marker gone";
}

// The held curve stays through the next run at another level and a resize; a second click or a
// type change lets it go, and a type change back does not bring it back.
TEST_F(GraphDailyTest, HeldCurveStaysUntilReleasedOrTheTypeChanges) {
    ASSERT_TRUE(load());
    const audio::BenchSettings loud = bench().settings();
    audio::BenchSettings quiet = loud;
    quiet.gain = 0.2;
    clickHold();
    EXPECT_FALSE(window->mnuHoldCurve->isChecked()) << "nothing measured to hold";
    startRun(1);
    clickHold();
    EXPECT_TRUE(window->mnuHoldCurve->isChecked());
    bench().setSettings(quiet); // the held curve shows where the new one leaves it
    startRun(1);
    const int held = greyPixels();
    EXPECT_GT(held, window->picGraph->width() / 2);
    window->resize(window->width() + 120, window->height() + 60);
    QCoreApplication::processEvents();
    EXPECT_GT(greyPixels(), held / 2) << "after a resize";
    clickHold();
    EXPECT_EQ(greyPixels(), 0);
    EXPECT_FALSE(window->mnuHoldCurve->isChecked());
    clickHold();
    bench().setSettings(loud);
    startRun(1);
    ASSERT_GT(greyPixels(), 0);
    platform::selectListIndex(window->cmbMeasType, 1);
    EXPECT_FALSE(window->mnuHoldCurve->isChecked());
    platform::selectListIndex(window->cmbMeasType, 0);
    EXPECT_EQ(greyPixels(), 0);
}

// The remembered choice shows the bench speaker's phase with its labels right of the graph and
// in the readout; switched off, the graph is drawn as without the choice.
TEST_F(GraphDailyTest, ImpedancePhaseOnItsOwnAxisWhileSwitchedOn) {
    app::Settings settings;
    settings.ShowPhase = true;
    makeWindow({}, settings);
    useProgramStimuli();
    ASSERT_TRUE(window->Form_Load());
    EXPECT_TRUE(window->mnuPhase->isChecked());
    platform::selectListIndex(window->cmbMeasType, meas::kImpedanceTwoChannel);
    window->cmdStart->click();
    ASSERT_TRUE(boxes.boxes().empty());
    const QRect graph = window->picGraph->geometry();
    const auto phasePixels = [&] {
        const QImage labels = window->windowPicture().Image().copy(
            graph.right() + 1, graph.top(), window->width() - graph.right(), graph.height());
        // The labels' text is smoothed: its pixels lean towards the phase's cyan.
        const auto cyan = [](QColor p) { return std::min(p.green(), p.blue()) - p.red() > 40; };
        return std::pair(pixelsIn(window->picGraph->Surface().Image(), kPhaseCurveColour),
                         countPixels(labels, cyan));
    };
    const auto [curve, labels] = phasePixels();
    EXPECT_GT(curve, graph.width() / 2);
    EXPECT_GT(labels, 20);
    pointAtBand(60);
    EXPECT_TRUE(window->lblCurveValue->text().endsWith(QChar(0xB0)))
        << qPrintable(window->lblCurveValue->text());
    window->mnuPhase->trigger();
    EXPECT_FALSE(window->settings().ShowPhase);
    EXPECT_EQ(phasePixels(), std::pair(0, 0));
    EXPECT_FALSE(window->lblCurveValue->text().endsWith(QChar(0xB0)));
}

} // namespace

} // namespace terzlab::test
