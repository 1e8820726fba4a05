#pragma once
// The short messages of the help dialog, one page each: the general notes on the device
// lists, the overload warning and the manual start of the measurement CD's tracks.
#include <optional>
#include <string>

namespace terzlab::guidance {

enum class HelpIcon { Information, Warning };

struct HelpPage {
    std::string caption;
    std::string bigText;  // short and prominent
    std::string normText; // lines separated by CR LF
    std::string button;
    HelpIcon icon = HelpIcon::Information;
};

inline constexpr int kOverloadPage = 5;
inline constexpr int kTestSignalPageBase = 10;
inline constexpr int kCalibrationSignalPage = 15;

// Nothing for a page the dialog has no texts for (the information window, page 0, is built by
// the dialog itself). calibrationLowSine: the calibration dialog has chosen its low sine.
std::optional<HelpPage> HelpPageFor(int page, bool calibrationLowSine);

} // namespace terzlab::guidance
