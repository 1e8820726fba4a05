#include "analysis/bands.h"

#include "analysis/constants.h"
#include "analysis/impedance.h"
#include "analysis/meas_type.h"
#include "analysis/running_mean.h"
#include "analysis/types.h"

#include <algorithm>
#include <cmath>

namespace terzlab {

using detail::RunningMean;

namespace {

void buildLevelGrid(BandTable& t, double df, int32_t half) {
    const int count = t.LastBand + 2;
    std::vector<double> edge(count);
    edge[0] = std::pow(10.0, 1 - 0.5 / 40);
    const double step = std::pow(10.0, 1.0 / 40);
    for (int i = 1; i < count; ++i)
        edge[i] = edge[i - 1] * step;
    for (int i = 0; i < count; ++i) {
        double x = edge[i] / df;
        if (x > half) x = half;
        const double whole = std::floor(x);
        t.BandBin[i] = static_cast<int16_t>(whole);
        t.BandFrac[i] = x - whole;
    }
    for (int b = 0; b <= t.LastBand; ++b)
        t.BandFreq[b] = std::sqrt(edge[b] * edge[b + 1]);
    t.BandFreq[t.LastBand + 1] = edge[t.LastBand + 1];
}

// Impedance bands sit on one bin each, chosen for 44100 Hz and scaled so that the bins stay the
// same at 48000 Hz.
void buildImpedanceGrid(BandTable& t, int32_t sampleRate, double df, int32_t half) {
    const double step = std::pow(10.0, 1.0 / 40);
    double f = 10.0 * sampleRate / 44100;
    for (int b = 0; b <= t.LastBand; ++b) {
        if (b > 0) f *= step;
        double x = f / df;
        if (x > half) x = half;
        t.BandBin[b] = static_cast<int16_t>(std::nearbyint(x));
        t.BandFreq[b] = t.BandBin[b] * df;
        t.BandFrac[b] = 0.0;
    }
}

struct BandPair {
    double Left, Right;
};

// Band power with fractional edges: each bin's power is shared between neighbouring bands in
// proportion to the part of its width that falls inside each band. Both channels in one pass,
// each summed in bin order.
BandPair bandSums(const BandTable& t, const double* p1, const double* p2, int b) {
    const int lo = t.BandBin[b];
    const int hi = t.BandBin[b + 1];
    const double fl = t.BandFrac[b];
    const double fh = t.BandFrac[b + 1];
    if (lo == hi) return {(fh - fl) * p1[lo], (fh - fl) * p2[lo]};
    double left = (1 - fl) * p1[lo];
    double right = (1 - fl) * p2[lo];
    for (int k = lo + 1; k < hi; ++k) {
        left += p1[k];
        right += p2[k];
    }
    return {left + fh * p1[hi], right + fh * p2[hi]};
}

// SeparateChannels' powers for every bin of the lower half, as one loop over the arrays.
void channelPowers(BandState& s, const FftState& fft) {
    const int32_t n = fft.BlockSize;
    const float* re = fft.FftRe.data();
    const float* im = fft.FftIm.data();
    double* p1 = s.ChannelSpectrum1.data();
    double* p2 = s.ChannelSpectrum2.data();
    const ChannelBin zero = SeparateChannels(fft, 0);
    p1[0] = zero.P1();
    p2[0] = zero.P2();
    for (int32_t k = 1; k < n / 2; ++k) {
        const double reK = re[k], imK = im[k], reKK = re[n - k], imKK = im[n - k];
        const double a1 = reK + reKK, b1 = imKK - imK, a2 = imK + imKK, b2 = reK - reKK;
        p1[k] = a1 * a1 + b1 * b1;
        p2[k] = a2 * a2 + b2 * b2;
    }
}

double ratioOrNoValue(double num, double den) {
    return den == 0 ? kNoValue : num / den;
}

void analyseLevels(BandState& s, const FftState& fft, const BandAnalysisInputs& in) {
    channelPowers(s, fft);
    const int16_t n = in.AvgCount;
    BandResults& r = s.Results;
    for (int b = 0; b <= s.Table.LastBand; ++b) {
        const auto [left, right] =
            bandSums(s.Table, s.ChannelSpectrum1.data(), s.ChannelSpectrum2.data(), b);
        if (in.Type == MeasType::LevelOneChannel) {
            r(row::kFirstPower, b) = RunningMean(r(row::kFirstPower, b), left, n);
            r(row::kSecondPower, b) = RunningMean(r(row::kSecondPower, b), right, n);
        } else {
            r(row::kFirstPower, b) = left;
            r(row::kSecondPower, b) = right;
            const double ratio =
                in.ExchangeChannel ? ratioOrNoValue(right, left) : ratioOrNoValue(left, right);
            r(row::kCombined, b) = RunningMean(r(row::kCombined, b), ratio, n);
        }
    }
}

// Picks the bin of each band (with the wide-range option the strongest bin near it, per
// channel) and stores both channels' components and powers per band.
void impedanceComponents(BandState& s, const FftState& fft, bool wideRange) {
    const int32_t half = fft.BlockSize / 2 - 1;
    for (int b = 0; b <= s.Table.LastBand; ++b) {
        const int32_t centre = s.Table.BandBin[b];
        ChannelBin left{0, 0, 0, 0};
        ChannelBin right{0, 0, 0, 0};
        if (!wideRange) {
            left = right = SeparateChannels(fft, centre);
        } else {
            const int32_t w = centre / 100;
            const int32_t from = std::max<int32_t>(centre - w, 0);
            const int32_t to = std::min<int32_t>(centre + w, half);
            double best1 = 0;
            double best2 = 0;
            for (int32_t k = from; k <= to; ++k) {
                const ChannelBin c = SeparateChannels(fft, k);
                if (c.P1() > best1) best1 = c.P1(), left = c;
                if (c.P2() > best2) best2 = c.P2(), right = c;
            }
        }
        s.BandSpecA1[b] = left.a1;
        s.BandSpecB1[b] = left.b1;
        s.BandSpecA2[b] = right.a2;
        s.BandSpecB2[b] = right.b2;
        s.ChannelSpectrum1[b] = left.a1 * left.a1 + left.b1 * left.b1;
        s.ChannelSpectrum2[b] = right.a2 * right.a2 + right.b2 * right.b2;
    }
}

void analyseImpedanceOneChannel(BandState& s, const BandAnalysisInputs& in) {
    const auto& power = in.ActiveChannel == 0 ? s.ChannelSpectrum1 : s.ChannelSpectrum2;
    BandResults& r = s.Results;
    for (int b = 0; b <= s.Table.LastBand; ++b) {
        if (in.ImpedancePart == 1) {
            r(row::kFirstPower, b) = RunningMean(r(row::kFirstPower, b), power[b], in.AvgCount);
            continue;
        }
        if (in.ImpedancePart != 2) continue;
        r(row::kSecondPower, b) = RunningMean(r(row::kSecondPower, b), power[b], in.AvgCount);
        const double ratio = ratioOrNoValue(r(row::kSecondPower, b), r(row::kFirstPower, b));
        r(row::kCombined, b) =
            isNoValue(ratio) ? kNoValue : static_cast<double>(in.SeriesResistor) * std::sqrt(ratio);
    }
}

void analyseImpedanceTwoChannel(BandState& s, const BandAnalysisInputs& in) {
    BandResults& r = s.Results;
    for (int b = 0; b <= s.Table.LastBand; ++b) {
        const ImpedanceSample z =
            TwoChannelImpedance(BandComponents(s, b, in.ExchangeChannel), 1.0, in.SeriesResistor);
        r(row::kCombined, b) = RunningMean(r(row::kCombined, b), z.Magnitude, in.AvgCount);
        r(row::kPhase, b) = z.Phase;
    }
}

} // namespace

int16_t LevelLastBand(int32_t sampleRate) {
    return static_cast<int16_t>(std::nearbyint(40 * Log10((sampleRate / 2.0) / 10)));
}

void BuildBandTable(BandState& s, const BandGridInputs& grid) {
    s.SampleRate = grid.SampleRate;
    s.BlockSize = grid.BlockSize;
    s.Type = grid.Type;
    const bool impedance = IsImpedanceType(grid.Type);
    BandTable& t = s.Table;
    t.LastBand = static_cast<int16_t>(LevelLastBand(grid.SampleRate) - (impedance ? 1 : 0));
    const int bands = t.LastBand + 1;
    t.BandFreq.assign(bands + 1, 0.0);
    t.BandBin.assign(bands + 1, 0);
    t.BandFrac.assign(bands + 1, 0.0);
    const double df = static_cast<double>(grid.SampleRate) / grid.BlockSize;
    const int32_t half = grid.BlockSize / 2 - 1;
    if (impedance) {
        buildImpedanceGrid(t, grid.SampleRate, df, half);
    } else {
        buildLevelGrid(t, df, half);
    }
    const int rows = PropertiesOf(grid.Type).ResultRows;
    s.Results.RowCount = rows;
    s.Results.BandCount = bands;
    s.Results.Cells.assign(static_cast<size_t>(rows + 1) * bands, 0.0);
    s.BandValue.assign(bands, kNoValue);
    for (auto* v : {&s.BandSpecA1, &s.BandSpecB1, &s.BandSpecA2, &s.BandSpecB2}) {
        v->assign(bands, 0.0);
    }
    const size_t spectrum = impedance ? bands : static_cast<size_t>(grid.BlockSize / 2);
    s.ChannelSpectrum1.assign(spectrum, 0.0);
    s.ChannelSpectrum2.assign(spectrum, 0.0);
    s.SmoothWork.assign(bands, 0.0);
}

void BandAnalysis(BandState& s, const FftState& fft, const BandAnalysisInputs& in) {
    if (fft.BlockSize != s.BlockSize || in.Type != s.Type) return;
    switch (in.Type) {
    case MeasType::LevelOneChannel:
    case MeasType::LevelTwoChannel:
        analyseLevels(s, fft, in);
        break;
    case MeasType::ImpedanceOneChannel:
        impedanceComponents(s, fft, in.WideRange);
        analyseImpedanceOneChannel(s, in);
        break;
    case MeasType::ImpedanceTwoChannel:
        impedanceComponents(s, fft, in.WideRange);
        analyseImpedanceTwoChannel(s, in);
        break;
    default:
        break; // the pulse measurement has no band results
    }
}

double PhaseDeg(double re, double im) {
    if (re > 0) return std::atan(im / re) * 180 / kPi;
    if (re < 0) {
        const double a = std::atan(im / re) * 180 / kPi;
        return im >= 0 ? a + 180 : a - 180;
    }
    if (im < 0) return -90;
    if (im > 0) return 90;
    return 0;
}

} // namespace terzlab
