#pragma once
// The stimulus signals, each as one period that the file repeats a whole number of times, so
// that the looped file plays without a seam.
#include <cstdint>
#include <vector>

namespace terzlab::stimuli {

struct PeriodicSignal {
    std::vector<double> period; // full scale = 1.0, as the analyser scales samples by 1/32768
    int repeats = 1;
};

inline constexpr int kPseudoPeriod = 16384;
inline constexpr int kMultiPeriod = 65536;
inline constexpr int kPulsePeriod = 8192;
inline constexpr int kPulseLength = 256;
inline constexpr int kCheckPeriod = 719;
inline constexpr double kPseudoBandLevelDb = -33.5;

PeriodicSignal pseudoNoise();
PeriodicSignal multiSine();
PeriodicSignal pulseTrain();
PeriodicSignal realTimeCheck();
PeriodicSignal calibrationSine(int periodSamples, double level);
PeriodicSignal silence();

std::vector<int16_t> toSamples(const PeriodicSignal& signal);

} // namespace terzlab::stimuli
