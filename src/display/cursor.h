#pragma once
// The cursor readout under the graph: the value and abscissa under the mouse pointer.
#include "analysis/types.h"
#include "display/frame.h"
#include <optional>
#include <string>

namespace terzlab {

struct CursorInputs {
    double Width = 0.0;  // graph's inner width in pixels
    double Height = 0.0; // graph's inner height in pixels
    View Shown = View::Frequency;
    MeasType Type = MeasType::LevelOneChannel;
    AxisRange Range;
    int32_t SampleRate = 44100;
    int32_t BlockSize = 16384;
    int16_t ImpedancePart = 0;
    bool MeasValid = false;
    bool ComparisonChecked = false; // the comparison curve switched on
    std::string DecimalSeparator = ".";
};

// What the window does with the readout and its mouse pointer.
struct CursorUpdate {
    enum class Action { Unchanged, Hide, Show };
    Action Do = Action::Unchanged;
    std::optional<std::string> Caption; // with Show: new caption, none keeps the old one
};

// From picGraph's mouse move inGraph is true, from the window's own false. With neither a
// measurement nor a ticked comparison curve the mouse changes nothing.
CursorUpdate CursorReadout(float x, float y, bool inGraph, const CursorInputs& in);

} // namespace terzlab
