#pragma once
// The graph's coordinate mappings. The grid, the curves and the cursor readout all go through
// these, so that a value read under the mouse is the value drawn there.
#include "analysis/constants.h"
#include "analysis/types.h"
#include <cstdint>

namespace terzlab {

// Nearest whole pixel, halves to even (the rounding of the drawing surface's integer
// coordinates). Far-off and non-finite values are held to a range the surface can clip.
int32_t ToPixel(double v);

// Frames shown by the time view: the polarity view shows 1024 frames around the pulse.
int32_t TimeWindowLength(MeasType type, int32_t blockSize);

// Spectrum: 10 Hz at x = 0, half the sample rate at x = width.
double FrequencyX(double frequency, double width, int32_t sampleRate);
// RangeTop at y = 0, RangeBottom at y = height.
double LevelY(double value, double height, const AxisRange& range);

// Time view: frame 0 at x = 0, frame frames-1 at x = width.
double FrameX(double frame, double width, int32_t frames);
// A 16-bit sample in the time view: positive upwards, rangeTop percent of full scale at the
// top. The zero line is the middle of the pixel rows.
double SampleY(double sample, double height, int16_t rangeTop);

// The readout's inverses. They divide by width-1 and height-1 so that the last pixel column and
// row read exactly the axes' ends.
double CursorFrequency(double x, double width, int32_t sampleRate);
double CursorLevel(double y, double height, const AxisRange& range);
double CursorTimeMs(double x, double width, int32_t frames, int32_t sampleRate);
double CursorPercent(double y, double height, int16_t rangeTop);

} // namespace terzlab
