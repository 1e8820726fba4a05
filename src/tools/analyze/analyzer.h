#pragma once
// The measurement run of the main window without the sound card: blocks of a recording go
// through the same measurement run as the window's, as a stop-mode run, so that the results
// equal what the program shows after such a run.
#include "analysis/measurement_run.h"
#include "analysis/types.h"
#include "analyze/recording.h"
#include <array>
#include <cstdint>
#include <vector>

namespace terzlab::analyze {

class Analyzer {
  public:
    // config.Count is set per part from the blocks asked for.
    explicit Analyzer(const MeasurementConfig& config);

    int32_t BlockSize() const { return run_.Session().BlockSize(); }
    int16_t WindowType() const { return run_.Session().WindowType(); }

    // Analyses `count` blocks from the reader's position as one run, or as the next part of a
    // two-part type.
    bool RunPart(Recording& recording, int32_t count);

    // Band values as a redraw after the run shows them at this resolution; the axis stays as
    // the run's last block chose it.
    void Redraw(Resolution resolution);

    const BandState& Bands() const { return run_.Session().Bands(); }
    const AxisRange& Range() const { return range_; }
    int16_t LastPart() const { return run_.Part(); }
    MeasurementResult Result() const { return run_.Result(); }
    // Whether a channel ever overloaded, in any part: the latched overload labels.
    const std::array<bool, 2>& Overload() const { return overload_; }

  private:
    MeasurementConfig config_;
    MeasurementRun run_;
    AxisRange range_;
    std::vector<int16_t> captureBuffer_;
    std::array<bool, 2> overload_{false, false};
};

} // namespace terzlab::analyze
