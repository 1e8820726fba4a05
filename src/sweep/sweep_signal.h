#pragma once
// The synchronized exponential sweep f(t) = f1 e^(t/L): L = round(f1 T / ln(f2/f1)) / f1 makes
// f1 L a whole number, so that the n-th harmonic's impulse response lies exactly L ln(n) before
// the linear one. The sweep runs from f1 to f2, so it lasts L ln(f2/f1): the length asked for,
// changed by the rounding of f1 L by at most ln(f2/f1) / (2 f1) seconds. Half-Hann fades: in
// over 1/12 octave, where a cycle is long and a short fade would click, and out over 1/48
// octave, which at the top is still hundreds of cycles and leaves the band below f2 measured in
// full (a sweep to 20.9 kHz at 44.1 kHz reads 20 kHz with the whole excitation). After the sweep
// comes silence of half its length, at least one second, for the response's tail.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace terzlab::sweep {

struct SweepSettings {
    int32_t SampleRate = 48000;
    double F1 = 10.0;
    double F2 = 20000.0;
    int32_t Samples = 262144; // asked for, of the sweep without the silence after it
    double LevelDb = -6.0;    // peak, dBFS
};

inline constexpr int32_t kMinSweepSamples = 32768;
inline constexpr int32_t kMaxSweepSamples = 2097152;
inline constexpr double kFadeInOctaves = 1.0 / 12.0;
inline constexpr double kFadeOutOctaves = 1.0 / 48.0;

// The sweep as the analysis knows it: rate, start frequency, L and length.
struct SweepShape {
    int32_t SampleRate = 48000;
    double F1 = 10.0;
    double F2 = 20000.0;
    double L = 1.0;                       // seconds
    int32_t Samples = 0;                  // of the sweep as made: L ln(f2/f1), rounded to a sample
    double HarmonicLead(int order) const; // L ln(order), in samples
    // The band the sweep excites at its full level, between its fades.
    double FullLevelFrom() const;
    double FullLevelTo() const;
};

// Why the settings cannot make a sweep, or "" (the message is in the user's language).
std::string SweepRefusal(const SweepSettings& s);

SweepShape ShapeOf(const SweepSettings& s);

// Samples of silence after the sweep.
int32_t TailSamples(int32_t sweepSamples, int32_t sampleRate);

// The sweep followed by its silence, full scale 1.0.
std::vector<double> MakeSweep(const SweepSettings& s);

// Reads the shape back from a played sweep (for example a stimulus file): the length from its
// last sample above the quantisation; f1 and L first roughly from a line through the logarithm
// of the frequency its zero crossings show against time, then exactly from the crossings'
// phases, which are whole multiples of pi, with f1 L whole. Nothing when the signal is no
// exponential sweep.
std::optional<SweepShape> RecogniseSweep(std::span<const float> played, int32_t sampleRate);

} // namespace terzlab::sweep
