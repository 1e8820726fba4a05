// The graph in the main window, end to end on the virtual sound card: what a run leaves on the
// pictures, the level bars and overload labels, the automatic axis and the cursor readout.
#include "gui_fixture.h"

#include "analysis/constants.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>
#include <functional>

namespace terzlab::test {

namespace {

int countPixels(const QImage& image, const std::function<bool(QColor)>& counts) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += counts(image.pixelColor(x, y));
    return count;
}

// Rightmost column of the level bar's line (row 2) in the input's colour (left blue, right
// magenta), -1 when the bar is empty.
int barEnd(platform::PictureBox* bar, QColor colour) {
    const QImage& image = bar->Surface().Image();
    for (int x = image.width() - 1; x >= 0; --x)
        if (image.pixelColor(x, 2) == colour) return x;
    return -1;
}

void moveMouse(QWidget* widget, QPointF at) {
    QMouseEvent event(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

class GraphTest : public GuiTest {
  protected:
    int curvePixels() {
        const QColor curve = platform::ToQColor(window->run().CurveColour);
        return countPixels(window->picGraph->Surface().Image(),
                           [curve](QColor pixel) { return pixel == curve; });
    }

    void setGain(double gain) {
        audio::BenchSettings loud = bench().settings();
        loud.gain = gain;
        bench().setSettings(loud);
    }
};

TEST_F(GraphTest, LevelRunsDrawCurveLabelsAxisCursorAndLatchedOverload) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_TRUE(load());
    EXPECT_EQ(curvePixels(), 0) << "nothing measured yet";
    moveMouse(window->picGraph, QPointF(10, 10));
    EXPECT_TRUE(window->lblCursor->isHidden()) << "no measurement, no comparison curve";
    window->run().Range = AxisRange{90, 80, 2}; // far above anything the bench gives
    startRun(1);
    const int width = window->picGraph->width();
    EXPECT_EQ(window->picGraph->Surface().Image().width(), width);
    EXPECT_GT(curvePixels(), width / 2) << "the curve crosses most of the graph";
    const AxisRange range = window->run().Range;
    const auto& values = window->bands().BandValue;
    const double top = *std::max_element(values.begin(), values.end());
    EXPECT_LE(top, range.RangeTop) << "the axis fits the data";
    EXPECT_GT(top, range.RangeTop - range.RangeStep);
    // The labels left of the graph are printed on the window's own surface.
    const QImage labels = window->windowPicture().Image().copy(
        0, window->picGraph->y(), window->picGraph->x(), window->picGraph->height());
    EXPECT_GT(countPixels(labels, [](QColor pixel) { return pixel.lightness() < 100; }), 20);

    // Switched off, the axis stays; switched on, it is chosen at once.
    window->run().Range = AxisRange{90, 80, 2};
    window->cmdAutoRange->click();
    EXPECT_EQ(window->cmdAutoRange->text(), QStringLiteral("A&uto Off"));
    const int buttonTop = window->cmdAutoRange->y();
    startRun(1);
    EXPECT_EQ(window->run().Range.RangeTop, 90) << "frozen axis";
    EXPECT_EQ(window->cmdAutoRange->y(), buttonTop);
    window->cmdAutoRange->click();
    EXPECT_EQ(window->cmdAutoRange->text(), QStringLiteral("A&uto On"));
    const AxisRange chosen = window->run().Range;
    EXPECT_LT(chosen.RangeTop, 90) << "chosen on switching on";
    const int divisions = (chosen.RangeTop - chosen.RangeBottom) / chosen.RangeStep;
    const int centre = window->cmdAutoRange->y() + window->cmdAutoRange->height() / 2;
    const int division = window->picGraph->y() + window->picGraph->height() / divisions / 2;
    EXPECT_NEAR(centre, division, 1) << "the button sits at the first division";

    window->run().Range = AxisRange{0, -100, 20};
    moveMouse(window->picGraph, QPointF(0, window->picGraph->height() - 1));
    EXPECT_EQ(window->lblCursor->isHidden() ? QString() : window->lblCursor->text(),
              QStringLiteral("-100,00 dB / 10,00 Hz"));
    EXPECT_EQ(window->cursor().shape(), Qt::CrossCursor);
    moveMouse(window->centralWidget(), QPointF(5, 5));
    EXPECT_TRUE(window->lblCursor->isHidden());
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
    QLocale::setDefault(before);

    setGain(8.0);
    startRun(0);
    EXPECT_FALSE(window->lblOVL[0]->isHidden() || window->lblOVL[1]->isHidden());
    EXPECT_GE(barEnd(window->picLevel[0], Qt::blue), window->picLevel[0]->width() - 2);
    EXPECT_EQ(helpPages, std::vector<int>{5}) << "the overload hint follows the run";
    setGain(0.05);
    startRun(0);
    EXPECT_TRUE(window->lblOVL[0]->isHidden() && window->lblOVL[1]->isHidden()) << "latched";
    const int end = barEnd(window->picLevel[1], Qt::magenta);
    EXPECT_GT(end, 0);
    EXPECT_LT(end, window->picLevel[1]->width() / 2);
}

TEST_F(GraphTest, ResizeRedrawsWithoutFeedingTheReferenceMeanAgainAndKeepsThePulseView) {
    app::Settings settings;
    settings.MeasTypeIndex = meas::kImpedanceTwoChannel;
    ASSERT_TRUE(load({}, settings));
    const BandTable& table = window->bands().Table;
    StoredCurve& reference = window->dispOct().Curves[kReferenceSlot];
    reference.CurveLoaded = 1;
    reference.CurveType = 1;
    reference.CurveCount = static_cast<int16_t>(table.LastBand + 1);
    for (int b = 0; b <= table.LastBand; ++b)
        reference.CurveFreq[b] = static_cast<float>(table.BandFreq[b]);
    reference.CurveAmp.fill(0.5f);
    window->chkLoaded[kReferenceSlot]->setEnabled(true);
    platform::setChecked(window->chkLoaded[kReferenceSlot], true);
    startRun(1);
    const std::vector<double> results = window->bands().Results.Cells;
    const std::vector<double> values = window->bands().BandValue;
    ASSERT_GT(curvePixels(), 0);

    window->resize(window->width() + 120, window->height() + 60);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->bands().Results.Cells, results);
    EXPECT_EQ(window->bands().BandValue, values);
    EXPECT_EQ(window->picGraph->Surface().Image().width(), window->picGraph->width());
    EXPECT_GT(curvePixels(), window->picGraph->width() / 2) << "redrawn at the new size";

    platform::selectListIndex(window->cmbMeasType, meas::kPulse);
    startRun(0);
    EXPECT_EQ(window->cmbDisplay->currentIndex(), 0);
    EXPECT_GT(curvePixels(), 50);
    window->resize(window->width() + 80, window->height());
    QCoreApplication::processEvents();
    EXPECT_GT(curvePixels(), 50) << "the time view is not replaced by a spectrum";
}

} // namespace

} // namespace terzlab::test
