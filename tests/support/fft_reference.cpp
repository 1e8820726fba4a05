#include "support/fft_reference.h"

#include "analysis/constants.h"
#include "analysis/fft_radix2.h"
#include "analysis/running_mean.h"
#include "analysis/types.h"

#include <vector>

namespace terzlab::reference {

namespace {

double bandSum(const BandTable& t, const std::vector<double>& p, int b) {
    const int lo = t.BandBin[b], hi = t.BandBin[b + 1];
    const double fl = t.BandFrac[b], fh = t.BandFrac[b + 1];
    if (lo == hi) return (fh - fl) * p[lo];
    double sum = (1 - fl) * p[lo];
    for (int k = lo + 1; k < hi; ++k)
        sum += p[k];
    return sum + fh * p[hi];
}

void analyseLevels(BandState& s, const FftState& fft, const BandAnalysisInputs& in) {
    using detail::RunningMean;
    for (int32_t k = 0; k < fft.BlockSize / 2; ++k) { // one channel's power after the other
        const ChannelBin c = SeparateChannels(fft, k);
        s.ChannelSpectrum1[k] = c.P1();
        s.ChannelSpectrum2[k] = c.P2();
    }
    const int16_t n = in.AvgCount;
    BandResults& r = s.Results;
    for (int b = 0; b <= s.Table.LastBand; ++b) {
        const double left = bandSum(s.Table, s.ChannelSpectrum1, b);
        const double right = bandSum(s.Table, s.ChannelSpectrum2, b);
        if (in.MeasTypeIndex == meas::kLevelOneChannel) {
            r(1, b) = RunningMean(r(1, b), left, n);
            r(2, b) = RunningMean(r(2, b), right, n);
        } else {
            r(1, b) = left;
            r(2, b) = right;
            const double num = in.ExchangeChannel ? right : left;
            const double den = in.ExchangeChannel ? left : right;
            r(3, b) = RunningMean(r(3, b), den == 0 ? kNoValue : num / den, n);
        }
    }
}

} // namespace

void Fft(FftState& fft, int16_t inverse) {
    const int32_t n = fft.BlockSize;
    RadixTwoFft(fft.FftRe.data(), fft.FftIm.data(), n, inverse != 0);
    for (int32_t i = 0; i < n && inverse == 0; ++i) { // a pass of its own
        fft.FftRe[i] = static_cast<float>(fft.FftRe[i] / static_cast<double>(n));
        fft.FftIm[i] = static_cast<float>(fft.FftIm[i] / static_cast<double>(n));
    }
}

void LoadBlock(FftState& fft, std::span<const int16_t> captureBuffer) {
    const int32_t n = fft.BlockSize;
    if (captureBuffer.size() < static_cast<size_t>(kChannelCount) * static_cast<size_t>(n)) return;
    for (int32_t i = 0; i < n; ++i) {
        fft.FftRe[i] = static_cast<float>(captureBuffer[2 * i] / 32768.0);
        fft.FftIm[i] = static_cast<float>(captureBuffer[2 * i + 1] / 32768.0);
    }
    for (int32_t i = 0; i < n && fft.WindowType != kWindowUniform; ++i) {
        fft.FftRe[i] *= fft.WindowCoeff[i];
        fft.FftIm[i] *= fft.WindowCoeff[i];
    }
    reference::Fft(fft, 0);
}

void BandAnalysis(BandState& s, const FftState& fft, const BandAnalysisInputs& in) {
    if (in.MeasTypeIndex != meas::kLevelOneChannel && in.MeasTypeIndex != meas::kLevelTwoChannel)
        return terzlab::BandAnalysis(s, fft, in);
    if (fft.BlockSize != s.BlockSize || in.MeasTypeIndex != s.MeasTypeIndex) return;
    analyseLevels(s, fft, in);
}

} // namespace terzlab::reference
