#include "analysis/display_range.h"

#include "analysis/constants.h"
#include "analysis/impedance.h"
#include "analysis/running_mean.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace terzlab {

using detail::Log10;
using detail::RunningMean;

namespace {

bool isLevelDisplay(const DisplayInputs& in) {
    return in.MeasTypeIndex == meas::kLevelOneChannel ||
           in.MeasTypeIndex == meas::kLevelTwoChannel ||
           (in.MeasTypeIndex == meas::kImpedanceOneChannel && in.ImpedancePart == 1);
}

int resultRow(const DisplayInputs& in) {
    if (in.MeasTypeIndex == meas::kLevelOneChannel) return in.ActiveChannel + 1;
    if (in.MeasTypeIndex == meas::kImpedanceOneChannel && in.ImpedancePart == 1) return 1;
    return 3;
}

const CorrectionCurve* curveInUse(const DisplayInputs& in, int slot) {
    const CorrectionCurve* c = in.Curves[slot];
    if (!in.CurveChecked[slot] || c == nullptr || c->CurveLoaded != 1) return nullptr;
    return c;
}

void formBandValues(BandState& s, const DisplayInputs& in) {
    std::fill(s.BandValue.begin(), s.BandValue.end(), kNoValue);
    const int row = resultRow(in);
    if (row > s.Results.RowCount) return; // the pulse measurement has no band results
    const bool level = isLevelDisplay(in);
    const bool offsets = in.ImpedancePart != 1 && !in.CalibrationRun;
    for (int b = 0; b <= s.Table.LastBand; ++b) {
        const double v = s.Results(row, b);
        if (!level) {
            s.BandValue[b] = std::min(v, kOpenCircuit);
        } else if (!isNoValue(v) && v > 0) { // power 0 has no finite level
            double db = 10 * Log10(v);
            if (offsets) db = db + in.CalibValue[in.ActiveChannel & 1] + in.LevelCorr5;
            s.BandValue[b] = db;
        }
    }
}

void subtractCurve(std::vector<double>& values, const CorrectionCurve& curve) {
    const size_t n = std::min<size_t>(values.size(), CorrectionCurve::kEntries);
    for (size_t b = 0; b < n; ++b) {
        const float amp = curve.CurveAmp[b];
        values[b] = isNoValue(values[b]) || isNoValue(amp) ? kNoValue : values[b] - amp;
    }
    for (size_t b = n; b < values.size(); ++b)
        values[b] = kNoValue;
}

// The impedance worked out anew with the reference level as a linear factor on the source
// channel. Only the call that follows the analysis of a new block feeds the running mean.
void referenceImpedance(BandState& s, const DisplayInputs& in, const CorrectionCurve& ref) {
    BandResults& r = s.Results;
    for (int b = 0; b <= s.Table.LastBand; ++b) {
        const float amp = b < CorrectionCurve::kEntries ? ref.CurveAmp[b] : float(kNoValue);
        if (isNoValue(amp)) {
            s.BandValue[b] = kNoValue;
            continue;
        }
        if (in.NewBlock) {
            const double factor = std::pow(10.0, static_cast<double>(amp) / 20);
            const ImpedanceSample z = TwoChannelImpedance(BandComponents(s, b, in.ExchangeChannel),
                                                          factor, in.SeriesResistor);
            r(3, b) = RunningMean(r(3, b), z.Magnitude, in.AvgCount);
            r(4, b) = z.Phase;
        }
        s.BandValue[b] = std::min(r(3, b), kOpenCircuit);
    }
}

void applyCurves(BandState& s, const DisplayInputs& in) {
    if (const CorrectionCurve* sensor = curveInUse(in, kSensorSlot)) {
        subtractCurve(s.BandValue, *sensor);
    }
    const CorrectionCurve* ref = curveInUse(in, kReferenceSlot);
    if (ref == nullptr) return;
    if (in.MeasTypeIndex == meas::kLevelOneChannel || in.MeasTypeIndex == meas::kLevelTwoChannel) {
        subtractCurve(s.BandValue, *ref);
    } else if (in.MeasTypeIndex == meas::kImpedanceTwoChannel && s.Results.RowCount >= 4) {
        referenceImpedance(s, in, *ref);
    }
}

struct MinMax {
    float min = 1e8f;
    float max = -1e8f;
    void takeMax(double v) {
        if (v > max) max = static_cast<float>(v);
    }
    void takeMin(double v) {
        if (!isNoValue(v) && v < min) min = static_cast<float>(v);
    }
};

bool comparisonTakesPart(const DisplayInputs& in, const CorrectionCurve& c) {
    if (in.MeasTypeIndex == meas::kImpedanceOneChannel && in.ImpedancePart == 1) return false;
    if (in.MeasTypeIndex < 2) return c.CurveType == 1;
    if (in.MeasTypeIndex > 2) return c.CurveType == 2;
    return false;
}

int16_t axisStep(int64_t span) {
    if (span <= 7) return 1;
    if (span <= 14) return 2;
    if (span <= 35) return 5;
    if (span <= 70) return 10;
    if (span <= 140) return 20;
    if (span <= 350) return 50;
    if (span <= 700) return 100;
    return 200;
}

int16_t toInt16(double v) {
    return static_cast<int16_t>(std::clamp(v, double(INT16_MIN), double(INT16_MAX)));
}

} // namespace

