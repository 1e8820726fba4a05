#pragma once
// The measurement run of the main window without the sound card: blocks of a recording go
// through the same steps a stop-mode run takes them through, in the same order and with the
// same counters, so that the results equal what the program shows after such a run.
#include "analysis/bands.h"
#include "analysis/display_range.h"
#include "analysis/fft.h"
#include "analysis/types.h"
#include "analyze/recording.h"
#include <array>
#include <cstdint>
#include <vector>

namespace terzlab::analyze {

struct RunSettings {
    int16_t MeasTypeIndex = 0;
    int32_t SampleRate = 44100;
    BandAnalysisInputs Analysis; // AvgCount and ImpedancePart are set per block
    DisplayInputs Display;       // the same
};

class Analyzer {
  public:
    explicit Analyzer(const RunSettings& settings);

    int32_t BlockSize() const { return fft_.BlockSize; }
    int16_t WindowType() const { return fft_.WindowType; }

    // Analyses `count` blocks from the reader's position as one run (AvgCount 0 .. count-1).
    // impedancePart is 0, or 1 and 2 for the two parts of the one-channel impedance.
    bool RunPart(Recording& recording, int32_t count, int16_t impedancePart);

    // Band values as a redraw after the run shows them at this resolution; the axis stays as
    // the run's last block chose it.
    void Redraw(int16_t freqResIndex);

    const BandState& Bands() const { return bands_; }
    const AxisRange& Range() const { return range_; }
    // Whether a channel's peak ever exceeded 32000: the latched overload labels.
    const std::array<bool, 2>& Overload() const { return overload_; }

  private:
    void AnalyseBlock(int16_t avgCount, int32_t measLimit, int16_t impedancePart);
    void CheckOverload();

    RunSettings settings_;
    FftState fft_;
    BandState bands_;
    AxisRange range_;
    std::vector<int16_t> captureBuffer_;
    std::array<bool, 2> overload_{false, false};
    int16_t lastPart_ = 0;
    int32_t lastLimit_ = 1;
};

} // namespace terzlab::analyze
