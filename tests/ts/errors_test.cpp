// Every refusal of terzlab-ts: exit status 2, one line on stderr naming the fault, nothing on
// stdout.
#include "analysis/thiele_small.h"
#include "ts/ts_run.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace terzlab::test {
namespace {

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
    {"LoadedWithoutMass", "--loaded @good.oct @good.oct", "braucht die Zusatzmasse"},
    {"SdAndDiameter", "--added-mass 5 --loaded @good.oct --sd 1 --diameter 1 @good.oct",
     "schließen einander aus"},
    {"Missing", "@none.oct", "fehlt oder ist nicht lesbar"},
    {"LevelFile", "@level.oct", "keine Impedanzmessung"},
    {"NoResonance", "@flat.oct", "keine Resonanzspitze"},
    {"PeakAtTheEdge", "@low.oct", "am Rand des Messbereichs"},
    {"LoadedNotLower", "--added-mass 5 --loaded @good.oct @good.oct", "nicht tiefer"},
};

class ErrorTest : public ::testing::TestWithParam<ErrorCase> {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(dir);
        WriteOct(dir / "good.oct", {6, 0.5e-3, 0.05, 40, 4, 0.5}, "Impedance Spectrum [Ohm]");
        WriteOct(dir / "level.oct", {6, 0.5e-3, 0.05, 40, 4, 0.5}, "Autopower Spectrum [dB]");
        WriteOct(dir / "flat.oct", {8, 0, 0, 40, 4, 1e9}, "Impedance Spectrum [Ohm]");
        WriteOct(dir / "low.oct", {6, 0.5e-3, 0.05, 9, 4, 0.5}, "Impedance Spectrum [Ohm]");
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("terzlab_ts_errors_" + std::to_string(std::random_device()()));
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
