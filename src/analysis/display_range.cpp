#include "analysis/display_range.h"

#include "analysis/constants.h"
#include "analysis/impedance.h"
#include "analysis/meas_type.h"
#include "analysis/running_mean.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace terzlab {

using detail::RunningMean;

namespace {

bool isLevelDisplay(const DisplayInputs& in) {
    return UnitOf(in.Type, in.ImpedancePart) == ResultUnit::Decibel;
}

int resultRow(const DisplayInputs& in) {
    if (in.Type == MeasType::LevelOneChannel) return row::kFirstPower + in.ActiveChannel;
    if (PropertiesOf(in.Type).TwoParts && in.ImpedancePart == 1) return row::kFirstPower;
    return row::kCombined;
}

const CorrectionCurve* curveInUse(const DisplayInputs& in, int slot) {
    const CorrectionCurve* c = in.Curves[slot];
    if (!in.CurveChecked[slot] || c == nullptr || c->CurveLoaded != 1) return nullptr;
    return c;
}

} // namespace

bool CurveApplied(const DisplayInputs& in, int slot) {
    if (curveInUse(in, slot) == nullptr) return false;
    const MeasTypeProperties& p = PropertiesOf(in.Type);
    if (slot == kSensorSlot) return p.Sensor;
    return slot == kReferenceSlot && p.Reference != CurveKind::None;
}

namespace {

// The type-4 reference: the impedance of the latest block worked out anew with the reference
// level as a linear factor on the source channel.
const CorrectionCurve* impedanceReference(const BandState& s, const DisplayInputs& in) {
    if (in.Type != MeasType::ImpedanceTwoChannel || s.Results.RowCount < row::kPhase ||
        !CurveApplied(in, kReferenceSlot))
        return nullptr;
    return in.Curves[kReferenceSlot];
}

float referenceAmp(const CorrectionCurve& ref, int band) {
    return band < CorrectionCurve::kEntries ? ref.CurveAmp[band] : float(kNoValue);
}

void formBandValues(const BandState& s, const DisplayInputs& in, std::span<double> values) {
    std::fill(values.begin(), values.end(), kNoValue);
    const int row = resultRow(in);
    if (row > s.Results.RowCount) return; // the pulse measurement has no band results
    const bool level = isLevelDisplay(in);
    const bool offsets = in.ImpedancePart != 1 && !in.CalibrationRun;
    const int last = std::min<int>(s.Table.LastBand, static_cast<int>(values.size()) - 1);
    for (int b = 0; b <= last; ++b) {
        const double v = s.Results(row, b);
        if (!level) {
            values[b] = std::min(v, kOpenCircuit);
        } else if (!isNoValue(v) && v > 0) { // power 0 has no finite level
            double db = 10 * Log10(v);
            if (offsets) db = db + in.CalibValue[in.ActiveChannel & 1] + in.LevelCorr5;
            values[b] = db;
        }
    }
}

void subtractCurve(std::span<double> values, const CorrectionCurve& curve) {
    const size_t n = std::min<size_t>(values.size(), CorrectionCurve::kEntries);
    for (size_t b = 0; b < n; ++b) {
        const float amp = curve.CurveAmp[b];
        values[b] = isNoValue(values[b]) || isNoValue(amp) ? kNoValue : values[b] - amp;
    }
    for (size_t b = n; b < values.size(); ++b)
        values[b] = kNoValue;
}

// Bands the reference has no value for have none; the others show row 3, which the block's
// reference step has already formed.
void showReferencedImpedance(const BandState& s, const CorrectionCurve& ref,
                             std::span<double> values) {
    const int last = std::min<int>(s.Table.LastBand, static_cast<int>(values.size()) - 1);
    for (int b = 0; b <= last; ++b)
        values[b] = isNoValue(referenceAmp(ref, b))
                        ? kNoValue
                        : std::min(s.Results(row::kCombined, b), kOpenCircuit);
}

void applyCurves(const BandState& s, const DisplayInputs& in, std::span<double> values) {
    if (CurveApplied(in, kSensorSlot)) subtractCurve(values, *in.Curves[kSensorSlot]);
    if (!CurveApplied(in, kReferenceSlot)) return;
    if (PropertiesOf(in.Type).Unit == ResultUnit::Decibel) {
        subtractCurve(values, *in.Curves[kReferenceSlot]);
    } else if (const CorrectionCurve* z = impedanceReference(s, in)) {
        showReferencedImpedance(s, *z, values);
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

void FormDisplayValues(const BandState& s, const DisplayInputs& in, std::span<double> values,
                       std::span<double> work) {
    formBandValues(s, in, values);
    applyCurves(s, in, values);
    if (isLevelDisplay(in)) SmoothBands(values, in.FreqResIndex, work);
}

void ApplyReferenceToBlock(BandState& s, const DisplayInputs& in) {
    const CorrectionCurve* ref = impedanceReference(s, in);
    if (ref == nullptr) return;
    BandResults& r = s.Results;
    for (int b = 0; b <= s.Table.LastBand; ++b) {
        const float amp = referenceAmp(*ref, b);
        if (isNoValue(amp)) continue;
        const double factor = std::pow(10.0, static_cast<double>(amp) / 20);
        const ImpedanceSample z = TwoChannelImpedance(BandComponents(s, b, in.ExchangeChannel),
                                                      factor, in.SeriesResistor);
        r(row::kCombined, b) = RunningMean(r(row::kCombined, b), z.Magnitude, in.AvgCount);
        r(row::kPhase, b) = z.Phase;
    }
}

DbRangeResult ChooseDbRange(std::span<const double> values, const DisplayInputs& in, bool autoRange,
                            AxisRange& range) {
    MinMax mm;
    for (double v : values) {
        mm.takeMax(v);
        mm.takeMin(v);
    }
    if (ImpedanceResult(in.Type, in.ImpedancePart)) mm.min = 0;
    const CorrectionCurve* cmp = curveInUse(in, kComparisonSlot);
    if (cmp != nullptr && ComparisonTakesPart(in.Type, in.ImpedancePart, cmp->CurveType)) {
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

DbRangeResult GetDbRange(BandState& s, const DisplayInputs& in, bool autoRange, AxisRange& range) {
    if (!in.MeasValid) return ChooseDbRange({}, in, autoRange, range); // values of no result
    FormDisplayValues(s, in, s.BandValue, s.SmoothWork);
    return ChooseDbRange(s.BandValue, in, autoRange, range);
}

} // namespace terzlab
