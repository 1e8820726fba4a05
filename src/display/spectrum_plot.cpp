#include "display/spectrum_plot.h"
#include "analysis/constants.h"
#include "analysis/meas_type.h"
#include "display/curve_colour.h"
#include "display/mapping.h"
#include "text/translate.h"
#include <algorithm>
#include <cmath>

namespace terzlab {

const char* const kStampText =
    TZ_TRANSLATE_NOOP("GraphStamp", "\u00A9 Terzlab \u2013 Terzanalyse mit der Soundkarte");

namespace {

// Draws one polyline through the points that have a value; points without one are bridged.
class CurvePen {
  public:
    CurvePen(Picture& graph, const FrameInputs& frame)
        : graph_(graph), frame_(frame), width_(graph.ScaleWidth()), height_(graph.ScaleHeight()) {}

    void Point(double frequency, float value) {
        if (isNoValue(value)) return;
        const double x = FrequencyX(frequency, width_, frame_.SampleRate);
        const double y = LevelY(value, height_, frame_.Range);
        if (!std::isfinite(x) || !std::isfinite(y)) return;
        if (started_) {
            graph_.LineTo(ToPixel(x), ToPixel(y));
        } else {
            graph_.MoveToEx(ToPixel(x), ToPixel(y));
            started_ = true;
        }
    }

  private:
    Picture& graph_;
    const FrameInputs& frame_;
    double width_;
    double height_;
    bool started_ = false;
};

void DrawComparison(Picture& graph, const FrameInputs& frame, const CorrectionCurve& curve,
                    Colour colour) {
    graph.SetForeColor(colour);
    CurvePen pen(graph, frame);
    const int count = std::clamp<int>(curve.CurveCount, 0, CorrectionCurve::kEntries);
    for (int i = 0; i < count; ++i)
        pen.Point(curve.CurveFreq[i], curve.CurveAmp[i]);
}

void DrawMeasured(Picture& graph, const FrameInputs& frame, const SpectrumInputs& in) {
    graph.SetForeColor(in.CurveColour);
    CurvePen pen(graph, frame);
    const size_t bands = std::min({static_cast<size_t>(std::max<int>(in.LastBand + 1, 0)),
                                   in.BandFreq.size(), in.BandValue.size()});
    for (size_t b = 0; b < bands; ++b) {
        pen.Point(in.BandFreq[b], static_cast<float>(in.BandValue[b]));
    }
}

struct LegendLine {
    std::string Text;
    Colour LineColour;
    std::string Value; // after the text, never cut
};

// The text cut at a character's start, with "…", until it is no wider than maxWidth.
std::string CutToWidth(Picture& graph, std::string text, double maxWidth) {
    if (graph.TextWidth(text) <= maxWidth) return text;
    while (!text.empty()) {
        text.pop_back();
        while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80)
            text.pop_back();
        if (graph.TextWidth(text + "\u2026") <= maxWidth) break;
    }
    return text + "\u2026";
}

// A short line in each curve's colour and its name, in a white box at the graph's top right.
void DrawLegend(Picture& graph, std::vector<LegendLine> lines) {
    if (lines.empty()) return;
    const double w = graph.ScaleWidth();
    graph.SetFont({"Arial", std::max(w / 70.0, 7.0), false});
    double textWidth = 0;
    for (LegendLine& line : lines) {
        line.Text = CutToWidth(graph, line.Text, w / 3.0);
        if (!line.Value.empty()) line.Text += "  " + line.Value;
        textWidth = std::max(textWidth, graph.TextWidth(line.Text));
    }
    const double textHeight = graph.TextHeight(lines.front().Text);
    const double lineLength = 2.0 * textHeight;
    const double right = w - 0.5 * textHeight;
    const double left = right - textWidth - lineLength - 1.5 * textHeight;
    const double top = 0.5 * textHeight;
    const double rows = static_cast<double>(lines.size());
    graph.FillBox(left, top, right, top + (rows + 0.5) * textHeight, kWhite);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double row = top + static_cast<double>(i) * textHeight;
        graph.SetForeColor(lines[i].LineColour);
        const auto lineY = ToPixel(row + 0.75 * textHeight);
        graph.MoveToEx(ToPixel(left + 0.5 * textHeight), lineY);
        graph.LineTo(ToPixel(left + 0.5 * textHeight + lineLength), lineY);
        graph.SetCurrentX(right - textWidth);
        graph.SetCurrentY(row + 0.25 * textHeight);
        graph.Print(lines[i].Text);
    }
}

