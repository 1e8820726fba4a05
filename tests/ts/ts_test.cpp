// terzlab-ts on simulated drivers measured through the 10-ohm divider with a multi-sine, analysed
// block by block as terzlab-analyze does, saved as measurement files and read back by terzlab-ts:
// the parameters it prints against the drivers' own. And every refusal: exit status 2, one line on
// stderr naming the fault, nothing on stdout.
#include "analysis/session.h"
#include "analysis/thiele_small.h"
#include "audio/virtual/divider_model.h"
#include "files/measurement_writer.h"
#include "support/temp_folder.h"
#include "ts/ts_run.h"

#include <cmath>
#include <complex>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <numbers>
#include <random>
#include <set>
#include <sstream>

namespace terzlab::test {
namespace {

constexpr int kBlock = 65536;
constexpr int kRate = 44100;
constexpr int kBlocks = 2;
constexpr double kRv = 10.0;

// One period of equal tones on the impedance bands' bins, -16 dBFS in all.
const std::vector<double>& MultiSine() {
    static const std::vector<double> period = [] {
        BandState grid;
        BuildBandTable(grid, {kRate, kBlock, meas::kImpedanceTwoChannel});
        const std::set<int> bins(grid.Table.BandBin.begin(), grid.Table.BandBin.end() - 1);
        const double amplitude = std::pow(10.0, -16.0 / 20) * std::sqrt(2.0 / bins.size());
        std::vector<double> x(kBlock);
        std::mt19937 rng(5);
        std::uniform_real_distribution<double> phase(0, 2 * std::numbers::pi);
        for (const int k : bins) {
            const std::complex<double> step = std::polar(1.0, 2 * std::numbers::pi * k / kBlock);
            std::complex<double> rot = std::polar(amplitude, phase(rng));
            for (int t = 0; t < kBlock; ++t, rot *= step)
                x[t] += rot.real();
        }
        return x;
    }();
    return period;
}

struct Recorder {
    double noise; // RMS, full scale 1
    std::mt19937_64 rng{17};
    std::normal_distribution<double> gauss;
    int16_t Sample(double v) {
        return static_cast<int16_t>(
            std::clamp(std::nearbyint((v + noise * gauss(rng)) * 32768.0), -32768.0, 32767.0));
    }
    // Blocks after one period of settling: left, right = across the driver, the source (part 0),
    // or one voltage of the one-channel method on both inputs (part 1 resistor, 2 driver).
    std::vector<std::vector<int16_t>> Record(const audio::DriverImpedance& d, int part) {
        audio::DividerModel divider;
        divider.configure(kRate, kRv, d);
        std::vector<std::vector<int16_t>> blocks(kBlocks + 1, std::vector<int16_t>(2 * kBlock));
        for (auto& block : blocks)
            for (int t = 0; t < kBlock; ++t) {
                const double s = MultiSine()[t];
                const auto v = divider.step(s);
                const double left = part == 1 ? v.acrossResistor : v.acrossLoad;
                block[2 * t] = Sample(left);
                block[2 * t + 1] = Sample(part == 0 ? s : left);
            }
        blocks.erase(blocks.begin());
        return blocks;
    }
};

// The measurement file terzlab-analyze would write for the driver.
void Measure(const audio::DriverImpedance& d, int type, Recorder& rec, const std::string& path) {
    MeasurementSession session;
    session.SelectType(static_cast<int16_t>(type), kRate);
    AxisRange range;
    for (const int part : type == meas::kImpedanceOneChannel ? std::vector{1, 2} : std::vector{0}) {
        const auto blocks = rec.Record(d, part);
        for (int n = 0; n < kBlocks; ++n) {
            const DisplayInputs show{.MeasTypeIndex = static_cast<int16_t>(type),
                                     .ActiveChannel = 1,
                                     .ImpedancePart = static_cast<int16_t>(part),
                                     .AvgCount = static_cast<int16_t>(n),
                                     .SeriesResistor = float(kRv),
                                     .MeasValid = true};
            session.AddBlock(blocks[n], show, true, true, kBlocks, range);
        }
    }
    MeasurementHeader header;
    header.BlockSize = session.BlockSize();
    header.MeasTypeIndex = static_cast<int16_t>(type);
    std::ofstream(path, std::ios::binary) << MeasurementFileText(header, session.Bands());
}

std::map<std::string, double> RunTs(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    EXPECT_EQ(ts::RunTs(args, out, err), ts::kExitOk) << err.str();
    std::map<std::string, double> values;
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);)
        values[line.substr(0, line.find('='))] = std::stod(line.substr(line.find('=') + 1));
    return values;
}

// From small tweeter-like woofers to long-throw subwoofers: fs, Qms, Qes, Le [mH], Re, Mms [g].
struct Driver {
    double fs, qms, qes, leMh, re, mms;
};
const Driver kDrivers[] = {
    {20, 10.0, 0.90, 2.0, 3.4, 180}, {22, 1.4, 0.30, 1.5, 5.6, 120}, {35, 4.0, 0.45, 0.8, 6.2, 45},
    {48, 2.5, 0.60, 0.5, 7.0, 22},   {70, 6.0, 0.35, 0.3, 5.8, 10},  {95, 1.4, 0.90, 0.1, 3.2, 6},
    {150, 10.0, 0.30, 0.1, 6.4, 3},  {150, 2.0, 0.70, 0.6, 7.8, 4},
};

