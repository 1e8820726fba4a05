#include "display/frame.h"
#include "analysis/meas_type.h"
#include "display/mapping.h"
#include "display/number_format.h"
#include <cmath>

namespace terzlab {

namespace {

// Frequencies of the logarithmic grid: k * 10^d for d = 1..4, k = 1..9, from 10 Hz up to
// (not including) half the sample rate.
template <typename Visit> void ForEachGridFrequency(int32_t sampleRate, Visit visit) {
    const double fmax = sampleRate / 2.0;
    double decade = 10.0;
    for (int d = 1; d <= 4; ++d, decade *= 10.0) {
        for (int k = 1; k <= 9; ++k) {
            const double f = k * decade;
            if (f >= 10.0 && f < fmax) visit(f, d, k);
        }
    }
}

void VerticalLine(Picture& graph, int32_t x, int32_t height) {
    graph.MoveToEx(x, 0);
    graph.LineTo(x, height);
}

void HorizontalLine(Picture& graph, int32_t y, int32_t width) {
    graph.MoveToEx(0, y);
    graph.LineTo(width, y);
}

// Horizontal divisions: grid lines and labels share this count. No division for a step that
// would not divide the axis.
int32_t Divisions(double span, int16_t step) {
    if (step <= 0) return 0;
    const float n = static_cast<float>(span) / static_cast<float>(step);
    const double rounded = std::nearbyint(static_cast<double>(n));
    return rounded >= 1.0 && rounded <= 10000.0 ? static_cast<int32_t>(rounded) : 0;
}

void HorizontalGrid(Picture& graph, int32_t divisions) {
    const double w = graph.ScaleWidth();
    const double h = graph.ScaleHeight();
    for (int32_t i = 1; i < divisions; ++i) {
        HorizontalLine(graph, ToPixel(i * h / divisions), ToPixel(w));
    }
}

void TimeGrid(Picture& graph, const FrameInputs& in) {
    const double w = graph.ScaleWidth();
    const double h = graph.ScaleHeight();
    for (int i = 1; i <= 7; ++i)
        VerticalLine(graph, ToPixel(i * w / 8.0), ToPixel(h));
    HorizontalGrid(graph, Divisions(2.0 * in.Range.RangeTop, in.Range.RangeStep));
}

void FrequencyGrid(Picture& graph, const FrameInputs& in) {
    const double w = graph.ScaleWidth();
    const double h = graph.ScaleHeight();
    ForEachGridFrequency(in.SampleRate, [&](double f, int, int) {
        VerticalLine(graph, ToPixel(FrequencyX(f, w, in.SampleRate)), ToPixel(h));
    });
    const double span = static_cast<double>(in.Range.RangeTop) - in.Range.RangeBottom;
    HorizontalGrid(graph, Divisions(span, in.Range.RangeStep));
}

void PrintAt(Picture& window, double x, double y, const std::string& text) {
    window.SetCurrentX(x);
    window.SetCurrentY(y);
    window.Print(text);
}

// The value labels left of the graph, top to bottom.
void VerticalLabels(Picture& window, const FrameInputs& in, int32_t divisions, const char* unit) {
    const GraphPlacement& g = in.Graph;
    for (int32_t i = 0; i <= divisions; ++i) {
        const int32_t value = in.Range.RangeTop - i * static_cast<int32_t>(in.Range.RangeStep);
        const std::string text = std::to_string(value) + unit;
        const double th = window.TextHeight(text);
        double y = g.Top + i * g.Height / divisions - th / 2.0;
        if (i == 0) y = g.Top;
        if (i == divisions) y = g.Top + g.Height - th;
        PrintAt(window, g.Left - window.TextWidth(text), y, text);
    }
}

void TimeLabels(Picture& window, const FrameInputs& in) {
    const GraphPlacement& g = in.Graph;
    const int32_t frames = TimeWindowLength(in.MeasTypeIndex, in.BlockSize);
    const int decimals = frames > 16384 ? 0 : 1;
    for (int i = 0; i <= 8; ++i) {
        const double ms = i * 125.0 * frames / (in.SampleRate != 0 ? in.SampleRate : 1);
        std::string text = FormatFixed(ms, decimals, in.DecimalSeparator);
        if (i == 8) text += " [ms]";
        const double tw = window.TextWidth(text);
        double x = g.Left + i * g.Width / 8.0 - tw / 2.0;
        if (i == 0) x = g.Left;
        if (i == 8) x = g.Left + g.Width - tw;
        PrintAt(window, x, g.Top + g.Height, text);
    }
    VerticalLabels(window, in, Divisions(2.0 * in.Range.RangeTop, in.Range.RangeStep), " % ");
}

std::string FrequencyLabel(double f, int d, int k) {
    std::string text = d < 3 ? std::to_string(static_cast<int>(f))
                             : std::to_string(static_cast<int>(f / 1000.0)) + "k";
    if (d == 4 && k == 2) text += " [Hz]";
    return text;
}

bool ShowsDecibels(const FrameInputs& in) {
    return UnitOf(in.MeasTypeIndex, in.ImpedancePart) == ResultUnit::Decibel;
}

void FrequencyLabels(Picture& window, const Picture& graph, const FrameInputs& in) {
    const GraphPlacement& g = in.Graph;
    constexpr double kBorder = 30.0;
    ForEachGridFrequency(in.SampleRate, [&](double f, int d, int k) {
        if (k != 1 && k != 2 && k != 5) return;
        const std::string text = FrequencyLabel(f, d, k);
        const double centre =
            g.Left + kBorder + kTwipsPerPixel * FrequencyX(f, graph.ScaleWidth(), in.SampleRate);
        PrintAt(window, centre - window.TextWidth(text) / 2.0, g.Top + g.Height, text);
    });
    const double span = static_cast<double>(in.Range.RangeTop) - in.Range.RangeBottom;
    VerticalLabels(window, in, Divisions(span, in.Range.RangeStep),
                   ShowsDecibels(in) ? " dB " : " Ohm ");
}

void TopLine(Picture& window) {
    window.SetForeColor(kDarkGrey);
    window.MoveToEx(0, 0);
    window.LineTo(ToPixel(window.ScaleWidth() - kTwipsPerPixel), 0);
    window.SetForeColor(kBlack);
}

} // namespace

void DisplayInit(Picture& graph, Picture& window, const FrameInputs& in, bool full) {
    graph.Cls();
    graph.SetForeColor(kBlack);
    graph.SetDrawStyle(DrawStyle::Dot);
    const bool time = in.DisplayIndex == kDisplayTime;
    const bool frequency = in.DisplayIndex == kDisplayFrequency;
    if (time) TimeGrid(graph, in);
    if (frequency) FrequencyGrid(graph, in);
    graph.SetDrawStyle(DrawStyle::Solid);
    if (time || frequency) {
        window.SetForeColor(kBlack);
        if (full) {
            window.Cls();
            if (time) TimeLabels(window, in);
            if (frequency) FrequencyLabels(window, graph, in);
        }
    }
    TopLine(window);
}

} // namespace terzlab
