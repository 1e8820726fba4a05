#pragma once
// Periodic multi-tone signals with a low crest factor: the tones' amplitudes are fixed, their
// phases are reworked by repeated clipping of the time signal.
#include <vector>

namespace terzlab::stimuli {

// Clipping level per iteration: the larger of peakFraction * present peak and rmsFloor * rms.
struct ClipRule {
    int iterations;
    double peakFraction;
    double rmsFloor;
};

// One period of sum over k of amplitude[k] * cos(2 pi k n / N + phase[k]), amplitude and phase
// with N / 2 entries (N a power of two); amplitude 0 marks an unused bin.
std::vector<double> lowCrestPeriod(const std::vector<double>& amplitude,
                                   const std::vector<double>& phase, const ClipRule& rule);

double peakOf(const std::vector<double>& x);
double rmsOf(const std::vector<double>& x);

} // namespace terzlab::stimuli
