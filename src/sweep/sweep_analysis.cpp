#include "sweep/sweep_analysis.h"

#include "text/translate.h"

#include <algorithm>
#include <cmath>

namespace terzlab::sweep {

bool Clipped(std::span<const float> samples) {
    constexpr float fullScale = 32767.0f / 32768.0f;
    for (std::size_t i = 1; i < samples.size(); ++i)
        if (std::fabs(samples[i]) >= fullScale && std::fabs(samples[i - 1]) >= fullScale)
            return true;
    return false;
}

namespace {

std::string noSweep() {
    return text::translate("Sweep", "In der Aufnahme ist kein Sweep zu finden");
}

} // namespace

SweepResult AnalyseSweep(const SweepInputs& in, RealTransform& transform) {
    SweepResult r;
    const SweepShape& s = in.Sweep;
    const auto recorded = static_cast<int64_t>(in.Recorded.size());
    if (recorded < s.Samples) {
        r.Error = text::translate("Sweep", "Die Aufnahme ist kürzer als der Sweep");
        return r;
    }
    r.ResponseSamples = std::max<int64_t>(recorded - s.Samples, s.SampleRate / 2);
    const int32_t size = NextPowerOfTwo(s.Samples + r.ResponseSamples);
    const Band band{.F1 = s.F1, .F2 = s.F2, .SampleRate = s.SampleRate};
    r.Ir = Deconvolve(in.Recorded, in.Excitation, band, size, transform);
    const auto arrival = FindArrival(r.Ir, r.ResponseSamples, transform);
    if (!arrival || !StandsOutOfNoise(r.Ir, r.ResponseSamples, *arrival)) {
        r.Error = noSweep();
        return r;
    }
    r.ArrivalAt = *arrival;
    r.DelayMs = std::round(arrival->Sample * 1e7 / s.SampleRate) / 1e4;
    if (r.DelayMs == 0.0) r.DelayMs = 0.0; // an arrival a hair before sample 0 is no "-0.0000" ms
    r.DistanceM = r.DelayMs / 1000.0 * kSpeedOfSound;
    r.Error = GateRefusal(in.GateSettings, arrival->Sample, r.ResponseSamples, s.HarmonicLead(2),
                          s.SampleRate);
    if (!r.Error.empty()) return r;
    r.GateLowHz = GateLowHz(in.GateSettings);
    r.Gated = GatedResponse(r.Ir, arrival->Sample, in.GateSettings,
                            r.DelayMs * s.SampleRate / 1000.0, s.SampleRate, transform);
    return r;
}

} // namespace terzlab::sweep
