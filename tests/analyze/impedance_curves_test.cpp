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
constexpr int kImpedanceBlock = 65536;
constexpr double kRv = 10.0;

// A voice coil: resistance and inductance.
Complex Coil(double f) {
    return {6.0, 2 * std::numbers::pi * f * 0.5e-3};
}

// The divider source - Rv - Z fed with a multi-sine on the impedance bands' bins.
struct Divider {
    std::vector<int16_t> Source, AcrossZ, AcrossRv;
    std::vector<double> BinFreq; // per impedance band
};

Divider SimulateDivider(double sourceGain) {
    BandState grid;
    BuildBandTable(grid, {44100, kImpedanceBlock, 4});
    const double df = 44100.0 / kImpedanceBlock;
    Divider d;
    std::set<int> bins;
    for (int b = 0; b <= grid.Table.LastBand; ++b) {
        bins.insert(grid.Table.BandBin[b]);
        d.BinFreq.push_back(grid.Table.BandBin[b] * df);
    }
    std::vector<double> s(kImpedanceBlock), z(kImpedanceBlock), r(kImpedanceBlock);
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> phase(0, 2 * std::numbers::pi);
    const double amplitude = 0.02 * 32768;
    for (const int k : bins) {
        const Complex zk = Coil(k * df);
        const Complex h = zk / (zk + kRv);
        const Complex step = std::polar(1.0, 2 * std::numbers::pi * k / kImpedanceBlock);
        Complex rot = std::polar(amplitude, phase(rng));
        for (int t = 0; t < kImpedanceBlock; ++t, rot *= step) {
            s[t] += rot.real();
            z[t] += (rot * h).real();
            r[t] += (rot * (1.0 - h)).real();
        }
    }
    auto quantise = [](const std::vector<double>& x, double gain) {
        std::vector<int16_t> out(x.size());
        for (std::size_t i = 0; i < x.size(); ++i)
            out[i] = static_cast<int16_t>(std::lround(x[i] * gain));
        return out;
    };
    d.Source = quantise(s, sourceGain);
    d.AcrossZ = quantise(z, 1.0);
    d.AcrossRv = quantise(r, 1.0);
    return d;
}

class ImpedanceTest : public ::testing::Test {
  protected:
    void ExpectCoil(const OctFile& oct, bool phase) {
        ASSERT_EQ(oct.Bands.size(), divider.BinFreq.size() - 1);
        for (std::size_t b = 0; b < oct.Bands.size(); ++b) {
            const Complex z = Coil(divider.BinFreq[b]);
            EXPECT_NEAR(oct.Bands[b].Value, std::abs(z), 0.01 * std::abs(z) + 0.01) << b;
            const double degrees = phase ? std::arg(z) * 180 / std::numbers::pi : 0.0;
            EXPECT_NEAR(oct.Bands[b].Phase, degrees, 0.5) << b;
        }
    }

    TempFolder dir;
    Divider divider = SimulateDivider(1.0);
};

