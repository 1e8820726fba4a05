// Simulated drivers measured through the 10-ohm divider with a multi-sine, analysed block by
// block as terzlab-analyze does, saved as measurement files and read back by terzlab-ts: the
// parameters it prints against the drivers' own.
#include "analysis/bands.h"
#include "analysis/display_range.h"
#include "analysis/thiele_small.h"
#include "audio/virtual/divider_model.h"
#include "files/measurement_writer.h"
#include "ts/ts_run.h"

#include <cmath>
#include <complex>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <numbers>
#include <random>
#include <set>

namespace terzlab::test {
namespace {

constexpr int kBlock = 65536;
constexpr int kRate = 44100;
constexpr int kBlocks = 2;
constexpr double kRv = 10.0;

// The test's own folder, removed with everything in it.
struct TempDir {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("terzlab_ts_" + std::to_string(std::random_device()()));
    TempDir() { std::filesystem::create_directories(path); }
    ~TempDir() { std::filesystem::remove_all(path); }
};

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
    FftState fft;
    GetBlockSize(fft, type);
    BandState bands;
    BuildBandTable(bands, {kRate, fft.BlockSize, static_cast<int16_t>(type)});
    AxisRange range;
    for (const int part : type == meas::kImpedanceOneChannel ? std::vector{1, 2} : std::vector{0}) {
        const auto blocks = rec.Record(d, part);
        for (int n = 0; n < kBlocks; ++n) {
            LoadBlock(fft, blocks[n]);
            const auto p = static_cast<int16_t>(part), avg = static_cast<int16_t>(n);
            BandAnalysisInputs in{static_cast<int16_t>(type), avg, 1, p, float(kRv), true, false};
            BandAnalysis(bands, fft, in);
            DisplayInputs show{.MeasTypeIndex = static_cast<int16_t>(type),
                               .ActiveChannel = 1,
                               .ImpedancePart = p,
                               .AvgCount = avg,
                               .MeasValid = true,
                               .NewBlock = true};
            GetDbRange(bands, show, n == 0 || n == kBlocks - 1, range);
        }
    }
    MeasurementHeader header;
    header.BlockSize = fft.BlockSize;
    header.MeasTypeIndex = static_cast<int16_t>(type);
    std::ofstream(path, std::ios::binary) << MeasurementFileText(header, bands);
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
    const std::map<std::string, double> limit = {{"fs_Hz", 0.5}, {"Re_ohm", 1},       {"Qms", 2},
                                                 {"Qes", 2},     {"Qts", 2},          {"Mms_g", 3},
                                                 {"Bl_Tm", 3},   {"Cms_mm_per_N", 4}, {"Vas_l", 4}};
    std::map<std::string, double> worst;
    TempDir dir;
    Recorder rec{std::pow(10.0, c.noiseDbfs / 20), {}, {}};
    for (const Driver& k : kDrivers) {
        const audio::DriverImpedance d{k.re, k.leMh * 1e-3, c.r2, k.fs, k.qms, k.qes, k.mms};
        const double sd = 2.0 * std::pow(k.mms, 0.6) * 10; // cm^2, grows with the mass
        const std::string free = (dir.path / "free.oct").string();
        const std::string loaded = (dir.path / "loaded.oct").string();
        Measure(d, c.type, rec, free);
        Measure(audio::withAddedMass(d, k.mms / 2), c.type, rec, loaded);
        std::vector<std::string> args = {
            "--added-mass", std::to_string(k.mms / 2), "--loaded", loaded,
            "--sd",         std::to_string(sd),        free};
        if (c.giveRe) args.insert(args.begin(), {"--re", std::to_string(k.re)});
        SCOPED_TRACE(std::to_string(k.fs) + " Hz, Qms " + std::to_string(k.qms));
        const auto got = RunTs(args);
        const double w = 2 * std::numbers::pi * k.fs, cms = 1e3 / (w * w * k.mms * 1e-3);
        const std::map<std::string, double> truth = {
            {"fs_Hz", k.fs},
            {"Re_ohm", k.re},
            {"Qms", k.qms},
            {"Qes", k.qes},
            {"Qts", k.qms * k.qes / (k.qms + k.qes)},
            {"Mms_g", k.mms},
            {"Bl_Tm", std::sqrt(w * k.mms * 1e-3 * k.re / k.qes)},
            {"Cms_mm_per_N", cms},
            {"Vas_l", VasLitres(cms, sd)}};
        for (const auto& [name, want] : truth) {
            ASSERT_TRUE(got.count(name)) << name;
            const double percent = 100 * std::fabs(got.at(name) / want - 1);
            worst[name] = std::max(worst[name], percent);
            EXPECT_LE(percent, c.scale * limit.at(name))
                << name << " of the driver at " << k.fs << " Hz, Qms " << k.qms;
        }
    }
    for (const auto& [name, percent] : worst)
        std::cout << name << " " << percent << " %  ";
    std::cout << '\n';
}

INSTANTIATE_TEST_SUITE_P(Ts, AccuracyTest,
                         ::testing::Values(Case{"TwoChannel", 4, -300, 15, false, 1},
                                           Case{"OneChannel", 3, -300, 15, false, 1},
                                           Case{"TwoChannelNoise", 4, -55, 15, false, 2},
                                           Case{"OneChannelNoise", 3, -55, 15, false, 2},
                                           Case{"TwoChannelLossyCoilReGiven", 4, -300, 3, true, 1},
                                           Case{"OneChannelLossyCoilReGiven", 3, -300, 3, true, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace terzlab::test
