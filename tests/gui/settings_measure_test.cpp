// One whole measurement per type on the virtual sound card with the program's own stimuli,
// checked against what the bench is known to do.
#include "gui_fixture.h"

#include "audio/virtual/divider_model.h"

#include <QColor>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>

#include <cmath>

namespace terzlab::test {

namespace {

// The bench loudspeaker's impedance: voice coil plus the motional peak at resonance.
const audio::DriverImpedance kDriver;
const double kResonanceHz = kDriver.fs;
const double kPeakOhm = kDriver.re + kDriver.res();

class MeasureTest : public GuiTest {
  protected:
    void SetUp() override {
        makeWindow();
        // The generated files replace the fixture's noise: a 48-kHz run would rewrite their
        // rate field, so the build's own copies are never used in place.
        const QDir bin(QStringLiteral(TERZLAB_BIN_DIR));
        for (const char* name : {"pseudo.wav", "pulse.wav", "multi.wav", "Stop.wav"}) {
            const QString target = filePath(QString::fromLatin1(name));
            QFile::remove(target);
            ASSERT_TRUE(QFile::copy(bin.filePath(QString::fromLatin1(name)), target)) << name;
        }
        ASSERT_TRUE(window->Form_Load());
        keys.onAsk = [this] {
            if (window->isRunning()) captions.push_back(window->cmdStart->text());
            return false;
        };
    }

    void measure(int type, const audio::BenchSettings& bench = {}) {
        platform::selectListIndex(window->cmbMeasType, type);
        card->bench->setSettings(bench);
        window->cmdStart->click();
        ASSERT_EQ(window->cmdStart->text(), QStringLiteral("&Starte Messung"));
        ASSERT_TRUE(boxes.boxes().empty()) << qPrintable(boxes.boxes()[0].text);
    }

    static QString noch(int n) {
        return QStringLiteral("Noch %1 Messungen. Abbruch mit ESC!").arg(n);
    }

    // Band values between the two frequencies.
    std::vector<std::pair<double, double>> bandsBetween(double low, double high) {
        const BandState& bands = window->bands();
        std::vector<std::pair<double, double>> out;
        for (int b = 0; b <= bands.Table.LastBand; ++b) {
            const double f = bands.Table.BandFreq[b];
            if (f >= low && f <= high) out.emplace_back(f, bands.BandValue[b]);
        }
        return out;
    }

    // The impedance bands lie about 6 % apart: the resonance is where a parabola through the
    // highest band and its neighbours peaks, over the logarithm of the frequency, in which the
    // motional impedance is symmetric.
    void expectImpedancePeak() {
        // Above the resonance the voice coil's inductance makes the impedance rise again.
        const auto values = bandsBetween(10.0, 1000.0);
        const auto peak = std::max_element(values.begin(), values.end(),
                                           [](auto a, auto b) { return a.second < b.second; });
        ASSERT_TRUE(peak != values.begin() && peak + 1 != values.end());
        const double x0 = std::log(peak[-1].first), x1 = std::log(peak[0].first),
                     x2 = std::log(peak[1].first);
        const double y0 = peak[-1].second, y1 = peak[0].second, y2 = peak[1].second;
        const double slope01 = (y1 - y0) / (x1 - x0), slope12 = (y2 - y1) / (x2 - x1);
        const double curvature = (slope12 - slope01) / (x2 - x0);
        ASSERT_LT(curvature, 0.0);
        const double vertex = 0.5 * (x0 + x1) - slope01 / (2.0 * curvature);
        EXPECT_NEAR(std::exp(vertex), kResonanceHz, 0.01 * kResonanceHz);
        EXPECT_NEAR(peak->second, kPeakOhm, 0.02 * kPeakOhm);
    }

    std::vector<QString> captions;
};

audio::BenchSettings wire() {
    audio::BenchSettings bench;
    bench.gain = 1.0;
    bench.straightThrough = true;
    return bench;
}

TEST_F(MeasureTest, LevelAndTransferThroughAWireReadZeroDecibels) {
    measure(0, wire());
    EXPECT_EQ(captions,
              (std::vector<QString>{noch(3), noch(2), noch(1), QStringLiteral("Fertig!")}));
    const auto values = bandsBetween(20.0, 20000.0);
    ASSERT_GT(values.size(), 100u);
    for (const auto& [f, level] : values)
        EXPECT_NEAR(level, 0.0, 0.3) << f << " Hz";

    captions.clear();
    measure(1, wire());
    EXPECT_EQ(captions.back(), QStringLiteral("Fertig!"));
    // The display adds the total level offset to the transfer as to any level.
    const double offset = window->settings().LevelCorr[5];
    for (const auto& [f, level] : bandsBetween(20.0, 20000.0))
        EXPECT_NEAR(level - offset, 0.0, 0.05) << f << " Hz";
}

TEST_F(MeasureTest, BothImpedanceTypesFindTheResonance) {
    measure(3);
    EXPECT_EQ(captions,
              (std::vector<QString>{noch(3), noch(2), noch(1), QStringLiteral("Messung 2.Teil"),
                                    noch(3), noch(2), noch(1), QStringLiteral("Fertig!")}));
    expectImpedancePeak();
    captions.clear();
    measure(4);
    EXPECT_EQ(captions.back(), QStringLiteral("Fertig!"));
    expectImpedancePeak();
}

// Deflection from the zero line of the curve's farthest pixel in each column (0: none).
std::vector<int> columnDeflections(const QImage& image, uint32_t colour) {
    const QColor curve =
        QColor::fromRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    const int middle = image.height() / 2;
    std::vector<int> deflections(static_cast<size_t>(image.width()), 0);
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) == curve && std::abs(middle - y) > std::abs(deflections[x]))
                deflections[x] = middle - y;
    return deflections;
}

// The time plot centres the pulse a quarter of the width from the left, pointing the way the
// bench's polarity makes it point. A wire keeps the pulse a plain rectangle.
TEST_F(MeasureTest, PolarityShowsThePulseAtAQuarterWithTheBenchPolarity) {
    for (bool inverted : {false, true}) {
        captions.clear();
        audio::BenchSettings bench = wire();
        bench.invertPolarity = inverted;
        measure(2, bench);
        EXPECT_EQ(captions.back(), QStringLiteral("Fertig!"));
        const QImage& image = window->picGraph->Surface().Image();
        const std::vector<int> d = columnDeflections(image, window->run().CurveColour);
        const int extreme = *std::max_element(
            d.begin(), d.end(), [](int a, int b) { return std::abs(a) < std::abs(b); });
        ASSERT_GT(std::abs(extreme), image.height() / 10) << "no pulse drawn";
        EXPECT_EQ(extreme < 0, inverted) << extreme;
        double sum = 0.0;
        int count = 0;
        for (size_t x = 0; x < d.size(); ++x)
            if (d[x] * extreme > 0 && 2 * std::abs(d[x]) >= std::abs(extreme)) {
                sum += static_cast<double>(x);
                ++count;
            }
        EXPECT_NEAR(sum / count, image.width() / 4.0, image.width() / 40.0) << inverted;
    }
}

} // namespace

} // namespace terzlab::test
