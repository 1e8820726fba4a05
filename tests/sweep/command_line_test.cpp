// terzlab-make-stimuli --sweep and terzlab-analyze --sweep on a recording of a known system:
// the printed delay, the files written and the refusals.
#include "analyze/run.h"
#include "analyze/sweep_files.h"
#include "support/temp_folder.h"
#include "support/transcript.h"
#include "support/wav_file.h"
#include "sweep/known_system.h"

#include <gtest/gtest.h>

#include <fstream>
#include <numbers>
#include <sstream>

namespace terzlab::sweep {
namespace {

constexpr SweepSettings kSweep{.SampleRate = 48000, .F1 = 10, .F2 = 20000, .Samples = 1 << 16};
const test::KnownSystem kSystem{.ReflectionMs = 4, .NoiseDb = -70, .CardDelay = 300};

int tool(const std::string& name, const std::string& args) {
    return WEXITSTATUS(
        std::system((std::string(TERZLAB_BIN_DIR) + "/" + name + " " + args).c_str()));
}

struct SweepCommand : ::testing::Test {
    test::TempFolder dir;
    std::string out, err;
    // The generator's defaults but a shorter sweep; microphone left, loopback right.
    void SetUp() override {
        ASSERT_EQ(tool("terzlab-make-stimuli", "--sweep " + dir / "s.wav" + " --samples 65536"), 0);
        const test::Recording rec = test::Record(kSweep, kSystem);
        std::vector<int16_t> samples;
        for (std::size_t i = 0; i < rec.Microphone.size(); ++i)
            for (const float v : {rec.Microphone[i], rec.Loopback[i]})
                samples.push_back(static_cast<int16_t>(std::lround(v * 32767.0f)));
        test::writeWav(dir / "r.wav", samples, 2, 48000);
    }
    int analyze(const std::string& line) {
        std::ostringstream o, e;
        const int code = analyze::RunAnalyze(dir.args("--sweep @s.wav " + line), e, o);
        out = o.str(), err = e.str();
        return code;
    }
};

TEST_F(SweepCommand, PrintsTheAcousticDelayAndWritesResponseFrdMeasurementAndDistortion) {
    ASSERT_EQ(analyze("--reference right --gate-ms 3.5 --ir @ir.wav --frd @o.frd --out @o.oct "
                      "--distortion @d.csv @r.wav"),
              0)
        << err;
    double delayMs = 0, distance = 0, gateLow = 0;
    ASSERT_EQ(std::sscanf(out.c_str(), "delay_ms=%lf\ndistance_m=%lf\ngate_low_Hz=%lf", &delayMs,
                          &distance, &gateLow),
              3)
        << out;
    EXPECT_NEAR(delayMs * 48, kSystem.DelaySamples, 1.0);
    EXPECT_NEAR(distance, delayMs * 0.3432, 1e-4);
    EXPECT_NEAR(gateLow, 1000 / 3.5, 0.01);
    std::string error;
    const auto ir = analyze::ReadWholeSound(dir / "ir.wav", error);
    ASSERT_TRUE(ir && ir->Channels == 1 && ir->SampleRate == 48000 &&
                ir->Interleaved.size() >= 24000)
        << error;
    const auto peak = std::max_element(ir->Interleaved.begin(), ir->Interleaved.end());
    EXPECT_NEAR(peak - ir->Interleaved.begin(), kSystem.DelaySamples, 1.5);
    // From the FRD lines, the printed delay put back, to the direct sound: a delay is a falling
    // phase in the file.
    std::ifstream frd(dir / "o.frd");
    test::Worst w;
    int lines = 0;
    for (std::string line; std::getline(frd, line);) {
        double f, db, deg;
        if (line[0] == '*' || std::sscanf(line.c_str(), "%lf %lf %lf", &f, &db, &deg) != 3)
            continue;
        ++lines;
        if (f >= 2 * gateLow && f <= 0.8 * kSweep.F2)
            w.add(std::polar(std::pow(10, db / 20),
                             (deg / 180 - 2 * f * delayMs / 1000) * std::numbers::pi),
                  test::DirectAt(kSystem, f, 48000));
    }
    EXPECT_GT(lines, 1000);
    EXPECT_LT(w.Db, 0.2);
    EXPECT_LT(w.Degrees, 5.0);
    // terzlab-export reads the measurement file, also as a comparison curve.
    EXPECT_EQ(tool("terzlab-export", dir / "o.oct" + " " + dir / "o.csv"), 0);
    if (TERZLAB_PICTURES) {
        EXPECT_EQ(tool("terzlab-export",
                       "--comparison " + dir / "o.oct" + " " + dir / "o.oct" + " " + dir / "o.svg"),
                  0);
    }
    EXPECT_EQ(test::readFile(dir / "d.csv")
                  .rfind("frequency_hz,k2_percent,k3_percent,k4_percent,"
                         "k5_percent,thd_percent,noise_percent\r\n10.",
                         0),
              0u);
}

// One line on stderr naming the fault, exit 2, and nothing written.
TEST_F(SweepCommand, RefusesWhatDoesNotFitAndLeavesNothing) {
    test::writeWav(dir / "silence.wav", std::vector<int16_t>(2 * 200000, 0), 2, 48000);
    test::writeWav(dir / "clipped.wav", std::vector<int16_t>(2 * 200000, 32767), 2, 48000);
    test::writeWav(dir / "mono.wav", std::vector<int16_t>(200000, 100), 1, 48000);
    test::writeWav(dir / "other_rate.wav", std::vector<int16_t>(2 * 200000, 100), 2, 44100);
    const std::size_t inputs = dir.fileCount();
    const auto refused = [&](const std::string& args) {
        const int status =
            analyze("--ir @ir.wav --frd @o.frd --out @o.oct --distortion @d.csv " + args);
        return "exit " + std::to_string(status) + ": " + out + err +
               (dir.fileCount() == inputs ? "" : "and wrote files\n");
    };
    EXPECT_EQ(test::Replayed(TERZLAB_TEST_DATA "/sweep_refusals.txt",
                             {{"<folder>", dir.path().string()}}, refused),
              test::readFile(TERZLAB_TEST_DATA "/sweep_refusals.txt"));
    EXPECT_EQ(
        tool("terzlab-make-stimuli", "--sweep " + dir / "x.wav" + " --from 15000 2>/dev/null"), 2);
    EXPECT_EQ(dir.fileCount(), inputs);
}

} // namespace
} // namespace terzlab::sweep
