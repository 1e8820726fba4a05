#pragma once
// The wording of the set-up instructions: which cable goes where for each measurement mode,
// the ground-loop warning and how the errors of the measuring chain are compensated.
#include <string>

namespace terzlab::guidance {

// Modes are the instruction page minus 20: 0 one-channel level, 1 two-channel level,
// 2 polarity, 3 one-channel impedance, 4 two-channel impedance, 5 calibration.
inline constexpr int kInstructionPageBase = 20;
inline constexpr int kLastInstructionMode = 5;

struct InstructionInputs {
    int mode = 0;
    bool leftChannel = true; // the main window's active input channel
    int impedancePart = 0;   // 2: second part of the one-channel impedance run
};

// Lines are separated by CR LF. A mode outside 0..5 gives an empty text.
std::string InstructionText(const InstructionInputs& inputs);

} // namespace terzlab::guidance
