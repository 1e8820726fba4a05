#include "support/fft_reference.h"

#include "analysis/constants.h"
#include "analysis/fft_radix2.h"
#include "analysis/types.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace terzlab::reference {

namespace {

using Spectrum = std::complex<double>;

// The running mean as the results keep it: the count at 0 starts afresh, a sample without a
// value leaves the mean without one.
double mean(double old, double x, int16_t n) {
    if (n <= 0) return x;
    if (x == kNoValue || old == kNoValue) return kNoValue;
    return (old * n + x) / (n + 1);
}

double power(Spectrum x) {
    return x.real() * x.real() + x.imag() * x.imag();
}

// One input's spectrum at bin k (twice its DFT) from the transform of left + j right.
Spectrum channelSpectrum(const FftState& fft, int32_t k, int channel) {
    const int32_t mirror = k == 0 ? 0 : fft.BlockSize - k;
    const Spectrum z(fft.FftRe[k], fft.FftIm[k]);
    const Spectrum m(fft.FftRe[mirror], -fft.FftIm[mirror]);
    return channel == 0 ? z + m : Spectrum((z - m).imag(), -(z - m).real()); // (z - m) / j
}

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
    for (int32_t k = 0; k < fft.BlockSize / 2; ++k) { // one channel's power after the other
        s.ChannelSpectrum1[k] = power(channelSpectrum(fft, k, 0));
        s.ChannelSpectrum2[k] = power(channelSpectrum(fft, k, 1));
    }
    const int16_t n = in.AvgCount;
    BandResults& r = s.Results;
    for (int b = 0; b <= s.Table.LastBand; ++b) {
        const double left = bandSum(s.Table, s.ChannelSpectrum1, b);
        const double right = bandSum(s.Table, s.ChannelSpectrum2, b);
        if (in.Type == MeasType::LevelOneChannel) {
            r(1, b) = mean(r(1, b), left, n);
            r(2, b) = mean(r(2, b), right, n);
        } else {
            r(1, b) = left;
            r(2, b) = right;
            const double num = in.ExchangeChannel ? right : left;
            const double den = in.ExchangeChannel ? left : right;
            r(3, b) = mean(r(3, b), den == 0 ? kNoValue : num / den, n);
        }
    }
}

// The input's spectrum at the band's bin; with the wide range the strongest within a hundredth
// of that bin to either side (the first of equals). A silent input has none.
Spectrum bandSpectrum(const BandState& s, const FftState& fft, int b, int channel, bool wide) {
    const int32_t centre = s.Table.BandBin[b], reach = wide ? centre / 100 : 0;
    Spectrum best = 0;
    const int32_t last = std::min(centre + reach, fft.BlockSize / 2 - 1);
    for (int32_t k = std::max(centre - reach, 0); k <= last; ++k)
        if (power(channelSpectrum(fft, k, channel)) > power(best))
            best = channelSpectrum(fft, k, channel);
    return best;
}

// Part 1 the level across the series resistor, part 2 across the impedance, both on the
// active input: Z = Rv * sqrt(P2 / P1) of the means.
void analyseOneChannelImpedance(BandState& s, const FftState& fft, const BandAnalysisInputs& in) {
    const int part = in.ImpedancePart;
    if (part != 1 && part != 2) return;
    BandResults& r = s.Results;
    for (int b = 0; b <= s.Table.LastBand; ++b) {
        const double p = power(bandSpectrum(s, fft, b, in.ActiveChannel, in.WideRange));
        r(part, b) = mean(r(part, b), p, in.AvgCount);
        if (part == 2)
            r(3, b) = r(1, b) == 0 ? kNoValue : in.SeriesResistor * std::sqrt(r(2, b) / r(1, b));
    }
}

// The divider: X1 across the impedance, X2 at the source, Z = Rv * X1 / (X2 - X1), its phase
// in (-180, 180] degrees. Inputs of equal level carry no current: an open circuit; no signal
// at all has no value.
void analyseTwoChannelImpedance(BandState& s, const FftState& fft, const BandAnalysisInputs& in) {
    BandResults& r = s.Results;
    for (int b = 0; b <= s.Table.LastBand; ++b) {
        Spectrum across = bandSpectrum(s, fft, b, 0, in.WideRange);
        Spectrum source = bandSpectrum(s, fft, b, 1, in.WideRange);
        if (in.ExchangeChannel) std::swap(across, source);
        const double pa = power(across), ps = power(source);
        const bool equalLevels = pa != 0 && std::abs(1 - ps / pa) < 1e-6;
        double ohm = kOpenCircuit, degrees = 0;
        if (pa == 0 && ps == 0) {
            ohm = degrees = kNoValue;
        } else if (!equalLevels && source != across) {
            const Spectrum z = static_cast<double>(in.SeriesResistor) * across / (source - across);
            ohm = std::abs(z);
            degrees = ohm == 0 ? 0 : std::arg(z) * 180 / std::numbers::pi; // not arg(-0) = 180
            if (degrees <= -180) degrees += 360;
        }
        r(3, b) = mean(r(3, b), ohm, in.AvgCount);
        r(4, b) = degrees;
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
    if (fft.BlockSize != s.BlockSize || in.Type != s.Type) return;
    if (in.Type == MeasType::LevelOneChannel || in.Type == MeasType::LevelTwoChannel)
        analyseLevels(s, fft, in);
    if (in.Type == MeasType::ImpedanceOneChannel) analyseOneChannelImpedance(s, fft, in);
    if (in.Type == MeasType::ImpedanceTwoChannel) analyseTwoChannelImpedance(s, fft, in);
}

} // namespace terzlab::reference