void DrawPoints(Picture& graph, const FrameInputs& frame, const std::vector<double>& freq,
                const std::vector<double>& value, Colour colour) {
    graph.SetDrawStyle(DrawStyle::Solid);
    graph.SetForeColor(colour);
    CurvePen pen(graph, frame);
    for (std::size_t i = 0; i < std::min(freq.size(), value.size()); ++i)
        pen.Point(freq[i], static_cast<float>(value[i]));
}

// The comparison curves that fit the measurement, each in its colour; the legend lines of those
// drawn, when there is more than the first.
std::vector<LegendLine> DrawComparisons(Picture& graph, const FrameInputs& frame,
                                        const SpectrumInputs& in) {
    std::vector<LegendLine> legend;
    if (ComparisonShown(in.Comparison, in.ComparisonChecked, frame.Type)) {
        DrawComparison(graph, frame, *in.Comparison, kComparisonColours[0]);
        legend.push_back({in.ComparisonTitle, kComparisonColours[0], in.ComparisonValue});
    }
    for (const LegendCurve& more : in.MoreComparisons) {
        if (!ComparisonShown(more.Curve, true, frame.Type)) continue;
        DrawComparison(graph, frame, *more.Curve, more.CurveColour);
        legend.push_back({more.Title, more.CurveColour, more.Value});
    }
    if (in.MoreComparisons.empty()) legend.clear();
    return legend;
}

void DrawModel(Picture& graph, const FrameInputs& frame, const ModelCurve& model) {
    DrawPoints(graph, frame, model.Freq, model.Value, kModelCurveColour);
}

// The phase axis's labels right of the graph, in the phase's colour.
void PhaseLabels(Picture& window, const FrameInputs& frame) {
    const GraphPlacement& g = frame.Graph;
    const int32_t divisions = (kPhaseAxis.RangeTop - kPhaseAxis.RangeBottom) / kPhaseAxis.RangeStep;
    window.SetForeColor(kPhaseCurveColour);
    for (int32_t i = 0; i <= divisions; ++i) {
        const std::string text =
            std::to_string(kPhaseAxis.RangeTop - i * kPhaseAxis.RangeStep) + "\u00B0";
        const double th = window.TextHeight(text);
        const double y = g.Top + i * g.Height / divisions - th / 2.0;
        window.SetCurrentX(g.Left + g.Width + window.TextWidth(" "));
        window.SetCurrentY(std::clamp(y, g.Top, g.Top + g.Height - th));
        window.Print(text);
    }
    window.SetForeColor(kBlack);
}

void DrawComparisonPhase(Picture& graph, const FrameInputs& phaseFrame,
                         const CorrectionCurve& curve, Colour colour) {
    if (!HasPhase(curve)) return;
    graph.SetDrawStyle(DrawStyle::Dot);
    graph.SetForeColor(colour);
    CurvePen pen(graph, phaseFrame);
    const int count = std::clamp<int>(curve.CurveCount, 0, CorrectionCurve::kEntries);
    for (int i = 0; i < count; ++i)
        pen.Point(curve.CurveFreq[i], static_cast<float>(PhaseOnAxis(curve.CurvePhase[i])));
    graph.SetDrawStyle(DrawStyle::Solid);
}

