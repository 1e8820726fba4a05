// One whole measurement per type on the virtual sound card with the program's own stimuli,
// checked against what the bench is known to do.
#include "gui_fixture.h"

#include "audio/virtual/divider_model.h"

#include <QComboBox>
#include <QPushButton>

#include <cmath>

namespace terzlab::test {

namespace {

class MeasureTest : public GuiTest {
  protected:
    void SetUp() override {
        makeWindow();
        useProgramStimuli();
        ASSERT_TRUE(window->Form_Load());
        recordCaptions();
    }

    // A whole run of the type in stop mode; the captions it showed.
    std::vector<QString> measure(int type, bool wire = true, bool inverted = false) {
        platform::selectListIndex(window->cmbMeasType, type);
        audio::BenchSettings bench;
        bench.gain = wire ? 1.0 : bench.gain;
        bench.straightThrough = wire;
        bench.invertPolarity = inverted;
        card->bench->setSettings(bench);
        captions.clear();
        window->cmdStart->click();
        EXPECT_EQ(window->cmdStart->text(), QStringLiteral("&Starte Messung"));
        EXPECT_TRUE(boxes.boxes().empty());
        return captions;
    }

    // Band frequencies and values between the two frequencies.
    std::vector<std::pair<double, double>> bandsBetween(double low, double high) {
        const BandState& bands = window->bands();
        std::vector<std::pair<double, double>> out;
        for (int b = 0; b <= bands.Table.LastBand; ++b)
            if (bands.Table.BandFreq[b] >= low && bands.Table.BandFreq[b] <= high)
                out.emplace_back(bands.Table.BandFreq[b], bands.BandValue[b]);
        return out;
    }
};

TEST_F(MeasureTest, LevelAndTransferThroughAWireReadZeroDecibels) {
    const QString done = QStringLiteral("Fertig!");
    EXPECT_EQ(measure(0), (std::vector<QString>{noch(3), noch(2), noch(1), done}));
    // The transfer shows the total level offset as any level does.
    const double total = window->settings().LevelCorr[5];
    for (const auto& [type, offset, tolerance] : {std::tuple{0, 0.0, 0.3}, {1, total, 0.05}}) {
        if (type == 1) {
            EXPECT_EQ(measure(1).back(), done);
        }
        const auto values = bandsBetween(20.0, 20000.0);
        ASSERT_GT(values.size(), 100u);
        for (const auto& [f, level] : values)
            EXPECT_NEAR(level - offset, 0.0, tolerance) << type << ": " << f << " Hz";
    }
}

// The impedance bands lie about 6 % apart; above the resonance the voice coil's inductance
// makes the impedance rise again.
TEST_F(MeasureTest, BothImpedanceTypesFindTheResonance) {
    const audio::DriverImpedance driver;
    const double peakOhm = driver.re + driver.res();
    EXPECT_EQ(measure(3, false),
              (std::vector<QString>{noch(3), noch(2), noch(1), QStringLiteral("Messung 2.Teil"),
                                    noch(3), noch(2), noch(1), QStringLiteral("Fertig!")}));
    for (int type : {3, 4}) {
        if (type == 4) {
            EXPECT_EQ(measure(4, false).back(), QStringLiteral("Fertig!"));
        }
        const auto values = bandsBetween(10.0, 1000.0);
        const auto [f, ohm] = *std::max_element(values.begin(), values.end(),
                                                [](auto a, auto b) { return a.second < b.second; });
        EXPECT_NEAR(f, driver.fs, 0.04 * driver.fs) << type;
        EXPECT_NEAR(ohm, peakOhm, 0.02 * peakOhm) << type;
    }
}

// The time plot shows the pulse pointing the way the bench's polarity makes it point.
TEST_F(MeasureTest, PolarityShowsThePulseWithTheBenchPolarity) {
    for (bool inverted : {false, true}) {
        EXPECT_EQ(measure(2, true, inverted).back(), QStringLiteral("Fertig!"));
        const QImage& image = window->picGraph->Surface().Image();
        const QColor curve = platform::ToQColor(window->run().CurveColour);
        int extreme = 0; // from the zero line, upwards positive
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (image.pixelColor(x, y) == curve &&
                    std::abs(image.height() / 2 - y) > std::abs(extreme))
                    extreme = image.height() / 2 - y;
        ASSERT_GT(std::abs(extreme), image.height() / 10) << "no pulse drawn";
        EXPECT_EQ(extreme < 0, inverted) << extreme;
    }
}

} // namespace

} // namespace terzlab::test
