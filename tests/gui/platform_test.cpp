// The platform stand-ins that the run relies on, and the Qt picture the graph is drawn on.
#include "analysis/constants.h"
#include "display/mapping.h"
#include "display/spectrum_plot.h"
#include "platform/key_state.h"
#include "platform/qt_picture.h"
#include "platform/services.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace terzlab::test {

namespace {

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
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&target, &press);
    EXPECT_TRUE(keys.escHeld());
    QApplication::sendEvent(&target, &release);
    EXPECT_FALSE(keys.escHeld());
    EXPECT_TRUE(keys.escPressed());
    EXPECT_FALSE(keys.escPressed());
    QApplication::sendEvent(&target, &press);
    QApplication::sendEvent(&target, &release);
    keys.forgetEsc();
    EXPECT_FALSE(keys.escPressed());
}

TEST(QtPicture, SpectrumCurveLandsWhereTheMappingPutsIt) {
    platform::QtPicture graph(QSize(497, 297));
    platform::QtPicture window(QSize(800, 500), kTwipsPerPixel, 0xC0C0C0);
    FrameInputs frame;
    frame.Graph = {600, 300, 497 * kTwipsPerPixel + 60, 297 * kTwipsPerPixel + 60};
    frame.Range = {0, -100, 20};
    const std::vector<double> freq{20.0, 200.0, 2000.0, 20000.0};
    const std::vector<double> value{-50.0, -50.0, kNoValue, -50.0};
    SpectrumInputs in;
    in.BandFreq = freq;
    in.BandValue = value;
    in.LastBand = 3;
    in.MeasValid = true;
    in.CurveColour = kMagenta;
    DrawSpectrum(graph, window, frame, in);

    const QImage& image = graph.Image();
    const int y = ToPixel(LevelY(-50.0, 297, frame.Range));
    for (double f : {35.0, 750.0, 3500.0, 15000.0}) {
        const int x = ToPixel(FrequencyX(f, 497, frame.SampleRate));
        int hits = 0; // within a pixel of the mapped row
        for (int dy : {-1, 0, 1})
            hits += image.pixelColor(x, y + dy) == Qt::magenta;
        EXPECT_GT(hits, 0) << f << " Hz";
        EXPECT_EQ(image.pixelColor(x, y - 25), Qt::white) << f << " Hz, above the curve";
    }
}

} // namespace

} // namespace terzlab::test
