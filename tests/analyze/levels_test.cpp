// Level spectra and transfer of recordings, read back from the measurement file the tool wrote.
#include "fixtures.h"
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace terzlab::test {
namespace {

class LevelsTest : public ::testing::Test {
  protected:
    std::string Recording(const std::vector<int16_t>& left, const std::vector<int16_t>& right) {
        writeWav(dir / "rec.wav", Interleave(left, right), 2);
        return dir / "rec.wav";
    }
    OctFile Analyse(const std::vector<std::string>& args) { return test::Analyse(dir, args); }
    // The pseudo-noise is flat from 20 Hz (band 12) to 20 kHz (band 132).
    static void ExpectFlat(const OctFile& oct, double level) {
        ASSERT_EQ(oct.Bands.size(), 134u);
        for (int b = 12; b <= 132; ++b)
            EXPECT_NEAR(oct.Bands[b].Value, level, 0.3) << "band " << b;
    }
    static std::vector<int16_t> Noise(std::size_t frames, unsigned seed) {
        std::mt19937 rng(seed);
        std::normal_distribution<double> noise(0.0, 3000.0);
        std::vector<double> x(frames);
        for (auto& s : x)
            s = noise(rng);
        return Scaled(x, 1.0);
    }
    TempFolder dir;
    std::vector<int16_t> pseudo = PseudoPeriod();
};

TEST_F(LevelsTest, PinkPseudoNoiseReadsZeroDbAndTheHeaderIsTheSaveCommands) {
    const OctFile oct = Analyse({Recording(Repeat(pseudo, 4), Repeat(pseudo, 4))});
    ExpectFlat(oct, 0.0);
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
}

TEST_F(LevelsTest, ChannelCalibrationAndLevelOffsetShiftTheLevels) {
    const auto rec = Recording(Repeat(Scaled(pseudo, 0.5), 2), Repeat(pseudo, 2));
    ExpectFlat(Analyse({"--channel", "left", rec}), -6.02);
    ExpectFlat(Analyse({"--channel", "left", "--calib-left", "6.02", "--calib-right", "-9", rec}),
               0.0);
    ExpectFlat(Analyse({"--level-offset", "0", "--calib-right", "1.5", rec}), -32.0);
}

// The blocks are taken as a stop-mode run takes them: the first replaces, the rest average.
TEST_F(LevelsTest, SkippedBlocksAreLeftOutAndTheOthersAveraged) {
    auto mono = Repeat(Scaled(pseudo, 0.5), 1);
    for (const double gain : {1.0, 0.25}) {
        const auto block = Scaled(pseudo, gain);
        mono.insert(mono.end(), block.begin(), block.end());
    }
    mono.insert(mono.end(), 5000, 30000); // an incomplete last block is not analysed
    const auto rec = Recording(mono, mono);
    ExpectFlat(Analyse({"--blocks", "1", rec}), -6.02);
    ExpectFlat(Analyse({"--skip", "1", "--blocks", "1", rec}), 0.0);
    ExpectFlat(Analyse({rec}), 10 * std::log10((0.25 + 1 + 0.0625) / 3));
}

TEST_F(LevelsTest, MonoRecordingEqualsStereoWithBothChannelsEqual) {
    const auto mono = Noise(3 * 16384 + 100, 7);
    writeWav(dir / "mono.wav", mono, 1);
    const auto stereo = Recording(mono, mono);
    for (const char* type : {"0", "1"}) {
        test::Analyse(dir, {"--type", type, dir / "mono.wav"}, "m.oct");
        test::Analyse(dir, {"--type", type, stereo}, "s.oct");
        EXPECT_EQ(ReadBytes(dir / "m.oct"), ReadBytes(dir / "s.oct")) << "type " << type;
    }
}

TEST_F(LevelsTest, TransferOfTwoChannelsAndTheirExchange) {
    const auto right = Noise(2 * 16384, 3);
    for (const Band& b :
         Analyse({"--type", "1", "--level-offset", "0", Recording(right, right)}).Bands)
        EXPECT_NEAR(b.Value, 0.0, 0.005) << b.Freq;
    const auto half = Recording(Scaled(right, 0.5), right);
    for (const Band& b : Analyse({"--type", "1", "--level-offset", "0", half}).Bands)
        EXPECT_NEAR(b.Value, -6.02, 0.1) << b.Freq;
    for (const Band& b : Analyse({"--type", "1", "--exchange", half}).Bands)
        EXPECT_NEAR(b.Value, 33.5 + 6.02, 0.1) << b.Freq;
}

// Overloaded means a peak above 32000, on either polarity.
TEST_F(LevelsTest, OverloadIsReportedPerChannelAndIsNoError) {
    for (const int peak : {32001, -32001}) {
        std::vector<int16_t> over(16384, 0), limit(16384, 0);
        over[100] = static_cast<int16_t>(peak);
        limit[100] = static_cast<int16_t>(peak > 0 ? 32000 : -32000);
        const ToolRun run = RunInProcess({"--out", dir / "out.oct", Recording(over, limit)});
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Err, "OVL left\n");
        EXPECT_EQ(ReadOct(dir / "out.oct").Bands.size(), 134u);
        EXPECT_EQ(RunInProcess({"--out", dir / "out.oct", Recording(limit, over)}).Err,
                  "OVL right\n");
    }
}

} // namespace
} // namespace terzlab::test
