#pragma once
// The wiring sketch beside the instructions: the jack's contacts, and for the modes with a
// set-up the way from the sound card through amplifier and test object back to the inputs.
// Drawn in twips on any Picture, so that tests can read it back.
#include "display/picture.h"

#include <cstdint>

namespace terzlab::guidance {

struct SketchInputs {
    int mode = -1;           // instruction mode 0..5; anything else draws nothing
    bool leftChannel = true; // the channel a one-channel mode measures
    int impedancePart = 0;
    bool swapImpedance = false; // "Rvor <-> Zx": series resistor and test object change places
    bool swapChannels = false;  // "Li <-> Re": the two inputs change places
};

// Size the sketch is laid out for, in twips.
inline constexpr int kSketchWidth = 5400;
inline constexpr int kSketchHeight = 6600;

// Colours of the leads: black is ground, as the instructions say.
inline constexpr Colour kLeftLead = 0xC00000;   // dark blue
inline constexpr Colour kRightLead = 0x0000C0;  // dark red
inline constexpr Colour kSignalLead = 0x008000; // dark green: the excitation from Line Out
inline constexpr Colour kUnusedLead = kLightGrey;

// Every connection ends in an arrow head of two strokes this long.
inline constexpr int kArrowStroke = 60;

void DrawWiringSketch(Picture& picture, const SketchInputs& inputs);

// Whether a mode's instructions end with the set-up ("Messaufbau:").
bool HasSetUp(int mode);

} // namespace terzlab::guidance
