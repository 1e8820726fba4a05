#include "app/stimulus_source.h"

#include "audio/stimulus.h"
#include "files/atomic_write.h"

namespace terzlab::app {

namespace {

// In place beside a portable program; otherwise the installed file stays as it is and the run
// plays a copy in the user's folder.
audio::AdaptedStimulus adaptRate(const Locations& places, const std::string& path,
                                 uint32_t sampleRate) {
    if (places.copyFolder.empty()) return {audio::adaptSampleRate(path, sampleRate), path};
    return audio::adaptedCopy(path, places.copyFolder, sampleRate,
                              [](const std::string& copy, const std::string& bytes) {
                                  return static_cast<bool>(ReplaceFile(copy, bytes));
                              });
}

} // namespace

StimulusOutcome prepareStimulusFile(const Locations& places, const StimulusRequest& request,
                                    uint32_t sampleRate) {
    const audio::StimulusChoice choice{IndexOf(request.measType), request.calibrationRun,
                                       request.calibFreqOption, request.calibLevelOption,
                                       request.timeCheck};
    StimulusOutcome outcome;
    outcome.path = audio::joinProgramPath(places.stimulusFolder, audio::stimulusFileName(choice));
    if (!audio::FileExists(outcome.path)) {
        outcome.status = StimulusStatus::Missing;
    } else if (!audio::isValidStimulusWav(outcome.path)) {
        outcome.status = StimulusStatus::Invalid;
    } else {
        const audio::AdaptedStimulus adapted = adaptRate(places, outcome.path, sampleRate);
        outcome.path = adapted.path;
        outcome.status = adapted.result == audio::RateAdaptResult::NotWritable
                             ? StimulusStatus::NotWritable
                             : StimulusStatus::Ready;
    }
    return outcome;
}

} // namespace terzlab::app
