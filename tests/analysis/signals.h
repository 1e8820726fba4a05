#pragma once
// Captured blocks for the analysis tests (interleaved stereo 16-bit samples) and what takes
// them in.
#include "analysis/bands.h"
#include "analysis/types.h"

#include <cmath>
#include <functional>
#include <random>

namespace terzlab::test {

using Channel = std::function<double(int32_t)>; // sample value of frame i, full scale = 32767

inline std::vector<int16_t> stereoBlock(int32_t n, const Channel& left, const Channel& right) {
    std::vector<int16_t> buf(static_cast<size_t>(2 * n));
    for (int32_t i = 0; i < n; ++i) {
        buf[2 * i] = static_cast<int16_t>(std::lround(left(i)));
        buf[2 * i + 1] = static_cast<int16_t>(std::lround(right(i)));
    }
    return buf;
}

inline const Channel kSilence = [](int32_t) { return 0.0; };

inline Channel cosineOnBin(int32_t n, int32_t bin, double amplitude) {
    return [=](int32_t i) { return amplitude * std::cos(2 * M_PI * bin * i / n); };
}

inline Channel impulse(int32_t at, double amplitude) {
    return [=](int32_t i) { return i == at ? amplitude : 0.0; };
}

inline std::vector<int16_t> noiseBlock(int32_t n, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> dist(-20000, 20000);
    std::vector<int16_t> buf(static_cast<size_t>(2 * n));
    for (auto& s : buf)
        s = static_cast<int16_t>(dist(rng));
    return buf;
}

// The transform and band table of one measurement type at one rate, fed block by block.
struct BandRig {
    FftState fft;
    BandState bands;
    BandAnalysisInputs in;

    explicit BandRig(MeasType type, int32_t sampleRate = 44100) {
        GetBlockSize(fft, type);
        BuildBandTable(bands, {.SampleRate = sampleRate, .BlockSize = fft.BlockSize, .Type = type});
        in.Type = type;
    }
    void analyse(const std::vector<int16_t>& block) {
        LoadBlock(fft, block);
        BandAnalysis(bands, fft, in);
    }
    // A block with an impulse of the given height in each channel, mid-block where every window
    // passes it whole.
    void impulses(double left, double right) {
        const int32_t mid = fft.BlockSize / 2;
        analyse(stereoBlock(fft.BlockSize, impulse(mid, left), impulse(mid, right)));
    }
    double row(int r, int b) const { return bands.Results(r, b); }
};

// Top, bottom and step of an axis, to compare in one go.
inline std::vector<int> Axis(const AxisRange& r) {
    return {r.RangeTop, r.RangeBottom, r.RangeStep};
}

} // namespace terzlab::test
