#pragma once
// The graphs of a swept-sine measurement: a plot of curves over a linear or logarithmic x axis
// with its own grid and labels, an optional right-hand axis (the phase, the fundamental's
// level) and vertical marks (the gate, the gate's lowest frequency).
#include "display/frame.h"
#include "display/picture.h"

#include <optional>
#include <string>
#include <vector>

namespace terzlab {

struct PlotAxis {
    double From = 0.0; // left or bottom
    double To = 1.0;   // right or top
    double Step = 0.0; // between grid lines; a logarithmic axis has its 1-2-5 grid instead
    bool Log = false;
    std::string Unit; // printed with the last label
};

struct PlotCurve {
    std::vector<double> X;
    std::vector<double> Y; // a value that is not finite breaks the line
    Colour LineColour = kBlue;
    DrawStyle Style = DrawStyle::Solid;
    bool RightAxis = false;
};

struct PlotLegend {
    std::string Text;
    Colour LineColour = kBlack;
};

struct PlotScene {
    PlotAxis X;
    PlotAxis Y;
    std::optional<PlotAxis> Right;
    std::vector<PlotCurve> Curves; // drawn in order, the last on top
    std::vector<double> Marks;     // vertical lines at these x, dark grey
    std::vector<PlotLegend> Legend;
    std::string Note; // one line at the graph's bottom left (the gate's lowest frequency)
};

// The graph cleared, its grid, the curves and marks; with full, the window cleared and the axis
// labels printed around the graph's place on it.
void DrawPlot(Picture& graph, Picture& window, const GraphPlacement& place,
              const std::string& decimalSeparator, const PlotScene& scene, bool full = true);

// Where x lands on a graph `width` wide, and the inverse (the pointer's readout).
double PlotX(const PlotAxis& axis, double x, double width);
double PlotValueAt(const PlotAxis& axis, double pixel, double width);

} // namespace terzlab
