// Every refusal: exit status 2, one line on stderr naming the fault, and no file written.
#include "fixtures.h"
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>

namespace terzlab::test {
namespace {

struct ErrorCase {
    const char* name;
    const char* args; // "@name" is a file of the test's folder
    const char* message;
};

const ErrorCase kCases[] = {
    {"UnknownOption", "--fast @good.wav", "Unbekannte Option: --fast"},
    {"PolarityType", "--type 2 @good.wav", "Polungsmessung"},
    {"ResistorOutOfRange", "--rv 0 @good.wav", "--rv"},
    {"MissingValue", "@good.wav --title", "--title erwartet einen Wert"},
    {"ImpedanceWithoutSecondPart", "--type 3 @good.wav", "2. Teils"},
    {"SensorOnImpedance", "--type 4 --sensor @bad.SEN @good.wav", "nur bei --type 0 und 1"},
    {"TextAsRecording", "@bad.SEN", "fehlt oder ist nicht lesbar"},
    {"WrongRate", "@slow.wav", "22050 Hz"},
    {"ShorterThanOneBlock", "@short.wav", "zu kurz"},
    {"MoreBlocksThanRecorded", "--skip 1 --blocks 2 @good.wav", "zu kurz"},
    {"SensorWithoutHeader", "--sensor @bad.SEN @good.wav", "keine Sensorkompensationsdatei"},
    {"ReferenceWithWrongStartLine", "--reference @two.oct @good.wav", "falsche Startzeile"},
    {"OutputOverRecording", "--out @good.wav @good.wav", "überschreiben"},
    {"FrdOfImpedance", "--type 4 --export @z.frd @good.wav", "nicht als FRD"},
    {"ExportOfUnknownKind", "--export @z.txt @good.wav", ".frd, .zma und .csv"},
    {"SvgOverExport", "--export @z.csv --svg @z.csv @good.wav", "dieselbe Datei"},
};

class ErrorTest : public ::testing::TestWithParam<ErrorCase> {
  protected:
    void SetUp() override {
        writeWav(dir / "good.wav", std::vector<int16_t>(2 * 16384 * 2 + 10, 100), 2);
        writeWav(dir / "slow.wav", std::vector<int16_t>(2 * 16384 * 2, 100), 2, 22050);
        writeWav(dir / "short.wav", std::vector<int16_t>(2 * 16383, 100), 2);
        std::ofstream(dir / "bad.SEN") << "Title\tkein Kopf\r\n";
        std::ofstream(dir / "two.oct")
            << "#This file contains data created by Terzlab\r\nTitle\tT\r\n"
            << "Result type\tAutopower Spectrum [dB]\r\n"
            << "Octave resolution\t1/12\r\nF [Hz]\tAmpl [dB]\r\n";
    }
    std::vector<std::string> Args(const std::string& line) {
        std::vector<std::string> args;
        if (line.find("--out") == std::string::npos) args = {"--out", dir / "out.oct"};
        std::istringstream words(line);
        for (std::string w; words >> w;)
            args.push_back(w[0] == '@' ? dir / w.substr(1) : w);
        return args;
    }
    TempFolder dir;
};

TEST_P(ErrorTest, ExitsWithOneLineAndWritesNothing) {
    const std::string before = ReadBytes(dir / "good.wav");
    const std::size_t files = dir.fileCount();
    const ToolRun run = RunInProcess(Args(GetParam().args));
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err.find("terzlab-analyze: "), 0u) << run.Err;
    EXPECT_NE(run.Err.find(GetParam().message), std::string::npos) << run.Err;
    EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1) << run.Err;
    EXPECT_EQ(dir.fileCount(), files);
    EXPECT_EQ(ReadBytes(dir / "good.wav"), before);
}

INSTANTIATE_TEST_SUITE_P(Refusals, ErrorTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExecutableTest, ExitStatusAndOutputAsAScriptSeesThem) {
    TempFolder dir;
    writeWav(dir / "rec.wav", std::vector<int16_t>(2 * 16384, 1000), 2);
    const std::string call = std::string(TERZLAB_BIN_DIR) + "/terzlab-analyze --out " +
                             (dir / "a.oct") + " " + (dir / "rec.wav") + " 2>/dev/null";
    EXPECT_EQ(WEXITSTATUS(std::system((call + " --type 2").c_str())), 2);
    EXPECT_EQ(dir.fileCount(), 1u);
    EXPECT_EQ(WEXITSTATUS(std::system(call.c_str())), 0);
    EXPECT_EQ(ReadOct(dir / "a.oct").Bands.size(), 134u);
}

} // namespace
} // namespace terzlab::test
