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
    int16_t DisplayIndex = kDisplayFrequency;
    int16_t MeasTypeIndex = 0;
    AxisRange Range;
    int32_t SampleRate = 44100;
    int32_t BlockSize = 16384;
    int16_t ImpedancePart = 0;
    bool MeasValid = false;
    bool ComparisonChecked = false; // chkLoaded(2) ticked
    std::string DecimalSeparator = ".";
};

// What the window does with lblCursor and its mouse pointer.
struct CursorUpdate {
    enum class Action { Unchanged, Hide, Show };
    Action Do = Action::Unchanged;
    std::optional<std::string> Caption; // with Show: new caption, none keeps the old one
};

// From picGraph's mouse move inGraph is true, from the window's own false. With neither a
// measurement nor a ticked comparison curve the mouse changes nothing.
CursorUpdate CursorReadout(float x, float y, bool inGraph, const CursorInputs& in);

} // namespace terzlab
