#pragma once
// Calls the window makes through a seam instead of straight to its own handlers: the window
// connects the drawing and curve-store hooks to itself when it is built, the start procedure
// connects the calibration dialogs, and tests put their own in to count redraws or to stand in
// for a dialog. An unconnected hook does nothing.
#include <QString>

#include <functional>
#include <optional>

namespace terzlab::app {

struct RunHooks {
    std::function<void(bool drawLabels)> DisplayInit = [](bool) {};
    std::function<void()> CheckOverload = [] {};
    std::function<void(bool computeNew)> DisplaySpec = [](bool) {};
    std::function<void()> DisplayTime = [] {};
    std::function<void(bool autoRange)> GetDbRange = [](bool) {};
    std::function<void()> BuildBandTable = [] {};
    // Title of a loaded correction curve (slot 0..2), nothing when the slot is empty.
    std::function<std::optional<QString>(int slot)> loadedCurveTitle = [](int) {
        return std::optional<QString>{};
    };
    // File-type code of a loaded correction curve (10 sensor, 1 level, 2 impedance), 0 when
    // the slot is empty.
    std::function<int(int slot)> loadedCurveType = [](int) { return 0; };
    // The dialogs the menu commands open: the file dialog with its SelMode, the level
    // calibration and the distance and level corrections.
    std::function<void(int selMode)> openFileDialog = [](int) {};
    std::function<void()> openCalibration = [] {};
    std::function<void()> openLevelDialog = [] {};
    // SelMode of the file dialog's last opening.
    std::function<int()> lastSelMode = [] { return 0; };
    // Writes the settings file when the window unloads.
    std::function<void()> writeSettings = [] {};
};

} // namespace terzlab::app
