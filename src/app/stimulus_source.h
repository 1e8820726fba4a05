#pragma once
// Choosing, checking and rate-adapting the stimulus file of a run, reduced to one outcome the
// start command can act on.
#include "analysis/types.h"
#include "files/locations.h"

#include <cstdint>
#include <string>

namespace terzlab::app {

struct StimulusRequest {
    MeasType measType = MeasType::LevelOneChannel;
    bool calibrationRun = false;
    int calibFreqOption = 1;
    int calibLevelOption = 0;
    bool timeCheck = false;
};

enum class StimulusStatus { Ready, Missing, Invalid, NotWritable };

struct StimulusOutcome {
    StimulusStatus status = StimulusStatus::Missing;
    std::string path; // the file the run plays, or the one a message names
};

StimulusOutcome prepareStimulusFile(const Locations& places, const StimulusRequest& request,
                                    uint32_t sampleRate);

} // namespace terzlab::app
