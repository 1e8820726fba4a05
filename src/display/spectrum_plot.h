#pragma once
// The spectrum graph: frame, the enabled comparison curve, the measured band curve and the
// stamp line, redrawn whole on every call.
#include "analysis/types.h"
#include "display/curve_readout.h"
#include "display/frame.h"
#include "display/picture.h"
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace terzlab {

// A curve computed from the measurement (the fitted loudspeaker model), drawn over the measured
// one with a legend line naming it.
struct ModelCurve {
    std::vector<double> Freq;
    std::vector<double> Value;
    std::string Legend;
};

// A further comparison curve the user has shown, its colour and the title its legend line gives.
struct LegendCurve {
    const CorrectionCurve* Curve = nullptr;
    Colour CurveColour = kBlack;
    std::string Title;
    std::string Value; // under the mouse pointer, or empty
};

// A measured curve the user keeps to compare the next ones with, drawn grey under them.
struct HeldCurve {
    std::vector<double> Freq;
    std::vector<double> Value;
};

// The impedance phase per band in degrees, drawn against a right-hand axis -90 ... +90.
struct PhaseCurves {
    std::span<const double> BandPhase; // 0..LastBand of the measured bands; empty: none
    // The comparison slot's curve; it and each of SpectrumInputs::MoreComparisons are drawn
    // (dotted) when they have a phase.
    const CorrectionCurve* Comparison = nullptr;
};

inline constexpr AxisRange kPhaseAxis{90, -90, 45};

// Where a phase is drawn on the phase axis: a phase beyond +-90 degrees (a passive impedance has
// none; swapped inputs give them) is drawn 180 degrees on, so that the curve stays readable
// instead of jumping across the graph at +-180. A band without value stays without.
double PhaseOnAxis(double degrees);

struct SpectrumInputs {
    std::span<const double> BandFreq{};  // 0..LastBand (more entries are ignored)
    std::span<const double> BandValue{}; // 0..LastBand, NoValue where a band has none
    int16_t LastBand = 0;
    bool MeasValid = false;
    Colour CurveColour = kBlue;
    const CorrectionCurve* Comparison = nullptr; // slot 2 of the curve store
    bool ComparisonChecked = false;              // the comparison curve switched on
    const ModelCurve* Model = nullptr;           // drawn when not empty
    // With further comparison curves, every comparison curve drawn gets a legend line, the first
    // with this title.
    std::vector<LegendCurve> MoreComparisons{};
    std::string ComparisonTitle{};
    std::string ComparisonValue{};      // under the mouse pointer, or empty
    const HeldCurve* Held = nullptr;    // drawn when not empty
    std::optional<PhaseCurves> Phase{}; // with its axis labels, when set
    std::optional<CurvePoint> Marker{}; // the measured band under the mouse pointer
};

// The drawing half of DisplaySpec: run it after GetDbRange has brought BandValue and the range
// up to date.
void DrawSpectrum(Picture& graph, Picture& window, const FrameInputs& frame,
                  const SpectrumInputs& in);

// Whether the comparison curve belongs on this measurement's axis: level curves with level
// types, impedance curves with impedance types.
bool ComparisonShown(const CorrectionCurve* curve, bool checked, MeasType type);

// Whether a loaded curve carries a measured phase (a file without one holds zeros).
bool HasPhase(const CorrectionCurve& curve);

// The copyright line at the graph's bottom edge.
void DrawStamp(Picture& graph);

extern const char* const kStampText;

} // namespace terzlab