struct Case {
    const char* name;
    int type;
    double noiseDbfs; // below -200: none
    double r2;        // the coil's loss resistance
    bool giveRe;
    double scale; // of the limits
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class AccuracyTest : public ::testing::TestWithParam<Case> {};

TEST_P(AccuracyTest, FittedParametersMatchTheSimulatedDrivers) {
    const Case& c = GetParam();
    test::TempFolder dir;
    Recorder rec{std::pow(10.0, c.noiseDbfs / 20), {}, {}};
    for (const Driver& k : kDrivers) {
        const audio::DriverImpedance d{k.re, k.leMh * 1e-3, c.r2, k.fs, k.qms, k.qes, k.mms};
        const double sd = 2.0 * std::pow(k.mms, 0.6) * 10; // cm^2, grows with the mass
        const std::string free = dir / "free.oct";
        const std::string loaded = dir / "loaded.oct";
        Measure(d, c.type, rec, free);
        Measure(audio::withAddedMass(d, k.mms / 2), c.type, rec, loaded);
        std::vector<std::string> args = {
            "--added-mass", std::to_string(k.mms / 2), "--loaded", loaded,
            "--sd",         std::to_string(sd),        free};
        if (c.giveRe) args.insert(args.begin(), {"--re", std::to_string(k.re)});
        SCOPED_TRACE(std::to_string(k.fs) + " Hz, Qms " + std::to_string(k.qms));
        const auto got = RunTs(args);
        const double w = 2 * std::numbers::pi * k.fs, cms = 1e3 / (w * w * k.mms * 1e-3);
        const struct {
            const char* name;
            double want, limitPercent;
        } expected[] = {{"fs_Hz", k.fs, 0.5},
                        {"Re_ohm", k.re, 1},
                        {"Qms", k.qms, 2},
                        {"Qes", k.qes, 2},
                        {"Qts", k.qms * k.qes / (k.qms + k.qes), 2},
                        {"Mms_g", k.mms, 3},
                        {"Bl_Tm", std::sqrt(w * k.mms * 1e-3 * k.re / k.qes), 3},
                        {"Cms_mm_per_N", cms, 4},
                        {"Vas_l", VasLitres(cms, sd), 4}};
        for (const auto& e : expected) {
            ASSERT_TRUE(got.count(e.name)) << e.name;
            EXPECT_LE(100 * std::fabs(got.at(e.name) / e.want - 1), c.scale * e.limitPercent)
                << e.name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Ts, AccuracyTest,
                         ::testing::Values(Case{"TwoChannel", 4, -300, 15, false, 1},
                                           Case{"OneChannel", 3, -300, 15, false, 1},
                                           Case{"TwoChannelNoise", 4, -55, 15, false, 2},
                                           Case{"OneChannelNoise", 3, -55, 15, false, 2},
                                           Case{"TwoChannelLossyCoilReGiven", 4, -300, 3, true, 1},
                                           Case{"OneChannelLossyCoilReGiven", 3, -300, 3, true, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

// An impedance file of 130 bands from 10 Hz; the driver's phase, or 0 for the one-channel form.
void WriteOct(const std::filesystem::path& path, const DriverModel& d, const char* result) {
    std::ofstream out(path, std::ios::binary);
    out << std::fixed;
    out << "#This file contains data created by Terzlab\r\nTitle\tT\r\nResult type\t" << result
        << "\r\nF [Hz]\tImp [Ohm]\tPhase [\xF8]\r\n";
    for (int e = 0; e < 130; ++e) {
        const double f = std::pow(10.0, 1 + e / 40.0);
        const auto z = d.Impedance(f);
        out << f << '\t' << std::abs(z) << '\t' << std::arg(z) * 180 / 3.14159265 << "\r\n";
    }
}

struct ErrorCase {
    const char* name;
    const char* args; // "@name" is a file of the test's folder
    const char* message;
};

const ErrorCase kCases[] = {
    {"UnknownOption", "--fast @good.oct", "Unbekannte Option: --fast"},
    {"BadNumber", "--re 0 @good.oct", "Ungültiger Wert für --re"},
    {"MassWithoutLoaded", "--added-mass 10 @good.oct", "braucht die Messung mit Zusatzmasse"},
    {"Missing", "@none.oct", "fehlt oder ist nicht lesbar"},
    {"LevelFile", "@level.oct", "keine Impedanzmessung"},
    {"NoResonance", "@flat.oct", "keine Resonanzspitze"},
    {"PeakAtTheEdge", "@low.oct", "am Rand des Messbereichs"},
    {"LoadedNotLower", "--added-mass 5 --loaded @good.oct @good.oct", "nicht tiefer"},
};

class ErrorTest : public ::testing::TestWithParam<ErrorCase> {
  protected:
    void SetUp() override {
        WriteOct(dir / "good.oct", {6, 0.5e-3, 0.05, 40, 4, 0.5}, "Impedance Spectrum [Ohm]");
        WriteOct(dir / "level.oct", {6, 0.5e-3, 0.05, 40, 4, 0.5}, "Autopower Spectrum [dB]");
        WriteOct(dir / "flat.oct", {8, 0, 0, 40, 4, 1e9}, "Impedance Spectrum [Ohm]");
        WriteOct(dir / "low.oct", {6, 0.5e-3, 0.05, 9, 4, 0.5}, "Impedance Spectrum [Ohm]");
    }
    test::TempFolder temp;
    const std::filesystem::path& dir = temp.path();
};

TEST_P(ErrorTest, ExitsWithOneLineAndPrintsNoValues) {
    std::vector<std::string> args;
    std::istringstream words(GetParam().args);
    for (std::string w; words >> w;)
        args.push_back(w[0] == '@' ? (dir / w.substr(1)).string() : w);
    std::ostringstream out, err;
    EXPECT_EQ(ts::RunTs(args, out, err), ts::kExitError);
    EXPECT_EQ(out.str(), "");
    const std::string text = err.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
    EXPECT_NE(text.find(GetParam().message), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(Ts, ErrorTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace terzlab::test
