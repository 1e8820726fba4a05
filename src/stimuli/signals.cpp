#include "stimuli/signals.h"

#include "stimuli/band_grid.h"
#include "stimuli/crest.h"
#include "stimuli/pink.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace terzlab::stimuli {

namespace {

constexpr int kRate = 44100;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Multi-sine and pulse peak 1 dB below full scale: the reconstruction filter's overshoot
// must not clip the converter.
const double kPeakLevel = std::pow(10.0, -1.0 / 20.0);
// The 1/12-octave bands named 20 Hz and 20 kHz.
constexpr int kFirstFlatBand = 12;
constexpr int kLastFlatBand = 132;

std::vector<double> randomPhases(std::size_t count, uint32_t seed) {
    std::mt19937 generator(seed); // its raw output is fixed by the language, so files repeat
    std::vector<double> phase(count);
    for (double& p : phase) {
        p = kTwoPi * static_cast<double>(generator()) / 4294967296.0;
    }
    return phase;
}

} // namespace

PeriodicSignal pseudoNoise() {
    const FlatBands flat{kFirstFlatBand, kLastFlatBand, std::pow(10.0, kPseudoBandLevelDb / 10.0)};
    const std::vector<BinShare> shares = levelBandShares(kRate, kPseudoPeriod);
    const std::vector<double> power = flatBandPowers(shares, kPseudoPeriod / 2, flat);
    std::vector<double> amplitude(power.size());
    std::transform(power.begin(), power.end(), amplitude.begin(),
                   [](double p) { return std::sqrt(p); });
    // Tried on this design: these rules reach about 1.4 (pink) and 3.8 (multi-sine) within
    // the few seconds the build may spend.
    const ClipRule rule{60, 0.8, 1.3};
    return {lowCrestPeriod(amplitude, randomPhases(amplitude.size(), 5489u), rule), 16};
}

PeriodicSignal multiSine() {
    const std::vector<int> bins = impedanceBins(kRate, kMultiPeriod);
    std::vector<double> amplitude(kMultiPeriod / 2, 0.0);
    std::vector<double> phase(kMultiPeriod / 2, 0.0);
    // Schroeder's and chirp phases start worse than random ones on this sparse
    // logarithmic grid (5.3 and 5.2 against 4.2).
    const std::vector<double> random = randomPhases(bins.size(), 1u);
    for (std::size_t i = 0; i < bins.size(); ++i) {
        amplitude[bins[i]] = 1.0;
        phase[bins[i]] = random[i];
    }
    std::vector<double> period = lowCrestPeriod(amplitude, phase, ClipRule{60, 0.0, 1.4});
    const double scale = kPeakLevel / peakOf(period);
    for (double& v : period) {
        v *= scale;
    }
    return {period, 4};
}

PeriodicSignal pulseTrain() {
    std::vector<double> period(kPulsePeriod, 0.0);
    std::fill(period.begin(), period.begin() + kPulseLength, kPeakLevel);
    return {period, 32};
}

// A sawtooth whose teeth all look alike: a dropped piece of audio makes one tooth short, a
// repeated piece long, and either shows as a step inside a ramp. The period (prime) was
// chosen so that a drop of any usual buffer size (powers of two from 64 to 16384 samples,
// multiples of 10 ms) leaves a step of at least 6 % of full scale: no drop can hide.
PeriodicSignal realTimeCheck() {
    std::vector<double> period(kCheckPeriod);
    for (int n = 0; n < kCheckPeriod; ++n) {
        period[n] = 0.5 * (2.0 * (n + 0.5) / kCheckPeriod - 1.0);
    }
    return {period, 365};
}

PeriodicSignal calibrationSine(int periodSamples, double level) {
    std::vector<double> period(periodSamples);
    for (int n = 0; n < periodSamples; ++n) {
        period[n] = level * std::sin(kTwoPi * n / periodSamples);
    }
    return {period, 180000 / periodSamples + 1};
}

PeriodicSignal silence() {
    return {std::vector<double>(kRate / 10, 0.0), 1};
}

std::vector<int16_t> toSamples(const PeriodicSignal& signal) {
    std::vector<int16_t> one(signal.period.size());
    for (std::size_t n = 0; n < one.size(); ++n) {
        const double scaled = std::nearbyint(signal.period[n] * 32768.0);
        one[n] = static_cast<int16_t>(std::clamp(scaled, -32768.0, 32767.0));
    }
    std::vector<int16_t> all;
    all.reserve(one.size() * signal.repeats);
    for (int r = 0; r < signal.repeats; ++r) {
        all.insert(all.end(), one.begin(), one.end());
    }
    return all;
}

} // namespace terzlab::stimuli
