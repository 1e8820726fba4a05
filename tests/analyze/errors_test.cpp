// Every refusal: exit status 2, one line on stderr naming the fault, and no file written.
#include "fixtures.h"
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace terzlab::test {
namespace {

struct ErrorCase {
    const char* name;
    std::function<std::vector<std::string>(const TempFolder&)> args;
    const char* message;
};

std::vector<std::string> With(const TempFolder& d, std::vector<std::string> extra) {
    std::vector<std::string> args = {"--out", d / "out.oct"};
    for (auto& a : extra)
        args.push_back(a.rfind("@", 0) == 0 ? d / a.substr(1) : a);
    return args;
}

const ErrorCase kCases[] = {
    {"UnknownOption",
     [](auto& d) {
         return With(d, {"--fast", "@good.wav"});
     },
     "Unbekannte Option: --fast"},
    {"PolarityType",
     [](auto& d) {
         return With(d, {"--type", "2", "@good.wav"});
     },
     "Polungsmessung"},
    {"NoBlocks",
     [](auto& d) {
         return With(d, {"--blocks", "0", "@good.wav"});
     },
     "--blocks"},
    {"ResistorOutOfRange",
     [](auto& d) {
         return With(d, {"--rv", "0", "@good.wav"});
     },
     "--rv"},
    {"NotANumber",
     [](auto& d) {
         return With(d, {"--calib-left", "3dB", "@good.wav"});
     },
     "--calib-left"},
    {"MissingValue",
     [](auto& d) {
         return With(d, {"@good.wav", "--title"});
     },
     "--title erwartet einen Wert"},
    {"NoOutput", [](auto& d) { return std::vector<std::string>{d / "good.wav"}; },
     "Keine Ausgabedatei"},
    {"SecondPartWithoutImpedance",
     [](auto& d) {
         return With(d, {"@good.wav", "@good.wav"});
     },
     "nur bei --type 3"},
    {"ImpedanceWithoutSecondPart",
     [](auto& d) {
         return With(d, {"--type", "3", "@good.wav"});
     },
     "2. Teils"},
    {"SensorOnImpedance",
     [](auto& d) {
         return With(d, {"--type", "4", "--sensor", "@bad.SEN", "@good.wav"});
     },
     "Sensorkompensation gibt es nur"},
    {"MissingRecording", [](auto& d) { return With(d, {"@none.wav"}); },
     "fehlt oder ist nicht lesbar"},
    {"TextAsRecording", [](auto& d) { return With(d, {"@bad.SEN"}); },
     "fehlt oder ist nicht lesbar"},
    {"WrongRate", [](auto& d) { return With(d, {"@slow.wav"}); }, "22050 Hz"},
    {"ShorterThanOneBlock", [](auto& d) { return With(d, {"@short.wav"}); }, "zu kurz"},
    {"SkipPastTheEnd",
     [](auto& d) {
         return With(d, {"--skip", "2", "@good.wav"});
     },
     "zu kurz"},
    {"MoreBlocksThanRecorded",
     [](auto& d) {
         return With(d, {"--blocks", "3", "@good.wav"});
     },
     "zu kurz"},
    {"ShortSecondPart",
     [](auto& d) {
         return With(d, {"--type", "3", "@good.wav", "@good.wav"});
     },
     "zu kurz"},
    {"MissingSensor",
     [](auto& d) {
         return With(d, {"--sensor", "@none.SEN", "@good.wav"});
     },
     "fehlt oder ist nicht lesbar"},
    {"SensorWithoutHeader",
     [](auto& d) {
         return With(d, {"--sensor", "@bad.SEN", "@good.wav"});
     },
     "keine Sensorkompensationsdatei"},
    {"ReferenceWithWrongStartLine",
     [](auto& d) {
         return With(d, {"--reference", "@two.oct", "@good.wav"});
     },
     "falsche Startzeile"},
    {"OutputOverRecording",
     [](auto& d) {
         return std::vector<std::string>{"--out", d / "good.wav", d / "good.wav"};
     },
     "überschreiben"},
};

class ErrorTest : public ::testing::TestWithParam<ErrorCase> {
  protected:
    void SetUp() override {
        WriteWav(dir / "good.wav", std::vector<int16_t>(2 * 16384 * 2 + 10, 100), 2);
        WriteWav(dir / "slow.wav", std::vector<int16_t>(2 * 16384 * 2, 100), 2, 22050);
        WriteWav(dir / "short.wav", std::vector<int16_t>(2 * 16383, 100), 2);
        std::ofstream(dir / "bad.SEN") << "Title\tkein Kopf\r\n";
        std::ofstream(dir / "two.oct") << "#This file contains data created by Terzlab\r\n"
                                       << "Title\tT\r\nResult type\tAutopower Spectrum [dB]\r\n"
                                       << "Octave resolution\t1/12\r\nF [Hz]\tAmpl [dB]\r\n";
    }
    TempFolder dir;
};

TEST_P(ErrorTest, ExitsWithOneLineAndWritesNothing) {
    const std::string before = ReadBytes(dir / "good.wav");
    const std::size_t files = dir.FileCount();
    const ToolRun run = RunInProcess(GetParam().args(dir));
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err.find("terzlab-analyze: "), 0u) << run.Err;
    EXPECT_NE(run.Err.find(GetParam().message), std::string::npos) << run.Err;
    EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1) << run.Err;
    EXPECT_EQ(dir.FileCount(), files);
    EXPECT_EQ(ReadBytes(dir / "good.wav"), before);
}

INSTANTIATE_TEST_SUITE_P(Refusals, ErrorTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The executable itself: its exit status and its files, as a script sees them.
TEST(ExecutableTest, ExitStatusAndOutputAsAScriptSeesThem) {
    TempFolder dir;
    WriteWav(dir / "rec.wav", std::vector<int16_t>(2 * 16384, 1000), 2);
    const std::string tool = std::string(TERZLAB_BIN_DIR) + "/terzlab-analyze";
    const std::string quiet = " 2>" + (dir / "err.txt");
    int status = std::system(
        (tool + " --type 2 --out " + (dir / "a.oct") + " " + (dir / "rec.wav") + quiet).c_str());
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_FALSE(std::filesystem::exists(dir / "a.oct"));
    status =
        std::system((tool + " --out " + (dir / "a.oct") + " " + (dir / "rec.wav") + quiet).c_str());
    EXPECT_EQ(WEXITSTATUS(status), 0) << ReadBytes(dir / "err.txt");
    EXPECT_EQ(ReadOct(dir / "a.oct").Bands.size(), 134u);
}

} // namespace
} // namespace terzlab::test
