#pragma once
// The curves' values under the mouse pointer: the measured band nearest the pointer's frequency
// and the comparison curve's nearest point, as text beside the pointer readout and as a marker
// on the measured curve.
#include "analysis/types.h"
#include "display/frame.h"
#include "display/picture.h"
#include <optional>
#include <span>
#include <string>

namespace terzlab {

struct CurvePoint {
    double Freq = 0.0;
    double Value = 0.0;
    bool operator==(const CurvePoint&) const = default;
};

struct CurveReadoutInputs {
    double Width = 0.0; // graph's inner width in pixels
    int32_t SampleRate = 44100;
    std::span<const double> BandFreq;  // 0..LastBand
    std::span<const double> BandValue; // 0..LastBand, NoValue where a band has none
    int16_t LastBand = 0;
    bool MeasValid = false;
    const CorrectionCurve* Comparison = nullptr; // only when it is drawn
    bool Ohm = false;
    std::string DecimalSeparator = ".";
    // With the phase shown: the measured bands' phases (empty: none) and the comparison's.
    std::span<const double> BandPhase{};
    bool ComparisonPhase = false;
};

struct CurveReadoutText {
    std::optional<CurvePoint> Measured; // where the marker goes
    std::string MeasuredCaption;        // "Messung: 63,1 Hz  -2,41 dB", empty without a value
    std::string ComparisonCaption;      // "Vergleich: ...", empty without a value
};

// For the pointer at x in the graph (frequency view).
CurveReadoutText CurveReadout(float x, const CurveReadoutInputs& in);

// A curve's value at its entry nearest the pointer at x ("12,30 Ohm"), for its legend line;
// empty where it has none.
std::string CurveValueAt(float x, const CorrectionCurve& curve, const CurveReadoutInputs& in);

// A small open square centred on the point, in the curve's colour.
void DrawCurveMarker(Picture& graph, const FrameInputs& frame, const CurvePoint& point,
                     Colour colour);

} // namespace terzlab
