#include "stimuli/pink.h"

#include <algorithm>

namespace terzlab::stimuli {

namespace {

bool isFlat(const BinShare& s, const FlatBands& flat) {
    return s.band >= flat.firstBand && s.band <= flat.lastBand && s.weight > 0.0;
}

std::vector<double> bandSums(const std::vector<BinShare>& shares, const std::vector<double>& power,
                             int bandCount) {
    std::vector<double> sums(bandCount, 0.0);
    for (const BinShare& s : shares) {
        sums[s.band] += s.weight * power[s.bin];
    }
    return sums;
}

int bandCountOf(const std::vector<BinShare>& shares) {
    int last = 0;
    for (const BinShare& s : shares) {
        last = std::max(last, s.band);
    }
    return last + 1;
}

// One multiplicative step: each bin is scaled by the share-weighted mean of the ratios
// target / sum of the bands it feeds. The powers stay positive, and where the bands share
// bins (a few per bin below 100 Hz) the step settles on the best compromise.
void balance(const std::vector<BinShare>& shares, std::vector<double>& power, const FlatBands& flat,
             int bandCount) {
    const std::vector<double> sums = bandSums(shares, power, bandCount);
    std::vector<double> ratio(power.size(), 0.0);
    std::vector<double> weight(power.size(), 0.0);
    for (const BinShare& s : shares) {
        if (isFlat(s, flat)) {
            ratio[s.bin] += s.weight * flat.target / sums[s.band];
            weight[s.bin] += s.weight;
        }
    }
    for (std::size_t k = 0; k < power.size(); ++k) {
        if (weight[k] > 0.0) {
            power[k] *= ratio[k] / weight[k];
        }
    }
}

} // namespace

std::vector<double> flatBandPowers(const std::vector<BinShare>& shares, int binCount,
                                   const FlatBands& flat) {
    std::vector<double> power(binCount, 0.0);
    for (const BinShare& s : shares) {
        if (isFlat(s, flat)) {
            power[s.bin] = flat.target;
        }
    }
    const int bandCount = bandCountOf(shares);
    // Settles within a few dozen passes (about 0.1 dB where three bands share a bin).
    for (int pass = 0; pass < 200; ++pass) {
        balance(shares, power, flat, bandCount);
    }
    return power;
}

} // namespace terzlab::stimuli
