// The generated stimulus files, read back independently of the generator's writer.
#include "analysis/bands.h"
#include "analysis/fft.h"
#include "audio/stimulus.h"
#include "stimuli/stimulus_files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>

namespace terzlab {
namespace {

// The samples of a stimulus, interleaved, as libsndfile reads them: a canonical 16-bit PCM file
// (the layout whose rate field the program rewrites), stereo at 44100 Hz, its sizes the file's.
std::vector<int16_t> readStimulus(const std::string& name) {
    const std::string path = std::string(TERZLAB_BIN_DIR) + "/" + name;
    EXPECT_TRUE(audio::isValidStimulusWav(path)) << name;
    const auto sound = sound_file::readSoundFile(path).value_or(sound_file::SoundData{});
    const std::string bytes = test::readFile(path);
    uint32_t riffSize = 0;
    if (bytes.size() > 8) std::memcpy(&riffSize, bytes.data() + 4, 4);
    EXPECT_EQ(std::tuple(sound.channels, sound.sampleRate, bytes.size(), riffSize + 8),
              std::tuple(2, 44100, 44 + 2 * sound.samples.size(), bytes.size()))
        << name << ": channels, rate, file and RIFF size";
    return sound.samples;
}

std::vector<int16_t> channel(const std::vector<int16_t>& interleaved, std::size_t c) {
    std::vector<int16_t> out;
    for (std::size_t i = c; i < interleaved.size(); i += 2)
        out.push_back(interleaved[i]);
    return out;
}

double rms(const std::vector<int16_t>& x, std::size_t count) {
    double sum = 0.0;
    for (std::size_t n = 0; n < count; ++n)
        sum += static_cast<double>(x[n]) * x[n];
    return std::sqrt(sum / count);
}

TEST(StimulusFiles, AreCanonicalEqualChannelWavsOfWholePeriodsAndTheirLevel) {
    // name, period, level (NaN: no calibration sine)
    const std::tuple<const char*, std::size_t, double> files[] = {
        {"pseudo.wav", 16384, NAN},       {"multi.wav", 65536, NAN},
        {"pulse.wav", 8192, NAN},         {"check.wav", 719, NAN},
        {"Sin_0050_100.wav", 910, 0.0},   {"Sin_0050_010.wav", 910, -20.0},
        {"Sin_0050_001.wav", 910, -40.0}, {"Sin_1000_100.wav", 45, 0.0},
        {"Sin_1000_010.wav", 45, -20.0},  {"Sin_1000_001.wav", 45, -40.0}};
    for (const auto& [name, period, levelDb] : files) {
        SCOPED_TRACE(name);
        const std::vector<int16_t> both = readStimulus(name), x = channel(both, 0);
        // The program makes the same in memory, at the rate a device runs at.
        EXPECT_EQ(stimuli::stimulusSound(name, 48000),
                  (sound_file::SoundData{.samples = both, .channels = 2, .sampleRate = 48000}));
        EXPECT_EQ(x, channel(both, 1));
        ASSERT_TRUE(x.size() > 3 * 44100 && x.size() < 8 * 44100) << x.size();
        EXPECT_EQ(x.size() % period, 0u);
        EXPECT_TRUE(std::equal(x.begin() + period, x.end(), x.begin())) << "periodic";
        if (std::isnan(levelDb)) continue;
        int rising = 0; // one cycle per period, not a harmonic of a longer one
        for (std::size_t n = 1; n <= period; ++n)
            rising += x[n - 1] < 0 && x[n] >= 0 ? 1 : 0;
        EXPECT_EQ(rising, 1);
        // Relative to a full-scale sine, amplitude 32768.
        EXPECT_NEAR(20 * std::log10(rms(x, period) * std::sqrt(2.0) / 32768), levelDb, 0.01);
    }
    const std::vector<int16_t> stop = readStimulus("Stop.wav"); // short: the stop returns soon
    EXPECT_EQ(stimuli::stimulusSound("Stop.wav", 44100),
              (sound_file::SoundData{.samples = stop, .channels = 2, .sampleRate = 44100}));
    EXPECT_LE(stop.size(), 2 * 44100u / 5);
    EXPECT_EQ(std::count(stop.begin(), stop.end(), 0), std::ssize(stop)) << "silence";
}

// The 33.5-dB level offset of the level display rests on this figure. A block that starts inside
// a period sees the same spectrum: the capture is not aligned.
TEST(StimulusFiles, PseudoNoiseBandsLie33_5dBBelowFullScaleFrom20HzTo20kHz) {
    const std::vector<int16_t> x = readStimulus("pseudo.wav"), left = channel(x, 0);
    FftState fft;
    GetBlockSize(fft, MeasType::LevelOneChannel);
    ASSERT_TRUE(fft.BlockSize == 16384 && left.size() > 5000 + 16384);
    LoadBlock(fft, std::span(x).subspan(2 * 5000, 2 * 16384));
    BandState bands;
    BuildBandTable(bands, {.BlockSize = 16384});
    BandAnalysis(bands, fft, {});
    for (int b = 12; b <= 132; ++b) // the right channel is the same: see above
        EXPECT_NEAR(10 * std::log10(bands.Results(1, b)), -33.5, 0.3) << b;
    const auto [lo, hi] = std::minmax_element(left.begin(), left.end());
    EXPECT_LT(std::max(-*lo, static_cast<int>(*hi)) / rms(left, 16384), 2.0); // the crest factor
}

TEST(StimulusFiles, MultiSineCarriesPowerOnExactlyTheImpedanceBins) {
    const std::vector<int16_t> x = readStimulus("multi.wav");
    FftState fft;
    GetBlockSize(fft, MeasType::ImpedanceOneChannel);
    ASSERT_GT(x.size(), 2 * (12345 + 65536));
    LoadBlock(fft, std::span(x).subspan(2 * 12345, 2 * 65536));
    BandState at44; // the same bins at 48000 Hz: bands_test
    BuildBandTable(at44, {.BlockSize = 65536, .Type = MeasType::ImpedanceOneChannel});
    const std::set<int> bins(at44.Table.BandBin.begin(),
                             at44.Table.BandBin.begin() + at44.Table.LastBand + 1);
    double lowest = 1.0, highest = 0.0;
    for (int k = 1; k < 32768; ++k) {
        const double p = SeparateChannels(fft, k).P1();
        ASSERT_TRUE(bins.count(k) != 0 || p < 1e-9) << "bin " << k << ": " << p;
        if (bins.count(k) == 0) continue;
        lowest = std::min(lowest, p);
        highest = std::max(highest, p);
    }
    EXPECT_LT(10 * std::log10(highest / lowest), 0.1); // all tones equal
    EXPECT_GT(lowest, 1e-4);
}

TEST(StimulusFiles, PulseIsOne256SampleRectangleInEach8192) {
    const std::vector<int16_t> x = channel(readStimulus("pulse.wav"), 0);
    const auto first = std::find_if(x.begin(), x.end(), [](int16_t s) { return s != 0; });
    ASSERT_TRUE(x.size() >= 8192 && first - x.begin() <= 8192 - 256);
    std::vector<int16_t> period(8192, 0);
    std::fill_n(period.begin() + (first - x.begin()), 256, *first);
    EXPECT_TRUE(std::equal(period.begin(), period.end(), x.begin()));
    EXPECT_GT(*first, 16384); // positive: the polarity check reads the first swing
}

// A piece of audio lost between output and capture must show in the time view. Splices of
// every usual buffer size must leave a step far from the ramp's own steps.
TEST(StimulusFiles, CheckSignalShowsEveryDroppedBufferAsAStep) {
    const std::vector<int16_t> x = channel(readStimulus("check.wav"), 0);
    ASSERT_GT(x.size(), 1717u + 16384u);
    ASSERT_TRUE(std::is_sorted(x.begin(), x.begin() + 719, std::less_equal<>())); // rising
    const int rampStep = x[1] - x[0], wrapStep = x[719] - x[718];
    for (const std::size_t d :
         {64, 128, 256, 512, 1024, 2048, 4096, 8192, 441, 882, 480, 960, 1764, 1920, 16384})
        for (const std::size_t at : {1000u, 1300u, 1717u}) {
            const int splice = x[at + d] - x[at - 1];
            const int nearest = std::min(std::abs(splice - rampStep), std::abs(splice - wrapStep));
            EXPECT_GT(nearest, 0.06 * 32768) << "drop " << d << " at " << at;
        }
}

} // namespace
} // namespace terzlab
