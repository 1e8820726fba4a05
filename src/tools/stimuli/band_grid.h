#pragma once
// The analyser's 1/40-decade band grid, as far as the stimuli must match it: which share of
// each FFT bin a level band receives, and the one bin of each impedance band.
#include <vector>

namespace terzlab::stimuli {

struct BinShare {
    int band;
    int bin;
    double weight; // part of the bin's power counted in the band
};

int levelLastBand(int sampleRate);

// Shares of all level bands 0..levelLastBand for a block of blockSize samples.
std::vector<BinShare> levelBandShares(int sampleRate, int blockSize);

// Bins of the impedance bands of the 44100-Hz table, ascending, without repeats.
std::vector<int> impedanceBins(int blockSize);

} // namespace terzlab::stimuli
