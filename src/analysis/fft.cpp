#include "analysis/fft.h"

#include "analysis/constants.h"
#include "analysis/fft_transform.h"
#include "analysis/meas_type.h"

#include <algorithm>
#include <cmath>

namespace terzlab {

BlockSetting BlockSettingFor(MeasType type) {
    const MeasTypeProperties& p = PropertiesOf(type);
    return BlockSetting{p.BlockSize, p.WindowType};
}

const char* WindowName(int16_t windowType) {
    switch (windowType) {
    case kWindowHanning:
        return "Hanning";
    case kWindowHamming:
        return "Hamming";
    case kWindowBlackman:
        return "Blackman";
    default:
        return "Uniform";
    }
}

void GetBlockSize(FftState& fft, MeasType type) {
    const BlockSetting setting = BlockSettingFor(type);
    fft.BlockSize = setting.BlockSize;
    fft.WindowType = setting.WindowType;
    FftSetup(fft);
}

namespace {

// The scale factors give each window a mean power of 1; they are used with these three decimals.
double windowCoefficient(int16_t type, double x) {
    switch (type) {
    case kWindowHanning:
        return (0.5 - 0.5 * std::cos(x)) * 1.633;
    case kWindowHamming:
        return (0.54 - 0.46 * std::cos(x)) * 1.586;
    case kWindowBlackman:
        return (0.35875 - 0.48829 * std::cos(x) + 0.14128 * std::cos(2 * x) -
                0.01168 * std::cos(3 * x)) *
               1.969;
    default:
        return 1.0;
    }
}

} // namespace

void FftSetup(FftState& fft) {
    const int32_t n = fft.BlockSize;
    fft.WindowCoeff.assign(n, 1.0f);
    for (int32_t i = 0; i < n; ++i) {
        // Divisor N-1: the window is symmetric and both end points lie on its edges.
        const double x = kTwoPi * i / (n - 1);
        fft.WindowCoeff[i] = static_cast<float>(windowCoefficient(fft.WindowType, x));
    }
    fft.FftRe.assign(n, 0.0f);
    fft.FftIm.assign(n, 0.0f);
    detail::EnsurePlan(fft); // the tables are built here, not on the first block
}

void Fft(FftState& fft, int16_t inverse) {
    if (!detail::EnsurePlan(fft)) return;
    detail::GatherArrays(fft);
    detail::TransformWork(fft, inverse != 0);
}

void FftPairs(FftState& fft, std::span<const float> pairs) {
    if (pairs.size() < 2 * static_cast<size_t>(fft.BlockSize) || !detail::EnsurePlan(fft)) return;
    detail::GatherPairs(fft, pairs.data());
    detail::TransformWork(fft, false);
}

void FftPairsBeforeLastStage(FftState& fft, std::span<const float> pairs, int16_t inverse) {
    if (pairs.size() < 2 * static_cast<size_t>(fft.BlockSize) || !detail::EnsurePlan(fft)) return;
    detail::GatherPairs(fft, pairs.data());
    detail::TransformBeforeLastStage(fft, inverse != 0);
}

void FftLastStage(FftState& fft, int16_t inverse, int32_t first, int32_t count) {
    const int32_t half = fft.BlockSize / 2;
    if (fft.Plan.Size != fft.BlockSize || first < 0 || count < 0 || count > half - first) return;
    detail::LastStagePart(fft, inverse != 0, first, count);
}

void LoadBlock(FftState& fft, std::span<const int16_t> captureBuffer) {
    const int32_t n = fft.BlockSize;
    if (captureBuffer.size() < static_cast<size_t>(kChannelCount) * static_cast<size_t>(n)) {
        return; // a short buffer never reaches here from the run; refuse rather than read past it
    }
    const bool windowReady =
        fft.WindowType == kWindowUniform || fft.WindowCoeff.size() >= size_t(n);
    if (!windowReady || !detail::EnsurePlan(fft)) return;
    detail::GatherBlock(fft, captureBuffer.data());
    detail::TransformWork(fft, false);
}

ChannelBin SeparateChannels(const FftState& fft, int32_t k) {
    const int32_t kk = k == 0 ? 0 : fft.BlockSize - k;
    const double reK = fft.FftRe[k];
    const double imK = fft.FftIm[k];
    const double reKK = fft.FftRe[kk];
    const double imKK = fft.FftIm[kk];
    return ChannelBin{reK + reKK, imKK - imK, imK + imKK, reK - reKK};
}

} // namespace terzlab
