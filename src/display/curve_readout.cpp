#include "display/curve_readout.h"
#include "analysis/constants.h"
#include "display/mapping.h"
#include "display/number_format.h"
#include <algorithm>
#include <cmath>

namespace terzlab {

namespace {

// Nearest on the graph's logarithmic frequency axis; entries without a value are skipped, so
// a gap in the curve reads its neighbour rather than nothing.
template <typename Freqs, typename Values>
std::optional<CurvePoint> Nearest(double frequency, const Freqs& freq, const Values& value,
                                  size_t count) {
    std::optional<CurvePoint> best;
    double bestDistance = 0.0;
    for (size_t i = 0; i < count; ++i) {
        if (isNoValue(value[i]) || !(freq[i] > 0.0)) continue;
        const double distance = std::abs(std::log(freq[i] / frequency));
        if (!best || distance < bestDistance) {
            best = CurvePoint{static_cast<double>(freq[i]), static_cast<double>(value[i])};
            bestDistance = distance;
        }
    }
    return best;
}

// Three significant digits, as band names read: "63,1", "125", "1000".
std::string BandFrequencyText(double f, const std::string& separator) {
    return FormatFixed(f, f < 10.0 ? 2 : f < 100.0 ? 1 : 0, separator);
}

std::string Caption(const char* label, const std::optional<CurvePoint>& point,
                    const CurveReadoutInputs& in) {
    if (!point) return {};
    return std::string(label) + ": " + BandFrequencyText(point->Freq, in.DecimalSeparator) +
           " Hz  " + FormatFixed(point->Value, 2, in.DecimalSeparator) + (in.Ohm ? " Ohm" : " dB");
}

} // namespace

CurveReadoutText CurveReadout(float x, const CurveReadoutInputs& in) {
    const double f = CursorFrequency(x, in.Width, in.SampleRate);
    CurveReadoutText out;
    if (!(f > 0.0)) return out;
    if (in.MeasValid) {
        const size_t bands = std::min({static_cast<size_t>(std::max<int>(in.LastBand + 1, 0)),
                                       in.BandFreq.size(), in.BandValue.size()});
        out.Measured = Nearest(f, in.BandFreq, in.BandValue, bands);
    }
    out.MeasuredCaption = Caption("Messung", out.Measured, in);
    if (in.Comparison != nullptr) {
        const auto count = static_cast<size_t>(
            std::clamp<int>(in.Comparison->CurveCount, 0, CorrectionCurve::kEntries));
        out.ComparisonCaption = Caption(
            "Vergleich", Nearest(f, in.Comparison->CurveFreq, in.Comparison->CurveAmp, count), in);
    }
    return out;
}

void DrawCurveMarker(Picture& graph, const FrameInputs& frame, const CurvePoint& point,
                     Colour colour) {
    const double x = FrequencyX(point.Freq, graph.ScaleWidth(), frame.SampleRate);
    const double y = LevelY(point.Value, graph.ScaleHeight(), frame.Range);
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    constexpr int32_t kHalf = 3;
    const int32_t cx = ToPixel(x);
    const int32_t cy = ToPixel(y);
    graph.SetDrawStyle(DrawStyle::Solid);
    graph.SetForeColor(colour);
    graph.MoveToEx(cx - kHalf, cy - kHalf);
    graph.LineTo(cx + kHalf, cy - kHalf);
    graph.LineTo(cx + kHalf, cy + kHalf);
    graph.LineTo(cx - kHalf, cy + kHalf);
    graph.LineTo(cx - kHalf, cy - kHalf);
}

} // namespace terzlab
