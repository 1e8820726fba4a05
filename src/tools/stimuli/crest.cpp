#include "stimuli/crest.h"

#include <algorithm>
#include <cmath>

namespace terzlab::stimuli {

namespace {

std::vector<double> synthesize(const Fft& fft, Spectrum spectrum) {
    fft.inverse(spectrum);
    std::vector<double> x(spectrum.size());
    for (std::size_t n = 0; n < x.size(); ++n) {
        x[n] = spectrum[n].real();
    }
    return x;
}

Spectrum spectrumOf(const std::vector<double>& amplitude, const std::vector<double>& phase,
                    std::size_t size) {
    Spectrum s(size, 0.0);
    for (std::size_t k = 1; k < amplitude.size(); ++k) {
        s[k] = std::polar(amplitude[k] / 2.0, phase[k]);
        s[size - k] = std::conj(s[k]);
    }
    return s;
}

// Keeps the phases that clipping produced and restores the tones' amplitudes, so that the
// spectrum never drifts from the design.
std::vector<double> phasesAfterClipping(const Fft& fft, std::vector<double> x, double limit,
                                        std::vector<double> phase) {
    Spectrum s(x.size());
    for (std::size_t n = 0; n < x.size(); ++n) {
        s[n] = std::clamp(x[n], -limit, limit);
    }
    fft.forward(s);
    for (std::size_t k = 1; k < phase.size(); ++k) {
        if (std::abs(s[k]) > 0.0) {
            phase[k] = std::arg(s[k]);
        }
    }
    return phase;
}

} // namespace

double peakOf(const std::vector<double>& x) {
    double peak = 0.0;
    for (const double v : x) {
        peak = std::max(peak, std::abs(v));
    }
    return peak;
}

double rmsOf(const std::vector<double>& x) {
    double sum = 0.0;
    for (const double v : x) {
        sum += v * v;
    }
    return std::sqrt(sum / static_cast<double>(x.size()));
}

std::vector<double> lowCrestPeriod(const Fft& fft, const std::vector<double>& amplitude,
                                   const std::vector<double>& phase, const ClipRule& rule) {
    std::vector<double> current = phase;
    std::vector<double> x = synthesize(fft, spectrumOf(amplitude, current, fft.size()));
    std::vector<double> best = x;
    const double rms = rmsOf(x); // fixed by the amplitudes
    for (int i = 0; i < rule.iterations; ++i) {
        const double limit = std::max(rule.peakFraction * peakOf(x), rule.rmsFloor * rms);
        current = phasesAfterClipping(fft, x, limit, current);
        x = synthesize(fft, spectrumOf(amplitude, current, fft.size()));
        if (peakOf(x) < peakOf(best)) {
            best = x;
        }
    }
    return best;
}

} // namespace terzlab::stimuli