TEST_F(ImpedanceTest, TwoChannelDividerReadsTheImpedanceAndItsPhase) {
    WriteWav(dir / "div.wav", Repeat(Interleave(divider.AcrossZ, divider.Source), 2), 2);
    const ToolRun run = RunInProcess({"--type", "4", "--out", dir / "z.oct", dir / "div.wav"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const OctFile oct = ReadOct(dir / "z.oct");
    EXPECT_EQ(oct.Header[3], "Block size\t65536");
    EXPECT_EQ(oct.Header[5], "Result type\tImpedance Spectrum [Ohm]");
    EXPECT_EQ(oct.Header.back(), "F [Hz]\tImp [Ohm]\tPhase [\xF8]");
    ExpectCoil(oct, true);
}

TEST_F(ImpedanceTest, OneChannelTwoPartsReadTheImpedanceOnTheChosenChannel) {
    const std::vector<int16_t> silence(kImpedanceBlock, 0);
    WriteWav(dir / "p1.wav", Interleave(divider.AcrossRv, silence), 2);
    WriteWav(dir / "p2.wav", Repeat(Interleave(divider.AcrossZ, silence), 3), 2);
    const ToolRun run = RunInProcess({"--type", "3", "--channel", "left", "--out", dir / "z.oct",
                                      dir / "p1.wav", dir / "p2.wav"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    ExpectCoil(ReadOct(dir / "z.oct"), false);
}

// A source channel recorded through a 1:2 divider is put right by a +6.02 dB reference.
TEST_F(ImpedanceTest, LevelReferenceScalesTheSourceChannel) {
    const Divider halved = SimulateDivider(0.5);
    WriteWav(dir / "div.wav", Interleave(halved.AcrossZ, halved.Source), 2);
    std::ofstream ref(dir / "probe.oct", std::ios::binary);
    ref << "#This file contains data created by Terzlab\r\nTitle\tTastkopf 1:2\r\n"
        << "Result type\tAutopower Spectrum [dB]\r\nOctave resolution\t1/12\r\n"
        << "F [Hz]\tAmpl [dB]\tPhase [\xF8]\r\n";
    for (int e = 0; e < 135; ++e)
        ref << std::pow(10.0, 1 + e / 40.0) << "\t6.0206\t0.0\r\n";
    ref.close();
    const ToolRun run = RunInProcess(
        {"--type", "4", "--reference", dir / "probe.oct", "--out", dir / "z.oct", dir / "div.wav"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const OctFile oct = ReadOct(dir / "z.oct");
    EXPECT_EQ(oct.Header[10], "Reference Spectrum\tYes\tprobe.oct");
    ExpectCoil(oct, true);
}

TEST(CurvesTest, SensorAndReferenceChangeTheLevelsAsTheGuiCurvesDo) {
    TempFolder dir;
    const auto pseudo = Repeat(PseudoPeriod(), 2);
    WriteWav(dir / "pink.wav", Interleave(pseudo, pseudo), 2);
    ASSERT_EQ(RunInProcess({"--out", dir / "base.oct", dir / "pink.wav"}).Status, 0);
    const OctFile base = ReadOct(dir / "base.oct");

    // 10 mV/Pa: a flat sensor shows the level 40 dB higher, inside the file's range only.
    std::ofstream sen(dir / "mic.SEN", std::ios::binary);
    sen << "#This file contains sensor information to be used by Terzlab.exe\r\n"
        << "Title\tMessmikrofon\r\nSensitivity at 1000 Hz in mV/dimension\t10\r\n"
        << "dB-offset\t0\r\nF [Hz]\tAmpl [dB]\tPhase [\xF8]\r\n"
        << "100\t0\t0\r\n1000\t0\t0\r\n10000\t0\t0\r\n";
    sen.close();
    ASSERT_EQ(RunInProcess({"--sensor", dir / "mic.SEN", "--out", dir / "s.oct", dir / "pink.wav"})
                  .Status,
              0);
    const OctFile sensed = ReadOct(dir / "s.oct");
    EXPECT_EQ(sensed.Header[9], "Sensor Compensation Spectrum\tYes\tmic.SEN");
    for (std::size_t b = 0; b < base.Bands.size(); ++b) {
        if (b == 40 || b == 120) continue; // the file's end points, on the edge of the range
        if (b > 40 && b < 120) {
            EXPECT_NEAR(sensed.Bands[b].Value, base.Bands[b].Value + 40, 0.011) << b;
        } else {
            EXPECT_EQ(sensed.Bands[b].Value, -999.99) << b;
        }
    }

    // The measurement as its own reference leaves nothing but the rounding of the file.
    ASSERT_EQ(
        RunInProcess({"--reference", dir / "base.oct", "--out", dir / "r.oct", dir / "pink.wav"})
            .Status,
        0);
    const OctFile referenced = ReadOct(dir / "r.oct");
    EXPECT_EQ(referenced.Header[10], "Reference Spectrum\tYes\tbase.oct");
    for (const Band& b : referenced.Bands) {
        if (b.Value != -999.99) {
            EXPECT_NEAR(b.Value, 0.0, 0.006) << b.Freq;
        }
    }
}

} // namespace
} // namespace terzlab::test
