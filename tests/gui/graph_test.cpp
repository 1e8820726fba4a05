// The graph in the main window, end to end on the virtual sound card: what a run leaves on the
// pictures, the level bars and overload labels, the automatic axis and the cursor readout; and
// the platform stand-ins that the run relies on and the Qt picture the graph is drawn on.
#include "analysis/constants.h"
#include "display/mapping.h"
#include "gui_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>

#include <algorithm>

namespace terzlab::test {

namespace {

// Rightmost column of the level bar's line (row 2) in the input's colour (left blue, right
// magenta), -1 when the bar is empty.
int barEnd(platform::PictureBox* bar, QColor colour) {
    const QImage& image = bar->Surface().Image();
    for (int x = image.width() - 1; x >= 0; --x)
        if (image.pixelColor(x, 2) == colour) return x;
    return -1;
}

class GraphTest : public GuiTest {};

TEST_F(GraphTest, LevelRunsDrawCurveLabelsAxisCursorAndLatchedOverload) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_TRUE(load());
    moveMouse(window->picGraph, QPointF(10, 10));
    EXPECT_TRUE(window->lblCursor->isHidden()) << "no measurement, no comparison curve";
    window->run().Range = AxisRange{90, 80, 2}; // far above anything the bench gives
    startRun(1);
    EXPECT_GT(curvePixels(*window), window->picGraph->width() / 2) << "crosses most of the graph";
    const AxisRange range = window->run().Range;
    const double top = std::ranges::max(window->bands().BandValue);
    EXPECT_TRUE(top <= range.RangeTop && top > range.RangeTop - range.RangeStep)
        << "the top value " << top << " in the axis's first division below " << range.RangeTop;
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
    // Another type clears the result under the resting pointer: its readout goes with it.
    choose(window->cmbMeasType, IndexOf(MeasType::ImpedanceTwoChannel));
    EXPECT_TRUE(window->lblCursor->isHidden()) << window->lblCursor->text().toStdString();
    choose(window->cmbMeasType, IndexOf(MeasType::LevelOneChannel));
    moveMouse(window->centralWidget(), QPointF(5, 5));
    EXPECT_EQ(std::pair(window->lblCursor->isHidden(), window->cursor().shape()),
              std::pair(true, Qt::ArrowCursor));
    QLocale::setDefault(before);

    setGain(8.0);
    startRun(0);
    EXPECT_FALSE(window->lblOVL[0]->isHidden() || window->lblOVL[1]->isHidden());
    EXPECT_GE(barEnd(window->picLevel[0], Qt::blue), window->picLevel[0]->width() - 2);
    setGain(0.05);
    startRun(0);
    EXPECT_EQ(std::pair(window->lblOVL[0]->isHidden(), window->lblOVL[1]->isHidden()),
              std::pair(true, true))
        << "latched";
    const int end = barEnd(window->picLevel[1], Qt::magenta);
    EXPECT_GT(end, 0);
    EXPECT_LT(end, window->picLevel[1]->width() / 2);
}

TEST_F(GraphTest, ResizeRedrawsWithoutFeedingTheReferenceMeanAgainAndKeepsThePulseView) {
    ASSERT_TRUE(load());
    choose(window->cmbMeasType, IndexOf(MeasType::ImpedanceTwoChannel));
    StoredCurve& reference = window->dispOct().Curves[kReferenceSlot]; // taken band by band
    reference.CurveLoaded = 1;
    reference.CurveType = 1;
    reference.CurveAmp.fill(0.5f);
    window->chkLoaded[kReferenceSlot]->setEnabled(true);
    platform::setChecked(window->chkLoaded[kReferenceSlot], true);
    startRun(1);
    const std::vector<double> results = window->bands().Results.Cells;
    ASSERT_GT(curvePixels(*window), 0);

    window->resize(window->width() + 120, window->height() + 60);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->bands().Results.Cells, results); // and so the values shown
    EXPECT_EQ(window->picGraph->Surface().Image().width(), window->picGraph->width());
    EXPECT_GT(curvePixels(*window), window->picGraph->width() / 2) << "redrawn at the new size";

