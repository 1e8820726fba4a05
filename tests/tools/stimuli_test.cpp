// The generated stimulus files, read back independently of the generator's writer.
#include "analysis/bands.h"
#include "analysis/fft.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>

namespace {

struct StereoWav {
    bool canonical = false; // 44-byte PCM header, 16 bit, stereo, 44100 Hz, sizes consistent
    bool channelsEqual = true;
    std::vector<int16_t> interleaved, left;
};

StereoWav readStimulus(const std::string& name) {
    std::ifstream in(std::string(TERZLAB_BIN_DIR) + "/" + name, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    StereoWav wav;
    if (bytes.size() < 44) return wav;
    const auto size = static_cast<uint32_t>(bytes.size());
    std::string header;
    const auto le = [&](uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            header += static_cast<char>(v >> (8 * i));
    };
    header += "RIFF", le(size - 8, 4), header += "WAVEfmt ", le(16, 4), le(1, 2), le(2, 2);
    le(44100, 4), le(176400, 4), le(4, 2), le(16, 2), header += "data", le(size - 44, 4);
    wav.canonical = bytes.compare(0, 44, header) == 0 && size % 4 == 0;
    wav.interleaved.resize((size - 44) / 2);
    std::memcpy(wav.interleaved.data(), bytes.data() + 44, wav.interleaved.size() * 2);
    for (std::size_t i = 0; i + 1 < wav.interleaved.size(); i += 2) {
        wav.left.push_back(wav.interleaved[i]);
        wav.channelsEqual = wav.channelsEqual && wav.interleaved[i] == wav.interleaved[i + 1];
    }
    return wav;
}

bool repeatsWithPeriod(const std::vector<int16_t>& x, std::size_t period) {
    return !x.empty() && x.size() % period == 0 &&
           std::equal(x.begin() + static_cast<std::ptrdiff_t>(period), x.end(), x.begin());
}

double levelDb(double power) {
    return 10.0 * std::log10(power);
}

double rmsDbFullScaleSine(const std::vector<int16_t>& x, std::size_t count) {
    double sum = 0.0;
    for (std::size_t n = 0; n < count; ++n) {
        sum += static_cast<double>(x[n]) * x[n];
    }
    // A full-scale sine (amplitude 32768) has a mean square of 32768^2 / 2.
    return levelDb(sum / count / (32768.0 * 32768.0 / 2.0));
}

} // namespace

TEST(StimulusFiles, AreCanonicalEqualChannelWavsOfWholePeriodsAndTheirLevel) {
    const struct {
        const char* name;
        std::size_t period;
        double levelDb; // NaN: no calibration sine
    } files[] = {{"pseudo.wav", 16384, NAN},       {"multi.wav", 65536, NAN},
                 {"pulse.wav", 8192, NAN},         {"check.wav", 719, NAN},
                 {"Sin_0050_100.wav", 910, 0.0},   {"Sin_0050_010.wav", 910, -20.0},
                 {"Sin_0050_001.wav", 910, -40.0}, {"Sin_1000_100.wav", 45, 0.0},
                 {"Sin_1000_010.wav", 45, -20.0},  {"Sin_1000_001.wav", 45, -40.0}};
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        const StereoWav wav = readStimulus(f.name);
        ASSERT_TRUE(wav.canonical);
        EXPECT_TRUE(wav.channelsEqual);
        EXPECT_TRUE(repeatsWithPeriod(wav.left, f.period));
        const double seconds = wav.left.size() / 44100.0;
        EXPECT_GT(seconds, 3.0);
        EXPECT_LT(seconds, 8.0);
        if (std::isnan(f.levelDb)) continue;
        int rising = 0; // one cycle per period, not a harmonic of a longer one
        for (std::size_t n = 1; n <= f.period; ++n)
            rising += wav.left[n - 1] < 0 && wav.left[n] >= 0 ? 1 : 0;
        EXPECT_EQ(rising, 1);
        EXPECT_NEAR(rmsDbFullScaleSine(wav.left, f.period), f.levelDb, 0.01);
    }
    const StereoWav stop = readStimulus("Stop.wav"); // short, so that the stop returns soon
    ASSERT_TRUE(stop.canonical);
    EXPECT_LE(stop.left.size(), 44100u / 5);
    EXPECT_TRUE(std::all_of(stop.left.begin(), stop.left.end(), [](int16_t s) { return s == 0; }));
}

