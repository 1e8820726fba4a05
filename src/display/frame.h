#pragma once
// The graph's frame: the dotted grid on the graph and the axis labels around it, printed on the
// main window.
#include "analysis/types.h"
#include "display/picture.h"
#include <cstdint>
#include <string>
#include <vector>

namespace terzlab {

// The graph's place on the main window, in the window's twips (GL, GT, GW, GH).
struct GraphPlacement {
    double Left = 0.0;
    double Top = 0.0;
    double Width = 0.0;
    double Height = 0.0;
};

// A control's place on the window, in twips: no axis label is printed under it.
struct ControlBox {
    double Left = 0.0;
    double Top = 0.0;
    double Width = 0.0;
    double Height = 0.0;
};

struct FrameInputs {
    View Shown = View::Frequency;
    MeasType Type = MeasType::LevelOneChannel;
    AxisRange Range{};
    int32_t SampleRate = 44100;
    int32_t BlockSize = 16384;
    int16_t ImpedancePart = 0;
    GraphPlacement Graph{};
    std::string DecimalSeparator = ".";
    std::vector<ControlBox> Controls{}; // controls beside the graph (the auto-range button)
};

inline constexpr int kTwipsPerPixel = 15;

// Clears the graph and draws its grid; with full, also clears the window and prints the axis
// labels onto it. The window's dark-grey top line is drawn in every case.
void DisplayInit(Picture& graph, Picture& window, const FrameInputs& in, bool full);

} // namespace terzlab
