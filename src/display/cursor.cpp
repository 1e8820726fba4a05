#include "display/cursor.h"
#include "analysis/meas_type.h"
#include "display/mapping.h"
#include "display/number_format.h"

namespace terzlab {

namespace {

std::string TimeCaption(float x, float y, const CursorInputs& in) {
    const int32_t frames = TimeWindowLength(in.Type, in.BlockSize);
    const double ms = CursorTimeMs(x, in.Width, frames, in.SampleRate);
    const double percent = CursorPercent(y, in.Height, in.Range.RangeTop);
    const int percentDecimals = in.Range.RangeTop <= 10 ? 2 : 1;
    return FormatFixed(percent, percentDecimals, in.DecimalSeparator) + " % / " +
           FormatFixed(ms, frames > 16384 ? 0 : 1, in.DecimalSeparator) + " ms";
}

bool ShowsOhm(const CursorInputs& in) {
    return UnitOf(in.Type, in.ImpedancePart) == ResultUnit::Ohm;
}

std::string FrequencyCaption(float x, float y, const CursorInputs& in) {
    const double f = CursorFrequency(x, in.Width, in.SampleRate);
    const double v = CursorLevel(y, in.Height, in.Range);
    return FormatFixed(v, 2, in.DecimalSeparator) + (ShowsOhm(in) ? " Ohm / " : " dB / ") +
           FormatFrequencyText(f, in.DecimalSeparator) + " Hz";
}

} // namespace

CursorUpdate CursorReadout(float x, float y, bool inGraph, const CursorInputs& in) {
    if (!in.MeasValid && !in.ComparisonChecked) return {};
    if (!inGraph) return {CursorUpdate::Action::Hide, std::nullopt};
    CursorUpdate update{CursorUpdate::Action::Show, std::nullopt};
    if (in.Shown == View::Time) update.Caption = TimeCaption(x, y, in);
    if (in.Shown == View::Frequency) update.Caption = FrequencyCaption(x, y, in);
    return update;
}

} // namespace terzlab
