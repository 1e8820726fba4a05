// Another tool's curve in a slot of the curve store: on the band grid by interpolation on the
// log-frequency axis, phase unwrapped, and titled by its file.
#include "analysis/constants.h"
#include "files/curve_text.h"
#include "files/curve_values.h"
#include "text/translate.h"

#include <algorithm>
#include <cmath>

namespace terzlab {
namespace {

// Linear interpolation; a missing value on either side leaves the band without one.
float Between(double lo, double hi, double t) {
    if (lo == kNoValue || hi == kNoValue) return kNoValueSingle;
    return ToSingle(lo + (hi - lo) * t);
}

double Wrapped(double degrees) {
    return degrees - 360.0 * std::floor((degrees + 180.0) / 360.0);
}

// Each phase moved by whole turns to within half a turn of the one before.
std::vector<double> UnwrappedPhases(const CurveText& curve) {
    std::vector<double> phases;
    std::optional<double> last;
    for (const CurveTextPoint& p : curve.Points) {
        if (p.Phase == kNoValue) {
            phases.push_back(kNoValue);
            continue;
        }
        double phase = p.Phase;
        if (last) phase -= 360.0 * std::round((phase - *last) / 360.0);
        phases.push_back(phase);
        last = phase;
    }
    return phases;
}

void Refuse(const std::string& error, MessageService& messages) {
    messages.show(error, MsgButtons::Ok, MsgIcon::Exclamation,
                  text::translate("DataFiles", "Fehler beim Einlesen"));
}

} // namespace

void PutOnBandGrid(const CurveText& curve, int16_t lastBand, double offset, StoredCurve& slot) {
    constexpr int kEntries = CorrectionCurve::kEntries;
    lastBand = std::clamp<int16_t>(lastBand, 0, kEntries - 1);
    const std::vector<double> phases = UnwrappedPhases(curve);
    std::vector<double> x; // the fractional band index of each point
    for (const CurveTextPoint& p : curve.Points)
        x.push_back(40.0 * std::log10(p.Freq / 10.0));
    for (int j = 0; j < kEntries; ++j) {
        slot.CurveFreq[j] = ShownBandFreq(j);
        slot.CurveAmp[j] = slot.CurvePhase[j] = kNoValueSingle;
        if (j > lastBand || x.size() < 2 || j < x.front() || j > x.back()) continue;
        const auto hi = static_cast<std::size_t>(
            std::max<std::ptrdiff_t>(std::lower_bound(x.begin(), x.end(), j) - x.begin(), 1));
        const std::size_t lo = hi - 1;
        const double t = x[hi] > x[lo] ? (j - x[lo]) / (x[hi] - x[lo]) : 0.0;
        slot.CurveAmp[j] =
            Between(curve.Points[lo].Value - offset, curve.Points[hi].Value - offset, t);
        const float phase = Between(phases[lo], phases[hi], t);
        slot.CurvePhase[j] = phase == kNoValueSingle ? phase : ToSingle(Wrapped(phase));
    }
    slot.CurveCount = static_cast<int16_t>(lastBand + 1);
}

bool LoadCurveTextFile(DispOct& store, int slot, const std::filesystem::path& path,
                       CurveKind fallback, int16_t lastBand, MessageService& messages) {
    if (slot != kSensorSlot && slot != kComparisonSlot) return false;
    CurveText curve;
    std::string error;
    if (!ReadCurveText(path, curve, error)) {
        Refuse(error, messages);
        return false;
    }
    const bool sensor = slot == kSensorSlot;
    if (sensor && curve.Kind == CurveKind::Impedance) {
        Refuse(text::arg(text::translate("DataFiles", "Die Datei %1 ist eine Impedanzkurve, "
                                                      "keine Kalibrierdatei eines Mikrofons"),
                         {path.string()}),
               messages);
        return false;
    }
    const CurveKind kind = curve.Kind != CurveKind::None ? curve.Kind : fallback;
    StoredCurve loaded;
    loaded.CurveLoaded = 1;
    loaded.CurveType =
        sensor ? kCurveSensor
               : static_cast<int16_t>(kind == CurveKind::None ? CurveKind::Level : kind);
    loaded.CurveTitle = path.filename().string();
    loaded.CurveDir = path.has_parent_path() ? path.parent_path().string() : ".";
    loaded.CurveFile = path.filename().string();
    const double offset = sensor ? -curve.SensitivityDb.value_or(0.0) : 0.0;
    PutOnBandGrid(curve, lastBand, offset, loaded);
    store.Curves[slot] = std::move(loaded);
    if (sensor) store.SensorOffset = offset;
    return true;
}

std::vector<std::string> DistinctTitles(const std::vector<const StoredCurve*>& curves) {
    std::vector<std::string> titles;
    for (const StoredCurve* curve : curves) {
        const auto same = std::count_if(curves.begin(), curves.end(), [curve](const auto* other) {
            return other->CurveTitle == curve->CurveTitle;
        });
        const bool named = same == 1 && !curve->CurveTitle.empty();
        titles.push_back(named ? curve->CurveTitle
                               : curve->CurveTitle + " (" + curve->CurveFile + ")");
    }
    return titles;
}

} // namespace terzlab
