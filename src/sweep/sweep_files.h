#pragma once
// The texts a swept-sine measurement is written as, for terzlab-analyze and the program alike:
// the gated response at full resolution as FRD, at 1/12 octave for a measurement file, and the
// harmonic distortion as CSV. Comment lines are English: the files are read by other tools.
#include "sweep/distortion.h"
#include "sweep/smoothing.h"
#include "sweep/sweep_analysis.h"

#include <string>
#include <vector>

namespace terzlab::sweep {

// "rect", "hann" or "tukey", as the command line names the shapes.
const char* ShapeName(GateShape shape);

// The full-resolution gated response from gate_low to f2: frequency, dB, phase in degrees with
// the printed delay removed (a remaining delay gives a falling phase), after comment lines.
std::string FrdText(const SweepResult& r, const SweepShape& s, const Gate& g);

// The gated response smoothed to 1/12 octave on the bands of a level measurement from `fromHz`
// to f2. A band without a bin of the response gets -600 dB.
std::vector<ResponsePoint> TwelfthOctavePoints(const SweepResult& r, const SweepShape& s,
                                               double fromHz);

// frequency_hz,k2_percent,...,noise_percent with empty cells where a value does not exist.
std::string DistortionCsvText(const std::vector<DistortionRow>& rows);

} // namespace terzlab::sweep
