#pragma once
// What a graph of a measured spectrum shows, built in one place for the window, the PNG and the
// SVG alike: the frame (type, axis, grid) and the curve of the values at the shown resolution,
// with the comparison curve. The window adds what only a screen has (legend values under the
// pointer, the marker, held curves).
#include "display/frame.h"
#include "display/spectrum_plot.h"

#include <optional>
#include <span>

namespace terzlab {

struct SceneSource {
    MeasType Type = MeasType::LevelOneChannel;
    int16_t ImpedancePart = 0;
    int32_t SampleRate = 44100;
    int32_t BlockSize = 16384;
    std::span<const double> BandFreq{};
    std::span<const double> BandValue{}; // at the shown resolution, NoValue where none
    int16_t LastBand = 0;
    bool MeasValid = true;
    Colour CurveColour = kBlue;
    const CorrectionCurve* Comparison = nullptr;
    bool ComparisonChecked = false;
};

struct SpectrumScene {
    FrameInputs Frame;
    SpectrumInputs Spectrum; // its spans point into the source's values
};

// The scene on the given axis; without one, on the axis a run would choose for the values and
// the comparison curve (an impedance from 0 ohm).
SpectrumScene SceneFor(const SceneSource& source, std::optional<AxisRange> range = std::nullopt);

} // namespace terzlab
