#pragma once
// An axis the user chooses for the spectrum: the same kind of top, bottom and step the automatic
// choice makes (whole numbers, a step of its list, a whole number of grid divisions), checked
// before the graph draws it, and moved or widened a step at a time by the mouse wheel.
#include "analysis/types.h"

#include <array>
#include <cstdint>
#include <string>

namespace terzlab {

// The steps the automatic choice uses, smallest first.
inline constexpr std::array<int16_t, 8> kAxisSteps{1, 2, 5, 10, 20, 50, 100, 200};
// Top and bottom stay within +-kAxisLimit (dB or ohm); an open circuit's 999,99 ohm still fits.
inline constexpr int kAxisLimit = 1000;
// Twice the automatic choice's seven, so the labels still stand apart.
inline constexpr int kMaxAxisDivisions = 14;

// Empty when top, bottom and step make an axis the graph can draw, else the reason in the
// user's language.
std::string AxisFault(double top, double bottom, double step);

// One wheel notch per unit of notches: the axis moves up (positive) or down by its step.
// An axis that would leave the limits stays as it is.
AxisRange ShiftAxis(AxisRange range, int notches);

// Ctrl+wheel: positive notches take the next smaller step from the list (narrower span),
// negative the next larger; the top and the number of divisions stay. Beyond the list's ends or
// the limits the axis stays as it is.
AxisRange ScaleAxis(AxisRange range, int notches);

} // namespace terzlab