// Every comparison curve's phase is dotted; with several curves each takes its curve's colour
// (the legend names them), a lone one the phase colour.
void DrawPhase(Picture& graph, Picture& window, const FrameInputs& frame,
               const SpectrumInputs& in) {
    FrameInputs phaseFrame = frame;
    phaseFrame.Range = kPhaseAxis;
    const bool several = !in.MoreComparisons.empty();
    if (in.Phase->Comparison != nullptr)
        DrawComparisonPhase(graph, phaseFrame, *in.Phase->Comparison,
                            several ? kComparisonColours[0] : kPhaseCurveColour);
    for (const LegendCurve& more : in.MoreComparisons)
        if (ComparisonShown(more.Curve, true, frame.Type))
            DrawComparisonPhase(graph, phaseFrame, *more.Curve, more.CurveColour);
    if (in.MeasValid && !in.Phase->BandPhase.empty()) {
        const auto count = std::min(in.Phase->BandPhase.size(), in.BandFreq.size());
        std::vector<double> drawn(count);
        std::transform(in.Phase->BandPhase.begin(), in.Phase->BandPhase.begin() + count,
                       drawn.begin(), PhaseOnAxis);
        DrawPoints(graph, phaseFrame, {in.BandFreq.begin(), in.BandFreq.begin() + count}, drawn,
                   kPhaseCurveColour);
    }
    PhaseLabels(window, frame);
}

} // namespace

double PhaseOnAxis(double degrees) {
    if (isNoValue(degrees) || !std::isfinite(degrees) || std::abs(degrees) <= 90.0) return degrees;
    return degrees - 180.0 * std::round(degrees / 180.0);
}

bool HasPhase(const CorrectionCurve& curve) {
    const int count = std::clamp<int>(curve.CurveCount, 0, CorrectionCurve::kEntries);
    return std::any_of(curve.CurvePhase.begin(), curve.CurvePhase.begin() + count,
                       [](float phase) { return phase != 0.0f && !isNoValue(phase); });
}

bool ComparisonShown(const CorrectionCurve* curve, bool checked, MeasType type) {
    if (curve == nullptr || !checked || curve->CurveLoaded != 1) return false;
    return ComparableCurve(type, curve->CurveType);
}

void DrawStamp(Picture& graph) {
    const double w = graph.ScaleWidth();
    const double h = graph.ScaleHeight();
    const std::string stamp = text::translate("GraphStamp", kStampText);
    graph.SetFont({"Arial", w / 50.0, true});
    const double x = std::nearbyint((w - graph.TextWidth(stamp)) / 2.0);
    const double top = h - 1.2 * graph.TextHeight(stamp);
    graph.SetDrawStyle(DrawStyle::Solid);
    graph.FillBox(x, top, w - x, h - 4.0, kWhite);
    graph.SetForeColor(kLightGrey);
    graph.SetCurrentX(x);
    graph.SetCurrentY(top);
    graph.Print(stamp);
}

void DrawSpectrum(Picture& graph, Picture& window, const FrameInputs& frame,
                  const SpectrumInputs& in) {
    DisplayInit(graph, window, frame, true);
    std::vector<LegendLine> legend = DrawComparisons(graph, frame, in);
    if (in.Held != nullptr)
        DrawPoints(graph, frame, in.Held->Freq, in.Held->Value, kHeldCurveColour);
    if (in.MeasValid) DrawMeasured(graph, frame, in);
    if (in.Phase) DrawPhase(graph, window, frame, in);
    if (in.MeasValid && in.Marker) DrawCurveMarker(graph, frame, *in.Marker, in.CurveColour);
    if (in.Model != nullptr && !in.Model->Freq.empty()) {
        DrawModel(graph, frame, *in.Model);
        legend.push_back({in.Model->Legend, kModelCurveColour, ""});
    }
    DrawLegend(graph, std::move(legend));
    DrawStamp(graph);
}

} // namespace terzlab
