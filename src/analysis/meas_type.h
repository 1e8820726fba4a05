#pragma once
// The measurement types and everything that follows from the choice of one. Every module
// asks this table instead of comparing the list index with numbers, so that the properties of a
// type are stated once.
#include "analysis/fft.h"
#include "analysis/types.h"

#include <array>
#include <cstdint>
#include <optional>

namespace terzlab {

enum class ResultUnit : int8_t { None, Decibel, Ohm };

// The kind of curve a slot holds, with the numbers measurement files and the curve store use.
enum class CurveKind : int16_t { None = 0, Level = 1, Impedance = 2 };

struct MeasTypeProperties {
    int32_t BlockSize;
    int16_t WindowType;  // kWindow* of the FFT module
    int16_t ResultRows;  // rows of the band results; 0: the type has no spectrum
    bool BothInputs;     // the result is formed from both inputs, so no channel is chosen
    bool TwoParts;       // measured in two runs, part 1 a level, part 2 the impedance
    ResultUnit Unit;     // of the result (of part 2 for a two-part type)
    CurveKind Compared;  // comparison curves that share the graph with the result
    CurveKind Reference; // reference curves the type can take; None: none
    bool Sensor;         // sensor compensation applies
    bool Calibrated;     // level calibration and corrections apply
    bool FixedFineGrid;  // always shown at 1/12 octave
    bool TimeViewOnly;   // only the time signal is shown
    bool Instructions;   // the wiring instructions come before every run
    // Measured with one exponential sweep played and recorded whole instead of block by block;
    // the band values are its gated response at 1/12 octave, with phase.
    bool Swept;
};

inline constexpr int16_t kMeasTypeCount = 6;

inline constexpr std::array<MeasTypeProperties, kMeasTypeCount> kMeasTypes{{
    {.BlockSize = 16384,
     .WindowType = kWindowUniform,
     .ResultRows = 3,
     .BothInputs = false,
     .TwoParts = false,
     .Unit = ResultUnit::Decibel,
     .Compared = CurveKind::Level,
     .Reference = CurveKind::Level,
     .Sensor = true,
     .Calibrated = true,
     .FixedFineGrid = false,
     .TimeViewOnly = false,
     .Instructions = false,
     .Swept = false},
    {.BlockSize = 16384,
     .WindowType = kWindowHanning,
     .ResultRows = 3,
     .BothInputs = true,
     .TwoParts = false,
     .Unit = ResultUnit::Decibel,
     .Compared = CurveKind::Level,
     .Reference = CurveKind::Level,
     .Sensor = true,
     .Calibrated = true,
     .FixedFineGrid = false,
     .TimeViewOnly = false,
     .Instructions = false,
     .Swept = false},
    {.BlockSize = 8192,
     .WindowType = kWindowUniform,
     .ResultRows = 0,
     .BothInputs = false,
     .TwoParts = false,
     .Unit = ResultUnit::None,
     .Compared = CurveKind::None,
     .Reference = CurveKind::None,
     .Sensor = false,
     .Calibrated = false,
     .FixedFineGrid = false,
     .TimeViewOnly = true,
     .Instructions = false,
     .Swept = false},
    {.BlockSize = 65536,
     .WindowType = kWindowUniform,
     .ResultRows = 3,
     .BothInputs = false,
     .TwoParts = true,
     .Unit = ResultUnit::Ohm,
     .Compared = CurveKind::Impedance,
     .Reference = CurveKind::None,
     .Sensor = false,
     .Calibrated = false,
     .FixedFineGrid = true,
     .TimeViewOnly = false,
     .Instructions = true,
     .Swept = false},
    {.BlockSize = 65536,
     .WindowType = kWindowUniform,
     .ResultRows = 4,
     .BothInputs = true,
     .TwoParts = false,
     .Unit = ResultUnit::Ohm,
     .Compared = CurveKind::Impedance,
     .Reference = CurveKind::Level,
     .Sensor = false,
     .Calibrated = false,
     .FixedFineGrid = true,
     .TimeViewOnly = false,
     .Instructions = true,
     .Swept = false},
    {.BlockSize = 16384,
     .WindowType = kWindowUniform,
     .ResultRows = 4,
     .BothInputs = false,
     .TwoParts = false,
     .Unit = ResultUnit::Decibel,
     .Compared = CurveKind::Level,
     .Reference = CurveKind::None,
     .Sensor = true,
     .Calibrated = false,
     .FixedFineGrid = false,
     .TimeViewOnly = false,
     .Instructions = false,
     .Swept = true},
}};

// The type of a list index; nothing for an index outside the list.
constexpr std::optional<MeasType> MeasTypeOf(int index) {
    if (index < 0 || index >= kMeasTypeCount) return std::nullopt;
    return static_cast<MeasType>(index);
}

constexpr const MeasTypeProperties& PropertiesOf(MeasType type) {
    return kMeasTypes[static_cast<size_t>(type)];
}

// The type's result is an impedance (for a two-part type, its second part's).
constexpr bool IsImpedanceType(MeasType type) {
    return PropertiesOf(type).Unit == ResultUnit::Ohm;
}

// The type decides the view: the polarity type shows the time signal, the sweep its own views.
constexpr bool ViewFixed(MeasType type) {
    const MeasTypeProperties& p = PropertiesOf(type);
    return p.TimeViewOnly || p.Swept;
}

// Part 1 of a two-part type measures a level; before the first part and in part 2 the type
// shows its own unit.
constexpr ResultUnit UnitOf(MeasType type, int16_t impedancePart) {
    const MeasTypeProperties& p = PropertiesOf(type);
    return p.TwoParts && impedancePart == 1 ? ResultUnit::Decibel : p.Unit;
}

// Whether a comparison curve of this curve type code can be drawn with the type's results at all.
constexpr bool ComparableCurve(MeasType type, int16_t curveType) {
    const CurveKind kind = PropertiesOf(type).Compared;
    return kind != CurveKind::None && curveType == static_cast<int16_t>(kind);
}

// Whether a comparison curve of this kind shares the graph (never in part 1 of a two-part type).
constexpr bool ComparisonTakesPart(MeasType type, int16_t impedancePart, int16_t curveType) {
    const MeasTypeProperties& p = PropertiesOf(type);
    if (p.TwoParts && impedancePart == 1) return false;
    return ComparableCurve(type, curveType);
}

// The result is the ratio of the two inputs (drawn in the two-channel colour).
constexpr bool TwoChannelResult(MeasType type, int16_t impedancePart) {
    const MeasTypeProperties& p = PropertiesOf(type);
    return p.BothInputs || (p.TwoParts && impedancePart == 2);
}

// An impedance worked out from both inputs: its axis starts at 0 ohm.
constexpr bool ImpedanceResult(MeasType type, int16_t impedancePart) {
    return UnitOf(type, impedancePart) == ResultUnit::Ohm && TwoChannelResult(type, impedancePart);
}

// The axis a run starts from before its first block has chosen one.
constexpr AxisRange RunStartRange(MeasType type, int16_t impedancePart) {
    if (ImpedanceResult(type, impedancePart)) return {10, 0, 2};
    return {0, -100, 20};
}

// The axis a view of the type starts from: percent of full scale in the time view; in the
// frequency view ohms from 0 for an impedance measured in one run, else decibels below full
// scale (part 1 of the two-part type measures a level).
constexpr AxisRange ViewStartRange(MeasType type, bool frequency) {
    if (!frequency) return {100, -100, 20};
    if (ImpedanceResult(type, 0)) return {20, 0, 4};
    return {0, -100, 20};
}

} // namespace terzlab
