#pragma once
// The measurement session: the per-block pipeline that the main window, terzlab-analyze and the
// loopback tests share. Set up from the measurement settings, fed one captured block at a time
// (peaks, overload, transform, band analysis, the type-4 reference step, display values, axis),
// and asked for the display values at any resolution. It holds the FFT and band state; the
// caller keeps the run's counters and the axis and passes them in.
#include "analysis/bands.h"
#include "analysis/display_range.h"
#include "analysis/fft.h"
#include "analysis/types.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace terzlab {

struct BlockReport {
    std::array<int32_t, 2> Peaks{0, 0};
    std::array<bool, 2> Overload{false, false}; // this block
    bool Analysed = false;
    DbRangeResult Range; // when analysed
};

class MeasurementSession {
  public:
    // Block size, window and band grid of a newly chosen type at a rate.
    void SelectType(MeasType type, int32_t sampleRate);
    // Makes sure the grid fits the type and rate before a block is analysed: a grid that fits
    // is kept with its results (and the window as it is); any change clears them.
    void SetUp(MeasType type, int32_t sampleRate);
    // Another time window for the same block size (the calibration measures with Hanning).
    void UseWindow(int16_t windowType);
    // A fresh grid with cleared results even when the old one fits.
    void Rebuild();

    int32_t BlockSize() const { return fft_.BlockSize; }
    int16_t WindowType() const { return fft_.WindowType; }
    const FftState& Fft() const { return fft_; }
    FftState& Fft() { return fft_; }
    const BandState& Bands() const { return bands_; }
    BandState& Bands() { return bands_; }

    // A new run: the overload latch and the results of earlier runs are cleared.
    void Start() {
        overload_ = {false, false};
        hasResults_ = false;
    }

    // Whether a block was analysed on the current grid since the run started: only then do the
    // band values belong to the type, grid and run shown, and may be drawn or saved.
    bool HasResults() const { return hasResults_; }

    // Peaks and overload of one block (channels interleaved); latches the overload.
    BlockReport CheckBlock(std::span<const int16_t> samples);

    // One block of a run with the count in.AvgCount of measLimit: checked, and with analyse
    // (frequency view) transformed, taken into the running means, referenced, turned into
    // display values and, for the first and the last block of the count, fitted by the axis.
    BlockReport AddBlock(std::span<const int16_t> samples, const DisplayInputs& in, bool wideRange,
                         bool analyse, int16_t measLimit, AxisRange& range);

    // Band results formed elsewhere on this very grid (a live analysis averages its own): they
    // become the run's results, shown and saved as an analysed block's would be. False, and
    // nothing taken, when their size does not fit the grid.
    bool TakeResults(std::span<const double> cells);

    // The display values again without new data (a redraw); the axis only when autoRange. Without
    // results only a comparison curve can set the axis.
    DbRangeResult Redraw(const DisplayInputs& in, bool autoRange, AxisRange& range);

    // The display values at a resolution, leaving the shown ones alone (a file keeps 1/12).
    std::vector<double> ValuesAt(const DisplayInputs& in, int16_t freqResIndex) const;

    // Overload seen since Start.
    const std::array<bool, 2>& Overload() const { return overload_; }

  private:
    void Rebuild(int32_t sampleRate, MeasType type);

    FftState fft_;
    BandState bands_;
    std::array<bool, 2> overload_{false, false};
    bool hasResults_ = false;
};

// The count a run leaves behind when it stops: redraws after the run form the values with it.
inline int16_t StoppedCount(int16_t measLimit) {
    return static_cast<int16_t>(measLimit - 2);
}

// Whether a block with this count is the first or the last of the count, when the axis is fitted.
inline bool FitsAxis(int16_t avgCount, int16_t measLimit) {
    return avgCount == 0 || avgCount == measLimit - 1;
}

} // namespace terzlab
