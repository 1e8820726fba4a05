// The graph for daily work on the main window: the curves' values under the pointer with the
// marker, the held curve and the impedance phase.
#include "display/mapping.h"
#include "gui_fixture.h"

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

} // namespace

} // namespace terzlab::test
