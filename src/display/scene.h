#pragma once
// What a graph of a measured spectrum shows, built in one place for the window, the PNG and the
// SVG alike: the frame (type, axis, grid) and the curve of the values at the shown resolution,
// with the comparison curve. The window adds what only a screen has (legend values under the
// pointer, the marker, held curves).
#include "display/frame.h"
#include "display/spectrum_plot.h"
#include "display/sweep_plot.h"
#include "sweep/distortion.h"
#include "sweep/sweep_analysis.h"

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

// The views of a swept-sine measurement.
enum class SweepView : int16_t {
    Impulse = 0,
    EnergyTime = 1,
    Response = 2,
    Distortion = 3,
    GroupDelay = 4
};

struct SweepSceneSource {
    SweepView View = SweepView::Response;
    const sweep::SweepResult* Result = nullptr; // its Ir and arrival; the response when valid
    sweep::SweepShape Shape;
    sweep::Gate GateSettings;
    std::span<const sweep::DistortionRow> Distortion{};
    bool DistortionInDb = false;                 // else percent
    int Smoothing = 12;                          // of the drawn response, 1/n octave
    const CorrectionCurve* Comparison = nullptr; // drawn with the response when it is a level
    std::string DecimalSeparator = ".";
};

// The impulse response (linear, or its level in dB re its peak, the largest magnitude per drawn
// step) around the arrival with the gate's weight and ends; the gated response at 1/12 octave
// with its phase on the right, grey below the gate's lowest frequency, which is marked; or k2..k5
// and THD against the fundamental's frequency with the noise floor in grey and the fundamental's
// level on the right.
PlotScene SweepSceneFor(const SweepSceneSource& source);

} // namespace terzlab
