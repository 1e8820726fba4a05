#include "app/stimulus_source.h"

#include "audio/stimulus.h"

namespace terzlab::app {

StimulusOutcome prepareStimulusFile(const std::string& programFolder,
                                    const StimulusRequest& request, uint32_t sampleRate) {
    const audio::StimulusChoice choice{request.measType, request.calibrationRun,
                                       request.calibFreqOption, request.calibLevelOption,
                                       request.timeCheck};
    StimulusOutcome outcome;
    outcome.path = audio::joinProgramPath(programFolder, audio::stimulusFileName(choice));
    if (!audio::fileExists(outcome.path)) {
        outcome.status = StimulusStatus::Missing;
    } else if (!audio::isValidStimulusWav(outcome.path)) {
        outcome.status = StimulusStatus::Invalid;
    } else if (audio::adaptSampleRate(outcome.path, sampleRate) ==
               audio::RateAdaptResult::NotWritable) {
        outcome.status = StimulusStatus::NotWritable;
    } else {
        outcome.status = StimulusStatus::Ready;
    }
    return outcome;
}

} // namespace terzlab::app
