#include "display/sweep_plot.h"

#include "display/mapping.h"
#include "display/number_format.h"

#include <algorithm>
#include <cmath>

namespace terzlab {
namespace {

constexpr double kBorder = 30.0; // twips between the graph's place and its drawing area

double fraction(const PlotAxis& axis, double v) {
    if (axis.Log) {
        if (!(v > 0.0) || !(axis.From > 0.0)) return std::nan("");
        return std::log(v / axis.From) / std::log(axis.To / axis.From);
    }
    return (v - axis.From) / (axis.To - axis.From);
}

double YOf(const PlotAxis& axis, double v, double height) {
    return (1.0 - fraction(axis, v)) * height;
}

// The grid's values: every Step from the first multiple at or after From, or 1-2-5 per decade.
std::vector<double> GridValues(const PlotAxis& axis) {
    std::vector<double> values;
    if (axis.Log) {
        for (double decade = std::pow(10.0, std::floor(std::log10(axis.From))); decade <= axis.To;
             decade *= 10.0)
            for (const double k : {1.0, 2.0, 5.0})
                if (k * decade >= axis.From * 0.999 && k * decade <= axis.To * 1.001)
                    values.push_back(k * decade);
        return values;
    }
    if (!(axis.Step > 0.0)) return values;
    const double first = std::ceil(axis.From / axis.Step - 1e-9) * axis.Step;
    for (double v = first; v <= axis.To + 1e-9 * axis.Step && values.size() < 200; v += axis.Step)
        values.push_back(std::fabs(v) < 1e-9 * axis.Step ? 0.0 : v);
    return values;
}

std::string LabelText(const PlotAxis& axis, double v, const std::string& separator) {
    if (axis.Log && v >= 1000.0) return FormatFixed(v / 1000.0, 0, separator) + "k";
    const bool whole = std::fabs(v - std::round(v)) < 1e-6;
    return FormatFixed(v, whole ? 0 : (std::fabs(v) < 1.0 ? 2 : 1), separator);
}

void PrintAt(Picture& window, double x, double y, const std::string& text) {
    window.SetCurrentX(x);
    window.SetCurrentY(y);
    window.Print(text);
}

struct Placed {
    double X;
    double Width;
    std::string Text;
};

// Labels left to right; one that would touch the one kept before it is left out, and the last
// (with the unit) always stays, pushing back those it would run into.
void XLabels(Picture& window, const GraphPlacement& g, const PlotAxis& axis, double width,
             const std::string& separator) {
    const std::vector<double> values = GridValues(axis);
    const double gap = window.TextWidth(" ");
    std::vector<Placed> kept;
    for (std::size_t i = 0; i < values.size(); ++i) {
        std::string text = LabelText(axis, values[i], separator);
        const bool last = i + 1 == values.size();
        if (last) text += " [" + axis.Unit + "]";
        const double w = window.TextWidth(text);
        double x = g.Left + kBorder + kTwipsPerPixel * PlotX(axis, values[i], width) - w / 2.0;
        x = std::clamp(x, g.Left, g.Left + g.Width - w);
        const auto touches = [&](const Placed& before) {
            return x < before.X + before.Width + gap;
        };
        if (!last && !kept.empty() && touches(kept.back())) continue;
        while (last && !kept.empty() && touches(kept.back()))
            kept.pop_back();
        kept.push_back({x, w, std::move(text)});
    }
    for (const Placed& label : kept)
        PrintAt(window, label.X, g.Top + g.Height, label.Text);
}

void YLabels(Picture& window, const GraphPlacement& g, const PlotAxis& axis, double height,
             bool right, const std::string& separator) {
    for (const double v : GridValues(axis)) {
        const std::string text = LabelText(axis, v, separator) + " " + axis.Unit + " ";
        const double th = window.TextHeight(text);
        double y = g.Top + kBorder + kTwipsPerPixel * YOf(axis, v, height) - th / 2.0;
        y = std::clamp(y, g.Top, g.Top + g.Height - th);
        PrintAt(window, right ? g.Left + g.Width : g.Left - window.TextWidth(text), y, text);
    }
}

void Grid(Picture& graph, const PlotScene& scene) {
    const double w = graph.ScaleWidth();
    const double h = graph.ScaleHeight();
    graph.SetForeColor(kBlack);
    graph.SetDrawStyle(DrawStyle::Dot);
    for (const double v : GridValues(scene.X)) {
        graph.MoveToEx(ToPixel(PlotX(scene.X, v, w)), 0);
        graph.LineTo(ToPixel(PlotX(scene.X, v, w)), ToPixel(h));
    }
    for (const double v : GridValues(scene.Y)) {
        graph.MoveToEx(0, ToPixel(YOf(scene.Y, v, h)));
        graph.LineTo(ToPixel(w), ToPixel(YOf(scene.Y, v, h)));
    }
    graph.SetDrawStyle(DrawStyle::Solid);
}

void Curve(Picture& graph, const PlotScene& scene, const PlotCurve& curve) {
    const PlotAxis& y = curve.RightAxis && scene.Right ? *scene.Right : scene.Y;
    const double w = graph.ScaleWidth();
    const double h = graph.ScaleHeight();
    graph.SetForeColor(curve.LineColour);
    graph.SetDrawStyle(curve.Style);
    bool started = false;
    for (std::size_t i = 0; i < std::min(curve.X.size(), curve.Y.size()); ++i) {
        const double px = PlotX(scene.X, curve.X[i], w);
        const double py = YOf(
            y, std::clamp(curve.Y[i], std::min(y.From, y.To) - 1e6, std::max(y.From, y.To) + 1e6),
            h);
        if (!std::isfinite(curve.Y[i]) || !std::isfinite(px) || !std::isfinite(py)) {
            started = false;
            continue;
        }
        if (started) {
            graph.LineTo(ToPixel(px), ToPixel(py));
        } else {
            graph.MoveToEx(ToPixel(px), ToPixel(py));
            started = true;
        }
    }
    graph.SetDrawStyle(DrawStyle::Solid);
}

void Legend(Picture& graph, const PlotScene& scene) {
    if (scene.Legend.empty()) return;
    const double w = graph.ScaleWidth();
    graph.SetFont({"Arial", std::max(w / 70.0, 7.0), false});
    double textWidth = 0.0;
    for (const PlotLegend& line : scene.Legend)
        textWidth = std::max(textWidth, graph.TextWidth(line.Text));
    const double th = graph.TextHeight("Xg");
    const double right = w - 0.5 * th;
    const double left = right - textWidth - 3.5 * th;
    const double rows = static_cast<double>(scene.Legend.size());
    graph.FillBox(left, 0.5 * th, right, (rows + 1.0) * th, kWhite);
    for (std::size_t i = 0; i < scene.Legend.size(); ++i) {
        const double row = (0.5 + static_cast<double>(i)) * th;
        graph.SetForeColor(scene.Legend[i].LineColour);
        graph.MoveToEx(ToPixel(left + 0.5 * th), ToPixel(row + 0.75 * th));
        graph.LineTo(ToPixel(left + 2.5 * th), ToPixel(row + 0.75 * th));
        graph.SetCurrentX(right - textWidth);
        graph.SetCurrentY(row + 0.25 * th);
        graph.Print(scene.Legend[i].Text);
    }
}

} // namespace

double PlotX(const PlotAxis& axis, double x, double width) {
    return fraction(axis, x) * width;
}

double PlotValueAt(const PlotAxis& axis, double pixel, double width) {
    const double f = width > 1.0 ? pixel / (width - 1.0) : 0.0;
    if (axis.Log) return axis.From * std::pow(axis.To / axis.From, f);
    return axis.From + f * (axis.To - axis.From);
}

void DrawPlot(Picture& graph, Picture& window, const GraphPlacement& place,
              const std::string& decimalSeparator, const PlotScene& scene, bool full) {
    graph.Cls();
    Grid(graph, scene);
    const double w = graph.ScaleWidth();
    const double h = graph.ScaleHeight();
    graph.SetForeColor(kDarkGrey);
    for (const double x : scene.Marks) {
        graph.MoveToEx(ToPixel(PlotX(scene.X, x, w)), 0);
        graph.LineTo(ToPixel(PlotX(scene.X, x, w)), ToPixel(h));
    }
    for (const PlotCurve& curve : scene.Curves)
        Curve(graph, scene, curve);
    Legend(graph, scene);
    if (!scene.Note.empty()) {
        graph.SetForeColor(kDarkGrey);
        graph.SetCurrentX(0.5 * graph.TextWidth(" "));
        graph.SetCurrentY(h - 1.5 * graph.TextHeight(scene.Note));
        graph.Print(scene.Note);
    }
    if (!full) return;
    window.Cls();
    window.SetForeColor(kBlack);
    XLabels(window, place, scene.X, w, decimalSeparator);
    YLabels(window, place, scene.Y, h, false, decimalSeparator);
    if (scene.Right) YLabels(window, place, *scene.Right, h, true, decimalSeparator);
    window.SetForeColor(kDarkGrey);
    window.MoveToEx(0, 0);
    window.LineTo(ToPixel(window.ScaleWidth() - kTwipsPerPixel), 0);
    window.SetForeColor(kBlack);
}

} // namespace terzlab
