// Impedance through a simulated voltage divider, and the sensor and reference curves.
#include "analysis/bands.h"
#include "fixtures.h"
#include <cmath>
#include <complex>
#include <fstream>
#include <gtest/gtest.h>
#include <numbers>
#include <random>
#include <set>

namespace terzlab::test {
namespace {

using Complex = std::complex<double>;
constexpr double kPi = std::numbers::pi;
constexpr int kBlock = 65536;

Complex Coil(double f) { // a voice coil's resistance and inductance
    return {6.0, 2 * kPi * f * 0.5e-3};
}

// source - Rv (10 ohm) - coil, fed with a multi-sine on the impedance bands' bins.
struct Divider {
    std::vector<double> Source = std::vector<double>(kBlock), AcrossZ = Source, AcrossRv = Source;
    std::vector<double> BinFreq; // per band
    Divider() {
        BandState grid;
        BuildBandTable(grid, {44100, kBlock, 4});
        std::set<int> bins(grid.Table.BandBin.begin(), grid.Table.BandBin.end() - 1);
        for (int b = 0; b <= grid.Table.LastBand; ++b)
            BinFreq.push_back(grid.Table.BandBin[b] * 44100.0 / kBlock);
        std::mt19937 rng(11);
        std::uniform_real_distribution<double> phase(0, 2 * kPi);
        for (const int k : bins) {
            const Complex z = Coil(k * 44100.0 / kBlock);
            const Complex h = z / (z + 10.0);
            const Complex step = std::polar(1.0, 2 * kPi * k / kBlock);
            Complex rot = std::polar(0.02 * 32768, phase(rng));
            for (int t = 0; t < kBlock; ++t, rot *= step) {
                Source[t] += rot.real();
                AcrossZ[t] += (rot * h).real();
                AcrossRv[t] += (rot * (1.0 - h)).real();
            }
        }
    }
};

class ImpedanceTest : public ::testing::Test {
  protected:
    OctFile Analyse(const std::vector<std::string>& args) { return test::Analyse(dir, args); }
    void ExpectCoil(const OctFile& oct, bool phase) {
        ASSERT_EQ(oct.Bands.size(), d.BinFreq.size() - 1);
        for (std::size_t b = 0; b < oct.Bands.size(); ++b) {
            const Complex z = Coil(d.BinFreq[b]);
            EXPECT_NEAR(oct.Bands[b].Value, std::abs(z), 0.01 * std::abs(z)) << b;
            EXPECT_NEAR(oct.Bands[b].Phase, phase ? std::arg(z) * 180 / kPi : 0.0, 0.5) << b;
        }
    }
    TempFolder dir;
    Divider d;
};

TEST_F(ImpedanceTest, TwoChannelDividerReadsTheImpedanceAndItsPhase) {
    writeWav(dir / "div.wav", Repeat(Interleave(Scaled(d.AcrossZ, 1), Scaled(d.Source, 1)), 2), 2);
    const OctFile oct = Analyse({"--type", "4", dir / "div.wav"});
    EXPECT_EQ(oct.Header[3], "Block size\t65536");
    EXPECT_EQ(oct.Header.back(), "F [Hz]\tImp [Ohm]\tPhase [\xF8]");
    ExpectCoil(oct, true);
}

TEST_F(ImpedanceTest, OneChannelTwoPartsReadTheImpedanceOnTheChosenChannel) {
    const std::vector<int16_t> silence(kBlock, 0);
    writeWav(dir / "p1.wav", Interleave(Scaled(d.AcrossRv, 1), silence), 2);
    writeWav(dir / "p2.wav", Repeat(Interleave(Scaled(d.AcrossZ, 1), silence), 3), 2);
    ExpectCoil(Analyse({"--type", "3", "--channel", "left", dir / "p1.wav", dir / "p2.wav"}),
               false);
}

// A tone one bin beside a band's own bin: the wide range finds it, --no-wide-range does not.
TEST_F(ImpedanceTest, WideRangeFindsAToneBesideTheBandsBinUnlessSwitchedOff) {
    const int band = 100;
    const double k = std::round(d.BinFreq[band] * kBlock / 44100.0) + 1;
    std::vector<double> source(kBlock);
    for (int t = 0; t < kBlock; ++t)
        source[t] = 10000.0 * std::cos(2 * kPi * k * t / kBlock);
    writeWav(dir / "off.wav", Interleave(Scaled(source, 0.5), Scaled(source, 1)), 2);
    EXPECT_NEAR(Analyse({"--type", "4", dir / "off.wav"}).Bands[band].Value, 10.0, 0.01);
    const double narrow =
        Analyse({"--type", "4", "--no-wide-range", dir / "off.wav"}).Bands[band].Value;
    EXPECT_FALSE(std::abs(narrow - 10.0) < 1.0) << narrow;
}

// A source channel recorded through a 1:2 probe is put right by a +6.02 dB reference.
TEST_F(ImpedanceTest, LevelReferenceScalesTheSourceChannel) {
    writeWav(dir / "div.wav", Interleave(Scaled(d.AcrossZ, 1), Scaled(d.Source, 0.5)), 2);
    std::ofstream ref(dir / "probe.oct", std::ios::binary);
    ref << "#This file contains data created by Terzlab\r\nTitle\tTastkopf 1:2\r\n"
        << "Result type\tAutopower Spectrum [dB]\r\nOctave resolution\t1/12\r\n"
        << "F [Hz]\tAmpl [dB]\tPhase [\xF8]\r\n";
    for (int e = 0; e < 135; ++e)
        ref << std::pow(10.0, 1 + e / 40.0) << "\t6.0206\t0.0\r\n";
    ref.close();
    const OctFile oct = Analyse({"--type", "4", "--reference", dir / "probe.oct", dir / "div.wav"});
    EXPECT_EQ(oct.Header[10], "Reference Spectrum\tYes\tprobe.oct");
    ExpectCoil(oct, true);
}

TEST(CurvesTest, SensorAndReferenceChangeTheLevelsAsTheGuiCurvesDo) {
    TempFolder dir;
    const auto pseudo = Repeat(PseudoPeriod(), 2);
    writeWav(dir / "pink.wav", Interleave(pseudo, pseudo), 2);
    const OctFile base = Analyse(dir, {dir / "pink.wav"}, "base.oct");

    // 10 mV/Pa: a flat sensor shows the level 40 dB higher, inside the file's range only.
    std::ofstream(dir / "mic.SEN", std::ios::binary)
        << "#This file contains sensor information to be used by Terzlab.exe\r\nTitle\tMikro\r\n"
        << "Sensitivity at 1000 Hz in mV/dimension\t10\r\nF [Hz]\tAmpl [dB]\tPhase [\xF8]\r\n"
        << "100\t0\t0\r\n1000\t0\t0\r\n10000\t0\t0\r\n";
    const OctFile sensed = Analyse(dir, {"--sensor", dir / "mic.SEN", dir / "pink.wav"});
    EXPECT_EQ(sensed.Header[9], "Sensor Compensation Spectrum\tYes\tmic.SEN");
    for (std::size_t b = 0; b < base.Bands.size(); ++b) {
        if (b == 40 || b == 120) continue; // the file's end points, on the edge of its range
        const double expected = b > 40 && b < 120 ? base.Bands[b].Value + 40 : -999.99;
        EXPECT_NEAR(sensed.Bands[b].Value, expected, 0.011) << b;
    }

    // The measurement as its own reference leaves nothing but the rounding of the file.
    const OctFile referenced = Analyse(dir, {"--reference", dir / "base.oct", dir / "pink.wav"});
    EXPECT_EQ(referenced.Header[10], "Reference Spectrum\tYes\tbase.oct");
    for (std::size_t b = 12; b <= 132; ++b)
        EXPECT_NEAR(referenced.Bands[b].Value, 0.0, 0.006) << b;
}

} // namespace
} // namespace terzlab::test
