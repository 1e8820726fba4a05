// terzlab-analyze around the measurement session, whose arithmetic the analysis tests pin: the
// options, refusals and files that are the tool's own. Recordings are made from the generator's
// stimuli, the tool runs in process on a folder of the test's own, its files are read back.
#include "analysis/bands.h"
#include "analyze/graph_render.h"
#include "analyze/options.h"
#include "analyze/run.h"
#include "support/temp_folder.h"
#include "support/transcript.h"
#include "support/wav_file.h"
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <numbers>
#include <sstream>
#include <sys/wait.h>

namespace terzlab::test {

using Samples = std::vector<int16_t>;

// The left channel of the first frames of a stimulus file ("pseudo.wav", "multi.wav").
Samples Period(const std::string& stimulus, std::size_t frames) {
    const std::string bytes = readFile(std::string(TERZLAB_BIN_DIR "/") + stimulus);
    Samples left(frames);
    for (std::size_t i = 0; i < frames && 48 + 4 * i <= bytes.size(); ++i)
        std::memcpy(&left[i], bytes.data() + 44 + 4 * i, 2);
    return left;
}

Samples Scaled(const Samples& x, std::initializer_list<double> gains) { // a copy for each gain
    Samples out;
    for (const double gain : gains)
        for (const int16_t s : x)
            out.push_back(static_cast<int16_t>(std::lround(s * gain)));
    return out;
}

struct Band {
    double Freq, Value, Phase;
};
struct OctFile {
    std::string Text;
    std::vector<Band> Bands;
};

class AnalyzeTest : public ::testing::Test {
  protected:
    // A command line where "@name" is a file of the folder; --out @out.oct unless it has one.
    // Returns the exit status; what went to stderr is left in err.
    int Tool(const std::string& line) {
        std::vector<std::string> args = dir.args(line);
        if (line.find("--out") == std::string::npos)
            args.insert(args.begin(), {"--out", dir / "out.oct"});
        std::ostringstream stream;
        const int status = analyze::RunAnalyze(args, stream);
        err = stream.str();
        return status;
    }
    // A run expected to succeed, and the measurement file it wrote.
    OctFile Analyse(const std::string& line, const std::string& out = "out.oct") {
        EXPECT_EQ(Tool("--out @" + out + " " + line), 0) << line << ": " << err;
        return ReadOct(out);
    }
    OctFile ReadOct(const std::string& name) {
        OctFile oct{readFile(dir / name), {}};
        std::istringstream in(oct.Text.substr(std::min(oct.Text.find("F [Hz]"), oct.Text.size())));
        in.ignore(100, '\n');
        for (Band b{}; in >> b.Freq >> b.Value >> b.Phase;)
            oct.Bands.push_back(b);
        return oct;
    }
    bool Has(const OctFile& oct, const std::string& line) {
        return oct.Text.find("\r\n" + line + "\r\n") != std::string::npos;
    }
    void Stereo(const std::string& name, const Samples& left, const Samples& right) {
        Samples both;
        for (std::size_t i = 0; i < left.size(); ++i)
            both.insert(both.end(), {left[i], right[i]});
        writeWav(dir / name, both, 2);
    }
    using Row = std::pair<const char*, double>; // arguments, value expected in every band
    TempFolder dir;
    std::string err;
    const Samples pseudo = Period("pseudo.wav", 16384);
};

// Every refusal (tests/data/analyze_refusals.txt): exit status 2, one line on stderr naming the
// fault, and no file written.
TEST_F(AnalyzeTest, RefusalsExitWithTwoAndOneLineAndWriteNothing) {
    writeWav(dir / "good.wav", Samples(2 * 16384 * 2 + 10, 100), 2);
    writeWav(dir / "slow.wav", Samples(2 * 16384 * 2, 100), 2, 22050);
    writeWav(dir / "short.wav", Samples(2 * 16383, 100), 2);
    std::ofstream(dir / "bad.SEN") << "Title\tkein Kopf\r\n";
    const std::string before = readFile(dir / "good.wav");
    const std::size_t files = dir.fileCount();
    const auto refused = [&](const std::string& args) {
        const int status = Tool(args);
        EXPECT_EQ(dir.fileCount(), files) << args;
        return "exit " + std::to_string(status) + ": " + err;
    };
    EXPECT_EQ(Replayed(TERZLAB_TEST_DATA "/analyze_refusals.txt",
                       {{"<data>", TERZLAB_TEST_DATA},
                        {"<folder>", dir.path().string()},
                        {"<usage>", std::string(analyze::kUsage)}},
                       refused),
              readFile(TERZLAB_TEST_DATA "/analyze_refusals.txt"));
    EXPECT_EQ(readFile(dir / "good.wav"), before);
    // The executable itself, as a script sees it.
    const std::string call = std::string(TERZLAB_BIN_DIR) + "/terzlab-analyze --out " +
                             (dir / "a.oct") + " " + (dir / "good.wav") + " 2>/dev/null";
    EXPECT_EQ(WEXITSTATUS(std::system((call + " --type 2").c_str())), 2);
    EXPECT_EQ(WEXITSTATUS(std::system(call.c_str())), 0);
    EXPECT_EQ(ReadOct("a.oct").Bands.size(), 134u);
}

// Overloaded means a peak above 32000, on either polarity; the file is written all the same.
TEST_F(AnalyzeTest, OverloadIsReportedPerChannelAndIsNoError) {
    for (const int peak : {32001, -32001}) {
        Samples over(16384, 0), limit(16384, 0);
        over[100] = static_cast<int16_t>(peak);
        limit[100] = static_cast<int16_t>(peak > 0 ? 32000 : -32000);
        Stereo("l.wav", over, limit);
        Stereo("r.wav", limit, over);
        EXPECT_EQ(Tool("@l.wav"), 0);
        EXPECT_EQ(err, "OVL left\n");
        EXPECT_EQ(Tool("@r.wav"), 0);
        EXPECT_EQ(err, "OVL right\n");
        EXPECT_EQ(ReadOct("out.oct").Bands.size(), 134u);
    }
}

// The picture follows --resolution, the measurement file and the export keep 1/12 octave.
TEST_F(AnalyzeTest, PictureExportAndSvgBesideTheFile) {
    if (!analyze::GraphPicturesAvailable()) GTEST_SKIP() << "built without the drawing layer";
    TempFolder runtime; // Qt's runtime folder would otherwise stay behind in /tmp
    ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
    Stereo("pink.wav", pseudo, pseudo);
    const std::string oct =
        Analyse("--resolution 3 --png @3.png --export @m.frd --svg @m.svg @pink.wav").Text;
    EXPECT_EQ(Analyse("--resolution 12 --png @12.png @pink.wav", "12.oct").Text, oct);
    // The picture's size is the shared drawing code's, checked with terzlab-export.
    EXPECT_NE(readFile(dir / "3.png"), readFile(dir / "12.png"));

    const std::string top = "Phase [\xF8]\r\n";
    const std::string bands = oct.substr(oct.find(top) + top.size());
    EXPECT_TRUE(readFile(dir / "m.frd").ends_with(bands));
    EXPECT_NE(readFile(dir / "m.svg").find("<path"), std::string::npos);
}

// The pseudo-noise reads 0 dB from 20 Hz (band 12) to 20 kHz (band 132) as the program shows it.
TEST_F(AnalyzeTest, OptionsShiftSelectAndAverageTheLevels) {
    Samples steps = Scaled(pseudo, {0.5, 1, 0.25}); // blocks at -6, 0 and -12 dB
    steps.insert(steps.end(), 5000, 30000);         // an incomplete last block is not analysed
    Stereo("steps.wav", steps, steps);
    Stereo("half.wav", Scaled(pseudo, {0.5, 0.5}), Scaled(pseudo, {1, 1}));
    const Row rows[] = {
        {"--blocks 1 @steps.wav", -6.02},
        {"--skip 1 --blocks 1 @steps.wav", 0.0},
        {"@steps.wav", 10 * std::log10((0.25 + 1 + 0.0625) / 3)}, // the first replaces
        {"--channel left @half.wav", -6.02},
        {"--channel left --calib-left 6.02 --calib-right -9 @half.wav", 0.0},
        {"--level-offset 0 --calib-right 1.5 @half.wav", -32.0},
        {"--type 1 --level-offset 0 @half.wav", -6.02},
        {"--type 1 --exchange @half.wav", 33.5 + 6.02},
    };
    for (const auto& [args, value] : rows) {
        const OctFile oct = Analyse(args);
        ASSERT_EQ(oct.Bands.size(), 134u) << args;
        for (int b = 12; b <= 132; ++b)
            EXPECT_NEAR(oct.Bands[b].Value, value, 0.3) << args << ", band " << b;
    }
    writeWav(dir / "mono.wav", steps, 1); // as a stereo recording with both channels equal
    for (const std::string type : {"--type 0 ", "--type 1 "})
        EXPECT_EQ(Analyse(type + "@mono.wav", "m.oct").Text, Analyse(type + "@steps.wav").Text)
            << type;
}

TEST_F(AnalyzeTest, HeaderIsTheSaveCommandsAndSensorAndReferenceFilesChangeTheLevels) {
    Stereo("pink.wav", Scaled(pseudo, {1, 1}), Scaled(pseudo, {1, 1}));
    const OctFile base = Analyse("--title Lauf7 @pink.wav", "base.oct");
    const std::string header = readFile(TERZLAB_TEST_DATA "/oct_analyzed_header.OCT");
    EXPECT_EQ(base.Text.substr(0, header.size()), header);
    // 10 mV/Pa from 100 Hz to 10 kHz: a flat sensor shows the level 40 dB higher, inside the
    // file's range only.
    const OctFile sensed =
        Analyse("--sensor " TERZLAB_TEST_DATA "/sen_flat_100hz_10khz.SEN @pink.wav");
    EXPECT_TRUE(Has(sensed, "Sensor Compensation Spectrum\tYes\tsen_flat_100hz_10khz.SEN"));
    for (std::size_t b = 0; b < base.Bands.size(); ++b) {
        if (b == 40 || b == 120) continue; // the file's end points, on the edge of its range
        const double expected = b > 40 && b < 120 ? base.Bands[b].Value + 40 : -999.99;
        EXPECT_NEAR(sensed.Bands[b].Value, expected, 0.011) << b;
    }
    // The measurement as its own reference leaves nothing but the rounding of the file.
    const OctFile referenced = Analyse("--reference @base.oct @pink.wav");
    EXPECT_TRUE(Has(referenced, "Reference Spectrum\tYes\tbase.oct"));
    for (std::size_t b = 12; b <= 132; ++b)
        EXPECT_NEAR(referenced.Bands[b].Value, 0.0, 0.006) << b;
}

constexpr int kBlock = 65536;

TEST_F(AnalyzeTest, ImpedanceTypesReadTheDividerWithTheGivenResistorAndTheWideRange) {
    const Samples multi = Period("multi.wav", kBlock), silence(kBlock, 0);
    // Left across Z, right the source; the source through a 1:2 probe; across Rv, then Z.
    Stereo("div.wav", Scaled(multi, {1.0 / 3, 1.0 / 3}), Scaled(multi, {1, 1}));
    Stereo("probe.wav", Scaled(multi, {1.0 / 3}), Scaled(multi, {0.5}));
    Stereo("p1.wav", Scaled(multi, {0.5}), silence);
    Stereo("p2.wav", Scaled(multi, {0.25, 0.25, 0.25}), Scaled(silence, {1, 1, 1}));
    Stereo("p1r.wav", silence, Scaled(multi, {0.5}));
    Stereo("p2r.wav", Scaled(silence, {1, 1, 1}), Scaled(multi, {0.25, 0.25, 0.25}));
    const Row rows[] = {
        {"--type 4 @div.wav", 5.0},
        {"--type 4 --rv 20 @div.wav", 10.0},
        {"--type 4 --reference " TERZLAB_TEST_DATA "/oct_plus_6db.OCT @probe.wav", 5.0}, // 1:2
        {"--type 3 --channel left @p1.wav @p2.wav", 5.0},
        {"--type 3 --channel right @p1r.wav @p2r.wav", 5.0},
    };
    for (const auto& [args, value] : rows) {
        const OctFile oct = Analyse(args);
        EXPECT_TRUE(Has(oct, "Block size\t65536")) << args;
        EXPECT_TRUE(Has(oct, "F [Hz]\tImp [Ohm]\tPhase [\xF8]")) << args;
        ASSERT_GT(oct.Bands.size(), 100u) << args;
        for (const Band& b : oct.Bands)
            EXPECT_NEAR(b.Value, value, 0.01 * value) << args << ", " << b.Freq;
    }
    // A tone one bin beside a band's own bin: the wide range finds it, --no-wide-range does not.
    BandState grid;
    BuildBandTable(grid, {.BlockSize = kBlock, .Type = MeasType::ImpedanceTwoChannel});
    const int band = 100, k = grid.Table.BandBin[band] + 1;
    Samples tone(kBlock);
    for (int t = 0; t < kBlock; ++t)
        tone[t] = static_cast<int16_t>(
            std::lround(10000 * std::cos(2 * std::numbers::pi * k * t / kBlock)));
    Stereo("off.wav", Scaled(tone, {0.5}), tone);
    EXPECT_NEAR(Analyse("--type 4 @off.wav").Bands[band].Value, 10.0, 0.01);
    const double narrow = Analyse("--type 4 --no-wide-range @off.wav").Bands[band].Value;
    EXPECT_FALSE(std::abs(narrow - 10.0) < 1.0) << narrow;
}

} // namespace terzlab::test
