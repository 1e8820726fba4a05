#pragma once
// A swept-sine measurement as a measurement file: its gated response at 1/12 octave, saved like
// a level measurement so that it loads as a comparison curve and the export tool reads it.
#include "files/measurement_writer.h"
#include "sweep/sweep_analysis.h"

#include <vector>

namespace terzlab {

// The rows from `fromHz` to f2: frequency, dB (recorded over played), phase in degrees.
std::vector<MeasurementRow> SweepMeasurementRows(const sweep::SweepResult& r,
                                                 const sweep::SweepShape& s, double fromHz);

// The header of such a file: a transfer (recorded over played) titled with its gate.
MeasurementHeader SweepMeasurementHeader(const sweep::SweepResult& r, const sweep::SweepShape& s,
                                         const sweep::Gate& g);

} // namespace terzlab
