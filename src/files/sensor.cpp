#include "files/curve_values.h"
#include "files/disp_oct.h"
#include "files/numbers.h"
#include <algorithm>
#include <cmath>

namespace terzlab {
namespace {

constexpr int kEntries = CorrectionCurve::kEntries;

void ClearFrom(StoredCurve& curve, int first) {
    for (int e = std::max(first, 0); e < kEntries; ++e) {
        curve.CurveFreq[e] = ShownBandFreq(e);
        curve.CurveAmp[e] = kNoValueSingle;
        curve.CurvePhase[e] = kNoValueSingle;
    }
}

struct SensorTable {
    int n = 0;
    std::array<float, kEntries> x{}, a{}, p{};
};

// x is the fractional band index; interpolation divides by its steps, so they must be positive.
bool BuildTable(const StoredCurve& curve, SensorTable& table) {
    table.n = std::min<int>(curve.CurveCount, kEntries);
    if (table.n < 2) return false;
    for (int i = 0; i < table.n; ++i) {
        const double f = curve.CurveFreq[i];
        if (!(f > 0.0) || !std::isfinite(f)) return false;
        table.x[i] = static_cast<float>(40.0 * (std::log(f / 10.0) / kLn10));
        if (i > 0 && !(table.x[i] > table.x[i - 1])) return false;
        table.a[i] = curve.CurveAmp[i];
        table.p[i] = curve.CurvePhase[i];
    }
    return true;
}

// A value missing in the file stays missing rather than dragging its neighbours to -999.
float Interpolate(float lo, float hi, float t, double offset) {
    if (lo == kNoValueSingle || hi == kNoValueSingle) return kNoValueSingle;
    return ToSingle((hi - lo) * t + lo - offset);
}

} // namespace

float ShownBandFreq(int band) {
    return static_cast<float>(ParseNumber(FormatFrequency(NominalBandFreq(band), true)));
}

bool ReadSensorOffset(DispOct& store) {
    store.SensorOffset = 0.0;
    bool usable = true;
    const auto s = ParseNumber(
        TrimBlanks(GetKeyValue(store, "Sensitivity at 1000 Hz in mV/dimension", 0, 1, '\t', true)));
    if (s != kNoValue && s > 0.0) {
        store.SensorOffset = 60.0 - 20.0 * (std::log(s) / kLn10);
    } else if (s != kNoValue) {
        usable = false;
    }
    const auto d = ParseNumber(TrimBlanks(GetKeyValue(store, "dB-offset", 0, 1, '\t', true)));
    if (d != kNoValue) store.SensorOffset += d;
    return usable;
}

bool ResampleSensorCurve(DispOct& store, int slot, int16_t lastBand) {
    if (slot != kSensorSlot) return true;
    auto& curve = store.Curves[slot];
    SensorTable table;
    if (!BuildTable(curve, table)) {
        ClearFrom(curve, 0);
        curve.CurveCount = 0;
        return false;
    }
    lastBand = std::clamp<int16_t>(lastBand, 0, kEntries - 1);
    ClearFrom(curve, lastBand + 1);
    const int last = table.n - 1;
    int lo = 0;
    int hi = 1;
    for (int j = 0; j <= lastBand; ++j) {
        curve.CurveFreq[j] = ShownBandFreq(j);
        if (j < table.x[lo]) {
            curve.CurveAmp[j] = curve.CurvePhase[j] = kNoValueSingle;
            continue;
        }
        while (table.x[hi] < j) {
            if (hi == last) {
                ClearFrom(curve, j);
                curve.CurveCount = static_cast<int16_t>(j);
                return true;
            }
            ++hi;
        }
        // The neighbours of band j are hi-1 and hi, also when several points lie below band 0.
        const int left = hi - 1;
        const float t = (j - table.x[left]) / (table.x[hi] - table.x[left]);
        curve.CurveAmp[j] = Interpolate(table.a[left], table.a[hi], t, store.SensorOffset);
        curve.CurvePhase[j] = Interpolate(table.p[left], table.p[hi], t, 0.0);
        while (table.x[lo] < j + 1) {
            if (lo == last) {
                ClearFrom(curve, j + 1);
                curve.CurveCount = static_cast<int16_t>(j);
                return true;
            }
            ++lo;
        }
        lo = std::max(lo - 1, 0);
    }
    return true;
}

} // namespace terzlab
