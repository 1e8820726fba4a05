#pragma once
// One measurement run without a window: the session, the run's counters (the count of averages
// and its limit, the part of a two-part type, the stop mode) and its phase. It is fed captured
// blocks one at a time; the main window, terzlab-analyze and the loopback tests drive it the
// same way, so the same blocks give the same values everywhere.
#include "analysis/measurement_config.h"
#include "analysis/session.h"

#include <cstdint>
#include <span>

namespace terzlab {

// What the start command does next: start a run, start part 2 of a two-part run, or nothing
// while a run is under way.
enum class RunPhase : uint8_t { Idle, PartTwoDue, Running };

// The values a run leaves: what a file keeps and every picture and export reads.
struct MeasurementResult {
    MeasType Type = MeasType::LevelOneChannel;
    int32_t SampleRate = 44100;
    int32_t BlockSize = 16384;
    int16_t WindowType = 0;
    const BandState* Bands = nullptr; // the grid, the phases of the latest block
    std::vector<double> Twelfth;      // the display values at 1/12 octave, one per band
};

class MeasurementRun {
  public:
    // A run of the configured type is under way, or its second part when the first is done;
    // nothing is measured yet (instructions and the stimulus come first).
    void Prepare(const MeasurementConfig& config);
    // Its blocks begin: the count starts, the session is set up for the type and rate, and the
    // results and overload of earlier runs are cleared.
    void Begin();
    // One captured block (channels interleaved): checked for peaks and overload, and in the
    // frequency view analysed into the running means and fitted by the axis.
    BlockReport AddBlock(std::span<const int16_t> samples, AxisRange& range);
    // Counts the block just added. True when the count is complete and the run ends.
    bool CountBlock();
    // The run (or part) ends: a stop, ESC, a device that gave up, or the count done.
    void Stop();
    // The count starts over (the quick check restarts its single measurement).
    void RestartCount() { avgCount_ = 0; }

    RunPhase Phase() const { return phase_; }
    void SetPhase(RunPhase phase) { phase_ = phase; }
    // 0 for a type measured in one run, else the part (1 or 2) under way or last measured.
    int16_t Part() const { return part_; }
    void ForgetPart() { part_ = 0; }
    bool FirstOfTwoParts() const;
    int16_t AvgCount() const { return avgCount_; }
    int16_t Count() const { return config_.Count; }
    // Blocks analysed since the run object was made: tells a caller whether its run measured.
    int32_t BlocksCounted() const { return blocksCounted_; }

    const MeasurementConfig& Config() const { return config_; }
    // The choices that may change between blocks without a new run: the curves in use and the
    // axis mode follow the user at once.
    MeasurementConfig& Config() { return config_; }
    // The inputs of a redraw now, with the counters as the run left them.
    DisplayInputs Inputs(bool measValid) const;

    MeasurementSession& Session() { return session_; }
    const MeasurementSession& Session() const { return session_; }
    // The values as a file keeps them, from the run's results alone (never from what was drawn).
    MeasurementResult Result() const;

  private:
    MeasurementConfig config_;
    MeasurementSession session_;
    RunPhase phase_ = RunPhase::Idle;
    int16_t part_ = 0;
    int16_t avgCount_ = 0;
    int32_t blocksCounted_ = 0;
};

} // namespace terzlab
