#pragma once
// What a run is asked to do, as one value: built from the settings and the user's choices when
// the run starts, so that the run never asks a control what to do. The numbers of the lists
// (type, view, resolution) are turned into these types where the settings file is read.
#include "analysis/display_range.h"
#include "analysis/types.h"

#include <array>
#include <cstdint>
#include <optional>

namespace terzlab {

// The resolutions of the resolution list, in its order; files always keep 1/12 octave.
enum class Resolution : int16_t { Third = 0, Sixth = 1, Twelfth = 2 };

constexpr int16_t IndexOf(Resolution resolution) {
    return static_cast<int16_t>(resolution);
}
constexpr std::optional<Resolution> ResolutionOf(int index) {
    if (index < 0 || index > IndexOf(Resolution::Twelfth)) return std::nullopt;
    return static_cast<Resolution>(index);
}

// A stop-mode run ends after its count; otherwise the running mean starts over after each count
// and the run goes on until it is stopped.
enum class StopMode : uint8_t { AfterCount, Endless };

struct MeasurementConfig {
    MeasType Type = MeasType::LevelOneChannel;
    int32_t SampleRate = 44100;
    View Shown = View::Frequency;
    Resolution Res = Resolution::Twelfth;
    int16_t Channel = 0;           // the input a one-channel type analyses
    bool ExchangeChannels = false; // the two-channel types swap the inputs' roles
    bool WideRange = false;        // the axis may reach further down
    int16_t Count = 4;             // blocks averaged (or measured) per count
    StopMode Stop = StopMode::AfterCount;
    bool Calibration = false; // a level calibration measures with this run
    float SeriesResistor = 10.0f;
    std::array<double, 2> CalibValue{0.0, 0.0};
    double LevelCorr5 = 33.5;
    // The curve slots (sensor, reference, comparison) and which of them the user put in use.
    std::array<const CorrectionCurve*, 3> Curves{nullptr, nullptr, nullptr};
    std::array<bool, 3> CurvesInUse{false, false, false};
    bool AutoAxis = true; // the axis follows the values
};

// The display inputs of a block (or a redraw) of the configured run at a point of its count.
DisplayInputs DisplayInputsOf(const MeasurementConfig& config, int16_t part, int16_t avgCount,
                              bool measValid);

} // namespace terzlab
