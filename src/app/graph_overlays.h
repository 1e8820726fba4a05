#pragma once
// What the main window's graph shows besides the measurement and the comparison slot: the
// further comparison curves, the Thiele-Small model, the pointer's marker and legend values and
// the held curve. One object, owned by frmMain.
#include "display/curve_readout.h"
#include "display/spectrum_plot.h"
#include "files/disp_oct.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace terzlab::app {

struct GraphOverlays {
    // The comparison curves beside the first (the comparison slot), in loading order.
    struct MoreComparison {
        StoredCurve Curve;
        bool Shown = true;
    };
    std::vector<MoreComparison> MoreComparisons;
    int WheelRest = 0;   // angle not yet a whole notch (fine-stepping wheels and touch pads)
    ModelCurve Model;    // the Thiele-Small dialog's fitted model, drawn while it is open
    ModelCurve Response; // its predicted box response: while set, the graph shows it in dB
    std::optional<float> CursorX;                     // the pointer over the graph
    std::optional<std::pair<float, float>> PointerAt; // the same, with its height
    std::optional<CurvePoint> MarkerShown;            // the marker the graph shows
    std::vector<std::string> LegendValuesShown;       // the values the legend shows
    HeldCurve Held;                                   // the curve kept under "Kurve halten"
    std::optional<MeasType> HeldType;                 // the type it was measured with
};

} // namespace terzlab::app