// The 33.5-dB level offset of the level display rests on this figure.
TEST(StimulusFiles, PseudoNoiseBandsLie33_5dBBelowFullScaleFrom20HzTo20kHz) {
    const StereoWav wav = readStimulus("pseudo.wav");
    ASSERT_TRUE(wav.canonical);
    terzlab::FftState fft;
    ASSERT_TRUE(terzlab::GetBlockSize(fft, 0));
    ASSERT_EQ(fft.BlockSize, 16384);
    // A block that starts inside a period sees the same spectrum: the capture is not aligned.
    const std::size_t offset = 2 * 5000;
    terzlab::LoadBlock(fft, std::span(wav.interleaved).subspan(offset, 2 * 16384));
    terzlab::BandState bands;
    terzlab::BuildBandTable(bands, {44100, 16384, 0});
    terzlab::BandAnalysis(bands, fft, {});
    ASSERT_NEAR(bands.Table.BandFreq[12], 19.95, 0.01);
    ASSERT_NEAR(bands.Table.BandFreq[132], 19953.0, 1.0);
    for (int b = 12; b <= 132; ++b) {
        SCOPED_TRACE(b);
        EXPECT_NEAR(levelDb(bands.Results(1, b)), -33.5, 0.3);
        EXPECT_NEAR(levelDb(bands.Results(2, b)), -33.5, 0.3);
    }
    const auto [lo, hi] = std::minmax_element(wav.left.begin(), wav.left.end());
    const double crest =
        std::max(-*lo, static_cast<int>(*hi)) /
        (32768.0 * std::pow(10.0, rmsDbFullScaleSine(wav.left, 16384) / 20.0) / std::sqrt(2.0));
    RecordProperty("crest_factor", std::to_string(crest));
    EXPECT_LT(crest, 2.0);
}

TEST(StimulusFiles, MultiSineCarriesPowerOnExactlyTheImpedanceBins) {
    const StereoWav wav = readStimulus("multi.wav");
    ASSERT_TRUE(wav.canonical);
    terzlab::FftState fft;
    ASSERT_TRUE(terzlab::GetBlockSize(fft, 3));
    terzlab::LoadBlock(fft, std::span(wav.interleaved).subspan(2 * 12345, 2 * 65536));
    terzlab::BandState at44; // the same bins at 48000 Hz: bands_test
    terzlab::BuildBandTable(at44, {44100, 65536, 3});
    std::set<int> bins;
    for (int b = 0; b <= at44.Table.LastBand; ++b)
        bins.insert(at44.Table.BandBin[b]);
    double lowest = 1.0, highest = 0.0;
    for (int k = 1; k < 32768; ++k) {
        const double p = terzlab::SeparateChannels(fft, k).P1();
        if (bins.count(k) != 0) {
            lowest = std::min(lowest, p);
            highest = std::max(highest, p);
        } else {
            ASSERT_LT(p, 1e-9) << "bin " << k;
        }
    }
    EXPECT_LT(levelDb(highest / lowest), 0.1); // all tones equal
    EXPECT_GT(lowest, 1e-4);
}

TEST(StimulusFiles, PulseIsOne256SampleRectangleInEach8192) {
    const StereoWav wav = readStimulus("pulse.wav");
    ASSERT_TRUE(wav.canonical);
    const std::vector<int16_t> one(wav.left.begin(), wav.left.begin() + 8192);
    const auto first = std::find_if(one.begin(), one.end(), [](int16_t s) { return s != 0; });
    ASSERT_NE(first, one.end());
    const auto end = std::find(first, one.end(), int16_t{0});
    EXPECT_EQ(end - first, 256);
    EXPECT_GT(*first, 16384); // positive: the polarity check reads the first swing
    EXPECT_TRUE(std::all_of(first, end, [&](int16_t s) { return s == *first; }));
    EXPECT_TRUE(std::all_of(end, one.end(), [](int16_t s) { return s == 0; }));
}

// A piece of audio lost between output and capture must show in the time view. Splices of
// every usual buffer size must leave a step far from the ramp's own steps.
TEST(StimulusFiles, CheckSignalShowsEveryDroppedBufferAsAStep) {
    const StereoWav wav = readStimulus("check.wav");
    ASSERT_TRUE(wav.canonical);
    const std::vector<int16_t>& x = wav.left;
    for (std::size_t n = 1; n < 719; ++n) {
        ASSERT_GT(x[n], x[n - 1]);
    }
    const int rampStep = x[1] - x[0];
    const int wrapStep = x[719] - x[718];
    const std::size_t drops[] = {64,  128, 256, 512, 1024, 2048, 4096, 8192,
                                 441, 882, 480, 960, 1764, 1920, 16384};
    for (const std::size_t d : drops) {
        for (const std::size_t at : {1000u, 1300u, 1717u}) {
            const int splice = x[at + d] - x[at - 1];
            const int nearest = std::min(std::abs(splice - rampStep), std::abs(splice - wrapStep));
            EXPECT_GT(nearest, 0.06 * 32768) << "drop " << d << " at " << at;
        }
    }
}
