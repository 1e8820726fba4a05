#pragma once
// One swept-sine measurement from the recorded samples to the impulse response, the arrival and
// the gated response: what the program, terzlab-analyze and the benchmark run alike.
#include "sweep/arrival.h"
#include "sweep/deconvolution.h"
#include "sweep/gate.h"
#include "sweep/sweep_signal.h"

#include <span>
#include <string>
#include <vector>

namespace terzlab::sweep {

struct SweepInputs {
    std::span<const float> Recorded;   // the microphone
    std::span<const float> Excitation; // the played sweep, or the loopback channel
    SweepShape Sweep;
    Gate GateSettings;
};

struct SweepResult {
    std::string Error;           // in the user's language; "" when the rest is valid
    std::vector<float> Ir;       // circular; sample 0 is the sweep's first sample
    int64_t ResponseSamples = 0; // the part of Ir after sample 0 that holds the response
    Arrival ArrivalAt;
    double DelayMs = 0.0; // rounded to the 0.1 microseconds it is printed with
    double DistanceM = 0.0;
    double GateLowHz = 0.0;
    Response Gated; // the delay (DelayMs) removed
};

// A recording is clipped where two samples in a row reach full scale.
bool Clipped(std::span<const float> samples);

// The response part is what the recording holds after the sweep, at least half a second; the
// transform is the next power of two that holds the sweep and that part.
SweepResult AnalyseSweep(const SweepInputs& in, RealTransform& transform);

} // namespace terzlab::sweep
