// Level spectra and transfer of recordings, read back from the measurement file the tool wrote.
#include "fixtures.h"
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace terzlab::test {
namespace {

// The bands the program's pseudo-noise keeps flat: 20 Hz to 20 kHz.
constexpr int kFirstFlat = 12;
constexpr int kLastFlat = 132;

class LevelsTest : public ::testing::Test {
  protected:
    std::string Recording(const std::string& name, const std::vector<int16_t>& left,
                          const std::vector<int16_t>& right) {
        WriteWav(dir / name, Interleave(left, right), 2);
        return dir / name;
    }

    OctFile Analyse(std::vector<std::string> args) {
        args.insert(args.begin(), {"--out", dir / "out.oct"});
        const ToolRun run = RunInProcess(args);
        EXPECT_EQ(run.Status, 0) << run.Err;
        return ReadOct(dir / "out.oct");
    }

    static void ExpectFlat(const OctFile& oct, double level, double tolerance) {
        ASSERT_EQ(oct.Bands.size(), 134u);
        for (int b = kFirstFlat; b <= kLastFlat; ++b)
            EXPECT_NEAR(oct.Bands[b].Value, level, tolerance) << "band " << b;
    }

    TempFolder dir;
    std::vector<int16_t> pseudo = PseudoPeriod();
};

TEST_F(LevelsTest, PinkPseudoNoiseReadsZeroDbAndTheHeaderIsTheSaveCommands) {
    const auto rec = Recording("pink.wav", Repeat(pseudo, 4), Repeat(pseudo, 4));
    const OctFile oct = Analyse({rec});
    ExpectFlat(oct, 0.0, 0.3);
    const std::vector<std::string> header = {"#This file contains data created by Terzlab",
                                             "Title\tBeschreibung der Messung",
                                             "Sample frequency [Hz]\t44100",
                                             "Block size\t16384",
                                             "Time window\tUniform",
                                             "Result type\tAutopower Spectrum [dB]",
                                             "Octave resolution\t1/12",
                                             "Signal input\tunknown\tunknown",
                                             "Calibrated input\tNo\t1.000",
                                             "Sensor Compensation Spectrum\tNo\tNone",
                                             "Reference Spectrum\tNo\tNone",
                                             "F [Hz]\tAmpl [dB]\tPhase [\xF8]"};
    EXPECT_EQ(oct.Header, header);
    EXPECT_EQ(oct.Bands[80].Freq, 1000);
    EXPECT_EQ(oct.Bands[80].Phase, 0.0);
}

TEST_F(LevelsTest, ChannelCalibrationAndLevelOffsetShiftTheLevels) {
    const auto rec = Recording("half.wav", Repeat(Scaled(pseudo, 0.5), 2), Repeat(pseudo, 2));
    ExpectFlat(Analyse({"--channel", "left", rec}), -6.02, 0.3);
    ExpectFlat(Analyse({"--channel", "left", "--calib-left", "6.02", "--calib-right", "-50", rec}),
               0.0, 0.3);
    ExpectFlat(Analyse({"--level-offset", "0", rec}), -33.5, 0.3);
    ExpectFlat(Analyse({"--title", "Mikrofon A", "--calib-right", "1.5", rec}), 1.5, 0.3);
    EXPECT_EQ(ReadOct(dir / "out.oct").Header[1], "Title\tMikrofon A");
}

// The blocks are taken as a stop-mode run takes them: the first replaces, the rest average.
TEST_F(LevelsTest, SkippedBlocksAreLeftOutAndTheOthersAveraged) {
    std::vector<int16_t> mono = Scaled(pseudo, 0.5);
    for (const double gain : {1.0, 0.25}) {
        const auto block = Scaled(pseudo, gain);
        mono.insert(mono.end(), block.begin(), block.end());
    }
    mono.insert(mono.end(), 5000, 30000); // an incomplete last block is not analysed
    const auto rec = Recording("steps.wav", mono, mono);
    ExpectFlat(Analyse({"--blocks", "1", rec}), -6.02, 0.3);
    ExpectFlat(Analyse({"--skip", "1", "--blocks", "1", rec}), 0.0, 0.3);
    ExpectFlat(Analyse({"--skip", "2", rec}), -12.04, 0.3);
    ExpectFlat(Analyse({rec}), 10 * std::log10((0.25 + 1 + 0.0625) / 3), 0.3);
}

TEST_F(LevelsTest, MonoRecordingEqualsStereoWithBothChannelsEqual) {
    std::mt19937 rng(7);
    std::normal_distribution<double> noise(0.0, 3000.0);
    std::vector<int16_t> mono(3 * 16384 + 100);
    for (auto& s : mono)
        s = static_cast<int16_t>(std::lround(noise(rng)));
    WriteWav(dir / "mono.wav", mono, 1);
    const auto stereo = Recording("stereo.wav", mono, mono);
    for (const char* type : {"0", "1"}) {
        ASSERT_EQ(RunInProcess({"--type", type, "--out", dir / "m.oct", dir / "mono.wav"}).Status,
                  0);
        ASSERT_EQ(RunInProcess({"--type", type, "--out", dir / "s.oct", stereo}).Status, 0);
        EXPECT_EQ(ReadBytes(dir / "m.oct"), ReadBytes(dir / "s.oct")) << "type " << type;
    }
}

TEST_F(LevelsTest, TransferOfTwoChannelsAndTheirExchange) {
    std::mt19937 rng(3);
    std::normal_distribution<double> noise(0.0, 4000.0);
    std::vector<int16_t> right(2 * 16384);
    for (auto& s : right)
        s = static_cast<int16_t>(std::lround(noise(rng)));
    const auto same = Recording("same.wav", right, right);
    const OctFile equal = Analyse({"--type", "1", "--level-offset", "0", same});
    EXPECT_EQ(equal.Header[4], "Time window\tHanning");
    for (const Band& b : equal.Bands)
        EXPECT_NEAR(b.Value, 0.0, 0.005) << b.Freq;

    const auto half = Recording("half.wav", Scaled(right, 0.5), right);
    for (const Band& b : Analyse({"--type", "1", "--level-offset", "0", half}).Bands)
        EXPECT_NEAR(b.Value, -6.02, 0.1) << b.Freq;
    for (const Band& b : Analyse({"--type", "1", "--exchange", half}).Bands)
        EXPECT_NEAR(b.Value, 33.5 + 6.02, 0.1) << b.Freq;
}

TEST_F(LevelsTest, OverloadIsReportedPerChannelAndIsNoError) {
    std::vector<int16_t> square(16384);
    for (std::size_t i = 0; i < square.size(); ++i)
        square[i] = (i / 50) % 2 == 0 ? 32767 : -32768;
    const auto rec = Recording("ovl.wav", square, pseudo);
    const ToolRun run = RunInProcess({"--out", dir / "out.oct", rec});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "OVL left\n");
    ExpectFlat(ReadOct(dir / "out.oct"), 0.0, 0.3);
}

} // namespace
} // namespace terzlab::test
