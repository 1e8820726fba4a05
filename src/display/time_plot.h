#pragma once
// The time view: the captured block of the active channel, or in the polarity view the 1024
// frames around the pulse, one block at a time.
#include "display/frame.h"
#include "display/picture.h"
#include <cstdint>
#include <span>

namespace terzlab {

struct TimeInputs {
    std::span<const int16_t> CaptureBuffer; // frames of ChannelCount interleaved samples
    int32_t BlockSize = 0;
    int16_t ChannelCount = 2;
    int16_t ActiveChannel = 0;
    Colour CurveColour = kBlue;
    int32_t AlignPosition = 0; // polarity view: frame of the pulse, from AlignTime
};

// Frames drawn one by one per stroke: about four frames per unit of width at most.
int32_t DecimationStep(int32_t frames, double width);

// Frame, then the signal. For the polarity view run AlignTime on the block first.
void DisplayTime(Picture& graph, Picture& window, const FrameInputs& frame, const TimeInputs& in);

} // namespace terzlab
