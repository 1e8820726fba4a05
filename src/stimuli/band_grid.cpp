#include "stimuli/band_grid.h"

#include "analysis/bands.h"
#include "analysis/types.h"

#include <algorithm>
#include <utility>

namespace terzlab::stimuli {

namespace {

BandTable tableFor(int sampleRate, int blockSize, MeasType type) {
    BandState state;
    BuildBandTable(state, {.SampleRate = sampleRate, .BlockSize = blockSize, .Type = type});
    return std::move(state.Table);
}

// The band's lower edge lies at BandFrac of bin BandBin, its upper edge is the next band's
// lower edge; a bin cut by an edge goes to both bands in proportion, as the analyser sums it.
void addBandShares(std::vector<BinShare>& shares, const BandTable& t, int band) {
    const int lo = t.BandBin[band];
    const int hi = t.BandBin[band + 1];
    const double fl = t.BandFrac[band];
    const double fh = t.BandFrac[band + 1];
    if (lo == hi) {
        shares.push_back({band, lo, fh - fl});
        return;
    }
    shares.push_back({band, lo, 1.0 - fl});
    for (int k = lo + 1; k < hi; ++k) {
        shares.push_back({band, k, 1.0});
    }
    shares.push_back({band, hi, fh});
}

} // namespace

std::vector<BinShare> levelBandShares(int sampleRate, int blockSize) {
    const BandTable table = tableFor(sampleRate, blockSize, MeasType::LevelOneChannel);
    std::vector<BinShare> shares;
    for (int b = 0; b <= table.LastBand; ++b) {
        addBandShares(shares, table, b);
    }
    return shares;
}

std::vector<int> impedanceBins(int sampleRate, int blockSize) {
    const BandTable table = tableFor(sampleRate, blockSize, MeasType::ImpedanceOneChannel);
    std::vector<int> bins(table.BandBin.begin(), table.BandBin.begin() + table.LastBand + 1);
    bins.erase(std::unique(bins.begin(), bins.end()), bins.end());
    return bins;
}

} // namespace terzlab::stimuli
