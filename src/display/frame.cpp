#include "display/frame.h"
#include "analysis/meas_type.h"
#include "display/mapping.h"
#include "display/number_format.h"
#include <cmath>
#include <utility>

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

struct Label {
    double x;
    double y;
    std::string text;
    double width;
    double height;
};

// Strictly overlapping boxes; labels that merely touch stay apart. `gap` keeps neighbours in a
// row from reading as one number.
bool Overlap(double left, double top, double width, double height, const Label& b, double gap) {
    return left < b.x + b.width + gap && b.x < left + width + gap && top < b.y + b.height &&
           b.y < top + height;
}

bool UnderControl(const Label& label, const std::vector<ControlBox>& controls) {
    for (const ControlBox& c : controls)
        if (Overlap(c.Left, c.Top, c.Width, c.Height, label, 0.0)) return true;
    return false;
}

// One axis's labels in order. A label under a control or touching the one kept before it is
// left out; the last label, which carries the unit, always stays and pushes back the labels
// before it that it would run into.
void PrintRow(Picture& window, const std::vector<Label>& labels, const FrameInputs& in) {
    const double gap = window.TextWidth(" ");
    const auto clash = [gap](const Label& a, const Label& b) {
        return Overlap(a.x, a.y, a.width, a.height, b, gap);
    };
    std::vector<Label> kept;
    for (size_t i = 0; i < labels.size(); ++i) {
        const Label& label = labels[i];
        if (UnderControl(label, in.Controls)) continue;
        if (i + 1 < labels.size()) {
            if (kept.empty() || !clash(kept.back(), label)) kept.push_back(label);
            continue;
        }
        while (!kept.empty() && clash(kept.back(), label))
            kept.pop_back();
        kept.push_back(label);
    }
    for (const Label& label : kept)
        PrintAt(window, label.x, label.y, label.text);
}

Label MakeLabel(const Picture& window, double x, double y, std::string text) {
    const double width = window.TextWidth(text);
    const double height = window.TextHeight(text);
    return {x, y, std::move(text), width, height};
}

// The value labels left of the graph, top to bottom.
void VerticalLabels(Picture& window, const FrameInputs& in, int32_t divisions, const char* unit) {
    const GraphPlacement& g = in.Graph;
    std::vector<Label> labels;
    for (int32_t i = 0; i <= divisions; ++i) {
        const int32_t value = in.Range.RangeTop - i * static_cast<int32_t>(in.Range.RangeStep);
        const std::string text = std::to_string(value) + unit;
        const double th = window.TextHeight(text);
        double y = g.Top + i * g.Height / divisions - th / 2.0;
        if (i == 0) y = g.Top;
        if (i == divisions) y = g.Top + g.Height - th;
        labels.push_back(MakeLabel(window, g.Left - window.TextWidth(text), y, text));
    }
    PrintRow(window, labels, in);
}

void TimeLabels(Picture& window, const FrameInputs& in) {
    const GraphPlacement& g = in.Graph;
    const int32_t frames = TimeWindowLength(in.Type, in.BlockSize);
    const int decimals = frames > 16384 ? 0 : 1;
    std::vector<Label> labels;
    for (int i = 0; i <= 8; ++i) {
        const double ms = i * 125.0 * frames / (in.SampleRate != 0 ? in.SampleRate : 1);
        std::string text = FormatFixed(ms, decimals, in.DecimalSeparator);
        if (i == 8) text += " [ms]";
        const double tw = window.TextWidth(text);
        double x = g.Left + i * g.Width / 8.0 - tw / 2.0;
        if (i == 0) x = g.Left;
        if (i == 8) x = g.Left + g.Width - tw;
        labels.push_back(MakeLabel(window, x, g.Top + g.Height, text));
    }
    PrintRow(window, labels, in);
    VerticalLabels(window, in, Divisions(2.0 * in.Range.RangeTop, in.Range.RangeStep), " % ");
}

std::string FrequencyLabel(double f, int d, int k) {
    std::string text = d < 3 ? std::to_string(static_cast<int>(f))
                             : std::to_string(static_cast<int>(f / 1000.0)) + "k";
    if (d == 4 && k == 2) text += " [Hz]";
    return text;
}

bool ShowsDecibels(const FrameInputs& in) {
    return UnitOf(in.Type, in.ImpedancePart) == ResultUnit::Decibel;
}

void FrequencyLabels(Picture& window, const Picture& graph, const FrameInputs& in) {
    const GraphPlacement& g = in.Graph;
    constexpr double kBorder = 30.0;
    std::vector<Label> labels;
    ForEachGridFrequency(in.SampleRate, [&](double f, int d, int k) {
        if (k != 1 && k != 2 && k != 5) return;
        const std::string text = FrequencyLabel(f, d, k);
        const double centre =
            g.Left + kBorder + kTwipsPerPixel * FrequencyX(f, graph.ScaleWidth(), in.SampleRate);
        labels.push_back(
            MakeLabel(window, centre - window.TextWidth(text) / 2.0, g.Top + g.Height, text));
    });
    PrintRow(window, labels, in);
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
    const bool time = in.Shown == View::Time;
    const bool frequency = in.Shown == View::Frequency;
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
