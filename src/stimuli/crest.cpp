#include "stimuli/crest.h"

#include "analysis/fft_radix2.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace terzlab::stimuli {

namespace {

// One period in the time domain (re) or its spectrum (re, im), both N long. The analyser's
// straightforward transform serves in double precision: the design iterates many transforms and
// must not accumulate single-precision error.
struct Spectrum {
    std::vector<double> re, im;
    std::size_t size() const { return re.size(); }
};

void transform(Spectrum& s, bool inverse) {
    RadixTwoFft(s.re.data(), s.im.data(), static_cast<int32_t>(s.size()), inverse);
}

std::vector<double> synthesize(Spectrum spectrum) {
    transform(spectrum, true);
    return std::move(spectrum.re);
}

Spectrum spectrumOf(const std::vector<double>& amplitude, const std::vector<double>& phase) {
    const std::size_t size = 2 * amplitude.size();
    Spectrum s{std::vector<double>(size, 0.0), std::vector<double>(size, 0.0)};
    for (std::size_t k = 1; k < amplitude.size(); ++k) {
        const double half = amplitude[k] / 2.0;
        s.re[k] = s.re[size - k] = half * std::cos(phase[k]);
        s.im[k] = half * std::sin(phase[k]);
        s.im[size - k] = -s.im[k];
    }
    return s;
}

// Keeps the phases that clipping produced and restores the tones' amplitudes, so that the
// spectrum never drifts from the design.
std::vector<double> phasesAfterClipping(const std::vector<double>& x, double limit,
                                        std::vector<double> phase) {
    Spectrum s{std::vector<double>(x.size()), std::vector<double>(x.size(), 0.0)};
    for (std::size_t n = 0; n < x.size(); ++n) {
        s.re[n] = std::clamp(x[n], -limit, limit);
    }
    transform(s, false);
    for (std::size_t k = 1; k < phase.size(); ++k) {
        if (s.re[k] != 0.0 || s.im[k] != 0.0) {
            phase[k] = std::atan2(s.im[k], s.re[k]);
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

std::vector<double> lowCrestPeriod(const std::vector<double>& amplitude,
                                   const std::vector<double>& phase, const ClipRule& rule) {
    std::vector<double> current = phase;
    std::vector<double> x = synthesize(spectrumOf(amplitude, current));
    std::vector<double> best = x;
    const double rms = rmsOf(x); // fixed by the amplitudes
    for (int i = 0; i < rule.iterations; ++i) {
        const double limit = std::max(rule.peakFraction * peakOf(x), rule.rmsFloor * rms);
        current = phasesAfterClipping(x, limit, current);
        x = synthesize(spectrumOf(amplitude, current));
        if (peakOf(x) < peakOf(best)) {
            best = x;
        }
    }
    return best;
}

} // namespace terzlab::stimuli
