#pragma once
// The variables through which the guidance dialogs talk to their callers: the caller sets the
// page and waits until the dialog sets it to -1 (and, for the information window at start-up,
// until AboutOpen is false).
#include <cstdint>

namespace terzlab::guidance {

// Instruction pages: kInstructionPageBase (instruction_text.h) + mode; the calibration's is
// mode 5.
inline constexpr int kCalibrationInstructionMode = 5;

struct DialogState {
    int16_t DialogPage = -1;
    bool AboutOpen = false;
};

} // namespace terzlab::guidance