    choose(window->cmbMeasType, IndexOf(MeasType::Pulse));
    startRun(0);
    EXPECT_GT(curvePixels(*window), 50);
    window->resize(window->width() + 80, window->height());
    QCoreApplication::processEvents();
    EXPECT_GT(curvePixels(*window), 50) << "the time view is not replaced by a spectrum";
}

// The window leaves out the labels under its Auto button; a saved picture has no button over it.
TEST_F(GraphTest, SavedGraphPrintsEveryAxisLabel) {
    ASSERT_TRUE(load());
    choose(window->cmbMeasType, IndexOf(MeasType::ImpedanceTwoChannel));
    startRun(0);
    window->chooseAxis({.RangeTop = 70, .RangeBottom = 0, .RangeStep = 5});
    window->saveGraphTo(filePath("g.svg"), false);
    const std::string svg = contents("g.svg");
    for (int ohm = 0; ohm <= 70; ohm += 5)
        EXPECT_NE(svg.find('>' + std::to_string(ohm) + " Ohm <"), std::string::npos) << ohm;
}

// Selecting the same list entry runs the handler again; setting a box as it is does not.
TEST(Platform, ListSelectionsAlwaysRunTheHandlerAndEscTapIsSeenOnceAfterRelease) {
    QComboBox list;
    list.addItems({QStringLiteral("a"), QStringLiteral("b")});
    QCheckBox box;
    int runs = 0;
    QObject::connect(&list, &QComboBox::currentIndexChanged, [&runs] { runs += 1; });
    QObject::connect(&box, &QCheckBox::toggled, [&runs] { runs += 10; });
    for (int twice = 0; twice < 2; ++twice) {
        platform::selectListIndex(&list, 1);
        platform::setChecked(&box, true);
    }
    EXPECT_EQ(runs, 12);

    platform::EscKeyTracker keys;
    QWidget target;
    const auto send = [&](QEvent::Type type) { // whether ESC is held then
        QKeyEvent key(type, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&target, &key);
        return keys.escHeld();
    };
    EXPECT_EQ((std::vector{send(QEvent::KeyPress), send(QEvent::KeyRelease), keys.escPressed(),
                           keys.escPressed()}),
              (std::vector{true, false, true, false}));
    send(QEvent::KeyPress);
    send(QEvent::KeyRelease);
    keys.forgetEsc();
    EXPECT_FALSE(keys.escPressed());
}

TEST(QtPicture, SpectrumCurveLandsWhereTheMappingPutsIt) {
    platform::QtPicture graph(QSize(497, 297));
    platform::QtPicture window(QSize(800, 500), kTwipsPerPixel, 0xC0C0C0);
    const FrameInputs frame{
        .Range = {0, -100, 20},
        .Graph = {600, 300, 497 * kTwipsPerPixel + 60, 297 * kTwipsPerPixel + 60}};
    const std::vector<double> freq{20.0, 200.0, 2000.0, 20000.0};
    const std::vector<double> value{-50.0, -50.0, kNoValue, -50.0};
    DrawSpectrum(
        graph, window, frame,
        {.BandFreq = freq, .BandValue = value, .LastBand = 3, .MeasValid = true}); // in blue

    const QImage& image = graph.Image();
    const int y = ToPixel(LevelY(-50.0, 297, frame.Range));
    for (double f : {35.0, 750.0, 3500.0, 15000.0}) {
        const int x = ToPixel(FrequencyX(f, 497, frame.SampleRate));
        const QImage nearRow = image.copy(x, y - 1, 1, 3); // within a pixel of the mapped row
        EXPECT_GT(countPixels(nearRow, [](QColor c) { return c == Qt::blue; }), 0) << f << " Hz";
        EXPECT_EQ(image.pixelColor(x, y - 25), Qt::white) << f << " Hz, above the curve";
    }
}

} // namespace

} // namespace terzlab::test
