#pragma once
// Display values and axis range: turns the band results into BandValue (dB, ohm), applies the
// level offsets, the sensor and reference curves and the resolution smoothing, and chooses the
// vertical axis that fits the values and the comparison curve.
#include "analysis/bands.h"
#include "analysis/types.h"
#include <array>
#include <cstdint>
#include <span>

namespace terzlab {

// Resolution list indexes.
inline constexpr int16_t kThirdOctave = 0;
inline constexpr int16_t kSixthOctave = 1;
inline constexpr int16_t kTwelfthOctave = 2;

struct DisplayInputs {
    MeasType Type = MeasType::LevelOneChannel;
    int16_t ActiveChannel = 0;
    int16_t ImpedancePart = 0; // 0 not a two-part run, 1 or 2 the part of type 3
    int16_t AvgCount = 0;
    float SeriesResistor = 10.0f;
    bool ExchangeChannel = false; // the two-channel impedance swaps the roles of the channels too
    bool MeasValid = false;
    bool CalibrationRun = false;
    int16_t FreqResIndex = 2; // 0 1/3, 1 1/6, 2 1/12 octave
    std::array<double, 2> CalibValue{0.0, 0.0};
    double LevelCorr5 = 33.5; // the total level offset, LevelCorr(5)
    // The three curve slots (sensor, reference, comparison); null = no curve.
    std::array<const CorrectionCurve*, 3> Curves{nullptr, nullptr, nullptr};
    // Slot the user put into use (a loaded curve switched on).
    std::array<bool, 3> CurveChecked{false, false, false};
    bool AutoOn = true; // the axis follows the values
};

struct DbRangeResult {
    float Min = 1e8f;
    float Max = -1e8f;
    bool AxisChanged = false;
    int16_t Span = 0; // the chosen span; the button sits half a division of Span/RangeStep down
};

// The values the graph draws and the file keeps, from the band results, the offsets, the
// curves in use and the resolution alone: forming them twice gives the same values. work holds
// values.size() doubles.
void FormDisplayValues(const BandState& bands, const DisplayInputs& in, std::span<double> values,
                       std::span<double> work);

// The type-4 reference step: with a reference in use, each newly analysed block's impedance is
// worked out anew with the reference on the source channel and taken into rows 3 and 4 once,
// right after BandAnalysis took the block in with the same count.
void ApplyReferenceToBlock(BandState& bands, const DisplayInputs& in);

// Whether the sensor (0) or reference (1) slot takes part in the values: switched into use,
// loaded, and of a kind the measurement type corrects with (no sensor for the impedance types,
// a reference only where the type takes one).
bool CurveApplied(const DisplayInputs& in, int slot);

// The axis that fits the values and the comparison curve, when autoRange and in.AutoOn.
DbRangeResult ChooseDbRange(std::span<const double> values, const DisplayInputs& in, bool autoRange,
                            AxisRange& range);

// Rebuilds BandValue and fits the axis to it as ChooseDbRange does; without in.MeasValid the
// values are left alone and only a comparison curve can set the axis.
DbRangeResult GetDbRange(BandState& bands, const DisplayInputs& in, bool autoRange,
                         AxisRange& range);

// The axis choice alone; returns the span.
int16_t ChooseAxis(float min, float max, AxisRange& range);

// Resolution smoothing in place (index 0 1/3, 1 1/6, 2 none); work holds values.size() doubles.
void SmoothBands(std::span<double> values, int16_t freqResIndex, std::span<double> work);

} // namespace terzlab
