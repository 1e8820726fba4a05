#pragma once
// The measurement run of the main window without the sound card: blocks of a recording go
// through the measurement session in the order and with the counters of a stop-mode run, so
// that the results equal what the program shows after such a run.
#include "analysis/session.h"
#include "analysis/types.h"
#include "analyze/recording.h"
#include <array>
#include <cstdint>
#include <vector>

namespace terzlab::analyze {

struct RunSettings {
    int32_t SampleRate = 44100;
    bool WideRange = true; // mnuRange
    DisplayInputs Display; // AvgCount and ImpedancePart are set per block
};

class Analyzer {
  public:
    explicit Analyzer(const RunSettings& settings);

    int32_t BlockSize() const { return session_.BlockSize(); }
    int16_t WindowType() const { return session_.WindowType(); }

    // Analyses `count` blocks from the reader's position as one run (AvgCount 0 .. count-1).
    // impedancePart is 0, or 1 and 2 for the two parts of the one-channel impedance.
    bool RunPart(Recording& recording, int32_t count, int16_t impedancePart);

    // Band values as a redraw after the run shows them at this resolution; the axis stays as
    // the run's last block chose it.
    void Redraw(int16_t freqResIndex);

    const BandState& Bands() const { return session_.Bands(); }
    const AxisRange& Range() const { return range_; }
    // Whether a channel ever overloaded: the latched overload labels.
    const std::array<bool, 2>& Overload() const { return session_.Overload(); }

  private:
    DisplayInputs displayInputs(int16_t avgCount, int16_t impedancePart) const;

    RunSettings settings_;
    MeasurementSession session_;
    AxisRange range_;
    std::vector<int16_t> captureBuffer_;
    int16_t lastPart_ = 0;
    int16_t lastLimit_ = 1;
};

} // namespace terzlab::analyze
