#include "stimuli/band_grid.h"

#include <algorithm>
#include <cmath>

namespace terzlab::stimuli {

namespace {

const double kBandStep = std::pow(10.0, 1.0 / 40.0);

struct Edge {
    int bin;
    double frac;
};

std::vector<Edge> levelEdges(int sampleRate, int blockSize, int lastBand) {
    const double df = static_cast<double>(sampleRate) / blockSize;
    const double half = blockSize / 2 - 1;
    std::vector<Edge> edges;
    // Repeated multiplication, as the analyser builds its table.
    double edge = std::pow(10.0, 1.0 - 0.5 / 40.0);
    for (int i = 0; i <= lastBand + 1; ++i) {
        const double x = std::min(edge / df, half);
        const double whole = std::floor(x);
        edges.push_back({static_cast<int>(whole), x - whole});
        edge *= kBandStep;
    }
    return edges;
}

void addBandShares(std::vector<BinShare>& shares, int band, Edge lo, Edge hi) {
    if (lo.bin == hi.bin) {
        shares.push_back({band, lo.bin, hi.frac - lo.frac});
        return;
    }
    shares.push_back({band, lo.bin, 1.0 - lo.frac});
    for (int k = lo.bin + 1; k < hi.bin; ++k) {
        shares.push_back({band, k, 1.0});
    }
    shares.push_back({band, hi.bin, hi.frac});
}

} // namespace

int levelLastBand(int sampleRate) {
    return static_cast<int>(std::nearbyint(40.0 * std::log10(sampleRate / 2.0 / 10.0)));
}

std::vector<BinShare> levelBandShares(int sampleRate, int blockSize) {
    const int lastBand = levelLastBand(sampleRate);
    const std::vector<Edge> edges = levelEdges(sampleRate, blockSize, lastBand);
    std::vector<BinShare> shares;
    for (int b = 0; b <= lastBand; ++b) {
        addBandShares(shares, b, edges[b], edges[b + 1]);
    }
    return shares;
}

std::vector<int> impedanceBins(int blockSize) {
    constexpr int rate = 44100;
    const double df = static_cast<double>(rate) / blockSize;
    const double half = blockSize / 2 - 1;
    const int lastBand = levelLastBand(rate) - 1;
    std::vector<int> bins;
    double f = 10.0;
    for (int b = 0; b <= lastBand; ++b) {
        bins.push_back(static_cast<int>(std::nearbyint(std::min(f / df, half))));
        f *= kBandStep;
    }
    bins.erase(std::unique(bins.begin(), bins.end()), bins.end());
    return bins;
}

} // namespace terzlab::stimuli
