#pragma once
// The colours of the curves: the live curve has the colour of the channel it comes from, and
// green where the result is formed from both inputs and shown as a spectrum.
#include "analysis/meas_type.h"
#include "display/picture.h"

#include <array>
#include <cstdint>

namespace terzlab {

inline Colour ChannelColour(int16_t channelCount, int16_t activeChannel) {
    return channelCount == 1 || activeChannel != 0 ? kMagenta : kBlue;
}

inline Colour LiveCurveColour(int16_t channelCount, int16_t activeChannel, MeasType type,
                              int16_t impedancePart, bool frequencyView) {
    if (frequencyView && TwoChannelResult(type, impedancePart)) return kGreen;
    return ChannelColour(channelCount, activeChannel);
}

// A curve computed rather than measured (the fitted loudspeaker model): red, a colour no
// measured or loaded curve has.
inline constexpr Colour kModelCurveColour = 0x0000FF;

// The comparison curves, in the order they were loaded: the first black, the others in colours
// no live, model or held curve has (orange, teal, brown, violet, olive).
inline constexpr std::array<Colour, 6> kComparisonColours{kBlack,   0x0080FF, 0x808000,
                                                          0x004080, 0xFF0080, 0x008080};

// The impedance phase: dark blue, against its own axis right of the graph.
inline constexpr Colour kPhaseCurveColour = 0x800000;

// A measured curve kept for comparison: grey, so that it reads as the past beside the colours
// of the live and loaded curves.
inline constexpr Colour kHeldCurveColour = kDarkGrey;

} // namespace terzlab