void SmoothBands(std::span<double> values, int16_t freqResIndex, std::span<double> work) {
    if (freqResIndex != 0 && freqResIndex != 1) return;
    if (work.size() < values.size()) return;
    const int hw = 2 - freqResIndex;
    const int last = static_cast<int>(values.size()) - 1;
    for (int b = 0; b <= last; ++b) {
        double sum = 0;
        double weights = 0;
        for (int k = b - hw; k <= b + hw; ++k) {
            if (k < 0 || k > last || isNoValue(values[k])) continue;
            const double p = std::pow(10.0, values[k] / 10);
            const bool outer = k == b - hw || k == b + hw;
            sum += outer ? p / 2 : p;
            weights += outer ? 0.5 : 1.0;
        }
        work[b] = sum == 0 || weights == 0 ? kNoValue : 10 * Log10(sum / weights);
    }
    // Every sum above read unsmoothed values; only now are they replaced.
    std::copy(work.begin(), work.begin() + values.size(), values.begin());
}

int16_t ChooseAxis(float min, float max, AxisRange& range) {
    const int64_t span1 =
        static_cast<int64_t>(std::floor(max + 1.0f)) - static_cast<int64_t>(std::floor(min));
    const int16_t step = axisStep(span1);
    double top = 0;
    double span = 0;
    if (step == 1) {
        if (span1 < 5) {
            top = std::trunc((5 - span1) / 2.0 + max);
            span = 5;
        } else {
            top = std::floor(max + 1.0f);
            span = static_cast<double>(span1);
        }
    } else {
        const float s = step;
        const double upper = std::floor(max / s + 1.0f);
        span = (upper - std::floor(min / s)) * step;
        top = upper * step;
    }
    range.RangeTop = toInt16(top);
    range.RangeBottom = min == 0 ? int16_t{0} : toInt16(top - span);
    range.RangeStep = step;
    return toInt16(span);
}

DbRangeResult GetDbRange(BandState& s, const DisplayInputs& in, bool autoRange, AxisRange& range) {
    if (in.MeasValid) {
        formBandValues(s, in);
        applyCurves(s, in);
        if (isLevelDisplay(in)) SmoothBands(s.BandValue, in.FreqResIndex, s.SmoothWork);
    }
    MinMax mm;
    for (double v : s.BandValue) {
        mm.takeMax(v);
        mm.takeMin(v);
    }
    if ((in.MeasTypeIndex == meas::kImpedanceOneChannel && in.ImpedancePart == 2) ||
        in.MeasTypeIndex == meas::kImpedanceTwoChannel) {
        mm.min = 0;
    }
    const CorrectionCurve* cmp = curveInUse(in, kComparisonSlot);
    if (cmp != nullptr && comparisonTakesPart(in, *cmp)) {
        const int count = std::clamp<int>(cmp->CurveCount, 0, CorrectionCurve::kEntries);
        for (int e = 0; e < count; ++e) {
            const float amp = cmp->CurveAmp[e];
            if (isNoValue(amp)) continue;
            mm.takeMax(amp);
            mm.takeMin(amp);
        }
    }
    DbRangeResult result{mm.min, mm.max, false, 0};
    // With no value at all there is nothing to fit the axis to.
    if (autoRange && in.AutoOn && mm.min <= mm.max) {
        result.Span = ChooseAxis(mm.min, mm.max, range);
        result.AxisChanged = true;
    }
    return result;
}

} // namespace terzlab
