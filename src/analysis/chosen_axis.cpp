#include "analysis/chosen_axis.h"

#include "text/translate.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace terzlab {

namespace {

bool isWhole(double v) {
    return std::isfinite(v) && v == std::round(v);
}

bool fits(const AxisRange& r) {
    return AxisFault(r.RangeTop, r.RangeBottom, r.RangeStep).empty();
}

} // namespace

std::string AxisFault(double top, double bottom, double step) {
    if (!isWhole(top) || !isWhole(bottom) || !isWhole(step))
        return text::translate("AxisChoice",
                               "Oben, unten und die Teilung müssen ganze Zahlen sein.");
    if (std::abs(top) > kAxisLimit || std::abs(bottom) > kAxisLimit) {
        const std::string limit = std::to_string(kAxisLimit);
        return text::arg(
            text::translate("AxisChoice", "Oben und unten müssen zwischen -%1 und %1 liegen."),
            {limit});
    }
    if (top <= bottom) return text::translate("AxisChoice", "Oben muss größer sein als unten.");
    if (std::find(kAxisSteps.begin(), kAxisSteps.end(), step) == kAxisSteps.end())
        return text::translate("AxisChoice",
                               "Die Teilung muss 1, 2, 5, 10, 20, 50, 100 oder 200 sein.");
    const double divisions = (top - bottom) / step;
    if (divisions != std::round(divisions))
        return text::translate(
            "AxisChoice", "Der Abstand von oben nach unten muss ein Vielfaches der Teilung sein.");
    if (divisions > kMaxAxisDivisions)
        return text::arg(
            text::translate("AxisChoice",
                            "Höchstens %1 Teilungen: bitte eine größere Teilung wählen."),
            {std::to_string(kMaxAxisDivisions)});
    return {};
}

AxisRange ShiftAxis(AxisRange range, int notches) {
    const int by = notches * range.RangeStep;
    const AxisRange moved{static_cast<int16_t>(std::clamp(range.RangeTop + by, -32768, 32767)),
                          static_cast<int16_t>(std::clamp(range.RangeBottom + by, -32768, 32767)),
                          range.RangeStep};
    return fits(moved) ? moved : range;
}

AxisRange ScaleAxis(AxisRange range, int notches) {
    const auto at = std::find(kAxisSteps.begin(), kAxisSteps.end(), range.RangeStep);
    if (at == kAxisSteps.end() || range.RangeStep <= 0) return range;
    const long index = (at - kAxisSteps.begin()) - notches;
    if (index < 0 || index >= static_cast<long>(kAxisSteps.size())) return range;
    const int divisions = (range.RangeTop - range.RangeBottom) / range.RangeStep;
    const int16_t step = kAxisSteps[static_cast<std::size_t>(index)];
    const int bottom = std::clamp(range.RangeTop - divisions * step, -32768, 32767);
    const AxisRange scaled{range.RangeTop, static_cast<int16_t>(bottom), step};
    return fits(scaled) ? scaled : range;
}

} // namespace terzlab
