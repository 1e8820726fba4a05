#pragma once
// Per-bin powers of a pink pseudo-noise whose 1/40-decade band sums are flat.
#include "stimuli/band_grid.h"

#include <vector>

namespace terzlab::stimuli {

struct FlatBands {
    int firstBand;
    int lastBand;
    double target; // band power, relative to a full-scale sine
};

// Powers of bins 0..binCount-1; only bins touching the flat bands carry power.
std::vector<double> flatBandPowers(const std::vector<BinShare>& shares, int binCount,
                                   const FlatBands& flat);

} // namespace terzlab::stimuli
