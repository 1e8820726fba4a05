#pragma once
// Choosing, checking and rate-adapting the stimulus file of a run, reduced to one outcome the
// start command can act on.
#include <cstdint>
#include <string>

namespace terzlab::app {

struct StimulusRequest {
    int measType = 0;
    bool calibrationRun = false;
    int calibFreqOption = 1;
    int calibLevelOption = 0;
    bool timeCheck = false;
};

enum class StimulusStatus { Ready, Missing, Invalid, NotWritable };

struct StimulusOutcome {
    StimulusStatus status = StimulusStatus::Missing;
    std::string path;
};

StimulusOutcome prepareStimulusFile(const std::string& programFolder,
                                    const StimulusRequest& request, uint32_t sampleRate);

} // namespace terzlab::app
