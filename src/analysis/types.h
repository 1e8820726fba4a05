#pragma once
// Plain data that the analysis shares with the modules around it: the measurement types, the
// correction-curve slot that the file module fills, and the axis range the graph reads.
#include <array>
#include <cstdint>

namespace terzlab {

// The measurement types. The order is the order of the type list and the number stored in
// settings and files; what each type implies is in meas_type.h. New types go at the end, so
// that stored numbers keep their meaning.
enum class MeasType : int16_t {
    LevelOneChannel = 0,
    LevelTwoChannel = 1,
    Pulse = 2,
    ImpedanceOneChannel = 3,
    ImpedanceTwoChannel = 4,
    Sweep = 5,
};

constexpr int16_t IndexOf(MeasType type) {
    return static_cast<int16_t>(type);
}

// The two views of the display list, in its order.
enum class View : int16_t { Time = 0, Frequency = 1 };

constexpr int16_t IndexOf(View view) {
    return static_cast<int16_t>(view);
}

// Slots of the curve store.
inline constexpr int kSensorSlot = 0;
inline constexpr int kReferenceSlot = 1;
inline constexpr int kComparisonSlot = 2;

// One loaded correction curve (sensor, reference or comparison). Amplitudes and phases hold
// kNoValue (as single precision) where an entry has no value.
struct CorrectionCurve {
    static constexpr int kEntries = 151;
    std::array<float, kEntries> CurveFreq{};
    std::array<float, kEntries> CurveAmp{};
    std::array<float, kEntries> CurvePhase{};
    int16_t CurveType = 0;   // 0 unknown, 1 level in dB, 2 impedance in ohm, 10 sensor file
    int16_t CurveLoaded = 0; // 1 when a curve is loaded
    int16_t CurveCount = 0;  // number of entries
};

// The vertical axis of the graph: dB or ohm for spectra, percent of full scale for the time view.
struct AxisRange {
    int16_t RangeTop = 100;
    int16_t RangeBottom = -100;
    int16_t RangeStep = 20;
};

} // namespace terzlab
