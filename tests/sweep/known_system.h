#pragma once
// Recordings of the sweep through systems whose response is known in closed form: a
// loudspeaker-like band-pass (biquads), a delay of a fraction of a sample (a long windowed sinc),
// a reflection, a memoryless nonlinearity, the sound card's delay on both channels and white
// noise.
#include "sweep/sweep_analysis.h"
#include "sweep/sweep_signal.h"

#include <complex>
#include <vector>

namespace terzlab::test {

struct KnownSystem {
    double DelaySamples = 300.37; // acoustic, after the filters
    double HighPassHz = 60.0;     // 2nd order, Q 1/sqrt(2); 0: none
    double LowPassHz = 20000.0;   // the same; together a loudspeaker-like band-pass
    double ReflectionMs = 0.0;    // 0: none
    double ReflectionGain = 0.5;  // -6 dB
    double NoiseDb = -300.0;      // white noise against the recording's RMS during the sweep
    int CardDelay = 0;            // samples, on both channels
    double A2 = 0.0, A3 = 0.0;    // y = x + a2 x^2 + a3 x^3, before the filters
    unsigned Seed = 1;
};

struct Recording {
    std::vector<float> Microphone;
    std::vector<float> Loopback; // the sweep as the card recorded it
    std::vector<float> Played;
};

Recording Record(const sweep::SweepSettings& sweep, const KnownSystem& system);

// The recording analysed with the program's own transform.
sweep::SweepResult Analysed(const sweep::SweepSettings& sweep, std::span<const float> recorded,
                            std::span<const float> excitation, const sweep::Gate& gate = {});

// The filters' response, and the direct sound's with the pure delay.
std::complex<double> FiltersAt(const KnownSystem& system, double hz, int32_t rate);
std::complex<double> DirectAt(const KnownSystem& system, double hz, int32_t rate);

// The largest deviations of measured values from the truth.
struct Worst {
    double Db = 0.0, Degrees = 0.0;
    void add(std::complex<double> measured, std::complex<double> truth);
};

} // namespace terzlab::test
