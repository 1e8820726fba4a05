#pragma once
// The analyser's band grid seen from the stimuli: which share of each FFT bin a level band
// receives, and the one bin of each impedance band. Both come from the analyser's own table, so
// a stimulus can never be designed for a grid the analyser does not use.
#include <vector>

namespace terzlab::stimuli {

struct BinShare {
    int band;
    int bin;
    double weight; // part of the bin's power counted in the band
};

// Shares of all level bands for a block of blockSize samples.
std::vector<BinShare> levelBandShares(int sampleRate, int blockSize);

// Bins of the impedance bands, ascending, without repeats.
std::vector<int> impedanceBins(int sampleRate, int blockSize);

} // namespace terzlab::stimuli
