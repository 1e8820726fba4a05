#include "display/time_plot.h"
#include "analysis/meas_type.h"
#include "display/mapping.h"
#include <algorithm>
#include <cmath>

namespace terzlab {

namespace {

struct SignalView {
    const TimeInputs& in;
    int32_t frames;     // N
    int32_t firstFrame; // block frame shown at the left edge
    double width;
    double height;
    int16_t rangeTop;

    int16_t Sample(int32_t i) const {
        const int32_t j = ((firstFrame + i) % in.BlockSize + in.BlockSize) % in.BlockSize;
        return in.CaptureBuffer[static_cast<size_t>(j) * in.ChannelCount + in.ActiveChannel];
    }
    int32_t X(int32_t i) const { return ToPixel(FrameX(i, width, frames)); }
    int32_t Y(int32_t sample) const { return ToPixel(SampleY(sample, height, rangeTop)); }
};

void DrawEveryFrame(Picture& graph, const SignalView& v) {
    graph.MoveToEx(0, v.Y(v.Sample(0)));
    for (int32_t i = 1; i < v.frames; ++i)
        graph.LineTo(v.X(i), v.Y(v.Sample(i)));
}

// One stroke per group of frames, from the group's largest to its smallest sample. The last
// group may be shorter, so that the block's end is drawn too.
void DrawDecimated(Picture& graph, const SignalView& v, int32_t step) {
    for (int32_t i = 0; i < v.frames; i += step) {
        const int32_t last = std::min(i + step, v.frames) - 1;
        int32_t largest = -32767;
        int32_t smallest = 32767;
        for (int32_t k = i; k <= last; ++k) {
            const int32_t s = v.Sample(k);
            largest = std::max(largest, s);
            smallest = std::min(smallest, s);
        }
        graph.MoveToEx(v.X(i), v.Y(largest));
        graph.LineTo(v.X(last), v.Y(smallest));
    }
}

bool Drawable(const TimeInputs& in, int32_t frames, double width) {
    if (in.BlockSize <= 0 || in.ChannelCount <= 0 || frames < 2 || width < 1.0) return false;
    if (in.ActiveChannel < 0 || in.ActiveChannel >= in.ChannelCount) return false;
    return in.CaptureBuffer.size() >= static_cast<size_t>(in.BlockSize) * in.ChannelCount;
}

} // namespace

int32_t DecimationStep(int32_t frames, double width) {
    if (!(width > 0.0)) return 1;
    const double step = std::trunc(frames / width / 4.0 + 0.5);
    return step < 1.0 ? 1 : static_cast<int32_t>(std::min(step, 1.0e9));
}

void DisplayTime(Picture& graph, Picture& window, const FrameInputs& frame, const TimeInputs& in) {
    DisplayInit(graph, window, frame, true);
    const bool polarity = PropertiesOf(frame.Type).TimeViewOnly;
    const int32_t frames = TimeWindowLength(frame.Type, in.BlockSize);
    const double width = graph.ScaleWidth();
    if (!Drawable(in, frames, width)) return;
    graph.SetForeColor(in.CurveColour);
    // The pulse sits at the 256th shown frame, a quarter of the width from the left.
    const int32_t first = polarity ? in.AlignPosition - 256 : 0;
    const SignalView view{in, frames, first, width, graph.ScaleHeight(), frame.Range.RangeTop};
    const int32_t step = DecimationStep(frames, width);
    if (step == 1) {
        DrawEveryFrame(graph, view);
    } else {
        DrawDecimated(graph, view, step);
    }
}

} // namespace terzlab
