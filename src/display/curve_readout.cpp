#include "display/curve_readout.h"
#include "analysis/constants.h"
#include "display/mapping.h"
#include "display/number_format.h"
#include "display/spectrum_plot.h"
#include "text/translate.h"
#include <algorithm>
#include <cmath>

namespace terzlab {

namespace {

// Nearest on the graph's logarithmic frequency axis; entries without a value are skipped, so
// a gap in the curve reads its neighbour rather than nothing.
template <typename Freqs, typename Values>
std::optional<size_t> Nearest(double frequency, const Freqs& freq, const Values& value,
                              size_t count) {
    std::optional<size_t> best;
    double bestDistance = 0.0;
    for (size_t i = 0; i < count; ++i) {
        if (isNoValue(value[i]) || !(freq[i] > 0.0)) continue;
        const double distance = std::abs(std::log(freq[i] / frequency));
        if (!best || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

// The point at an entry, with its phase where one is shown.
struct Reading {
    CurvePoint Point;
    std::optional<double> Phase;
};

// Three significant digits, as band names read: "63,1", "125", "1000".
std::string BandFrequencyText(double f, const std::string& separator) {
    return FormatFixed(f, f < 10.0 ? 2 : f < 100.0 ? 1 : 0, separator);
}

// The pattern names the curve and places the reading ("%1").
std::string Caption(const std::string& pattern, const std::optional<Reading>& at,
                    const CurveReadoutInputs& in) {
    if (!at) return {};
    std::string reading = BandFrequencyText(at->Point.Freq, in.DecimalSeparator) + " Hz  " +
                          FormatFixed(at->Point.Value, 2, in.DecimalSeparator) +
                          (in.Ohm ? " Ohm" : " dB");
    if (at->Phase && !isNoValue(*at->Phase)) {
        reading += "  " + FormatFixed(*at->Phase, 1, in.DecimalSeparator) + "\u00B0";
        const double drawn = PhaseOnAxis(*at->Phase);
        if (drawn != *at->Phase)
            reading += text::arg(text::translate("CurveReadout", " (gezeichnet: %1\u00B0)"),
                                 {FormatFixed(drawn, 1, in.DecimalSeparator)});
    }
    return text::arg(pattern, {reading});
}

} // namespace

CurveReadoutText CurveReadout(float x, const CurveReadoutInputs& in) {
    const double f = CursorFrequency(x, in.Width, in.SampleRate);
    CurveReadoutText out;
    if (!(f > 0.0)) return out;
    if (in.MeasValid) {
        const size_t bands = std::min({static_cast<size_t>(std::max<int>(in.LastBand + 1, 0)),
                                       in.BandFreq.size(), in.BandValue.size()});
        if (const auto b = Nearest(f, in.BandFreq, in.BandValue, bands)) {
            Reading at{{in.BandFreq[*b], in.BandValue[*b]}, std::nullopt};
            if (*b < in.BandPhase.size()) at.Phase = in.BandPhase[*b];
            out.Measured = at.Point;
            out.MeasuredCaption = Caption(text::translate("CurveReadout", "Messung: %1"), at, in);
        }
    }
    if (const CorrectionCurve* curve = in.Comparison) {
        const auto count =
            static_cast<size_t>(std::clamp<int>(curve->CurveCount, 0, CorrectionCurve::kEntries));
        if (const auto e = Nearest(f, curve->CurveFreq, curve->CurveAmp, count)) {
            Reading at{{curve->CurveFreq[*e], curve->CurveAmp[*e]}, std::nullopt};
            if (in.ComparisonPhase) at.Phase = curve->CurvePhase[*e];
            out.ComparisonCaption =
                Caption(text::translate("CurveReadout", "Vergleich: %1"), at, in);
        }
    }
    return out;
}

std::string CurveValueAt(float x, const CorrectionCurve& curve, const CurveReadoutInputs& in) {
    const double f = CursorFrequency(x, in.Width, in.SampleRate);
    const auto count =
        static_cast<size_t>(std::clamp<int>(curve.CurveCount, 0, CorrectionCurve::kEntries));
    const auto e = f > 0.0 ? Nearest(f, curve.CurveFreq, curve.CurveAmp, count) : std::nullopt;
    if (!e) return {};
    return FormatFixed(curve.CurveAmp[*e], 2, in.DecimalSeparator) + (in.Ohm ? " Ohm" : " dB");
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
