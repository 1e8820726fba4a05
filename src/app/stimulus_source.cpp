#include "app/stimulus_source.h"

#include <array>
#include <fstream>

namespace terzlab::app {

namespace {

std::string fileNameFor(const StimulusRequest& request) {
    if (request.timeCheck) return "check.wav";
    if (request.measType == 0 && request.calibrationRun) {
        static constexpr std::array<const char*, 3> kLevels{"_100.wav", "_010.wav", "_001.wav"};
        const int level = request.calibLevelOption >= 0 && request.calibLevelOption < 3
                              ? request.calibLevelOption
                              : 0;
        return std::string(request.calibFreqOption == 0 ? "Sin_0050" : "Sin_1000") +
               kLevels[static_cast<size_t>(level)];
    }
    switch (request.measType) {
    case 2:
        return "pulse.wav";
    case 3:
    case 4:
        return "multi.wav";
    default:
        return "pseudo.wav";
    }
}

std::string join(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

} // namespace

StimulusOutcome prepareStimulusFile(const std::string& programFolder,
                                    const StimulusRequest& request, uint32_t) {
    StimulusOutcome outcome;
    outcome.path = join(programFolder, fileNameFor(request));
    std::ifstream file(outcome.path, std::ios::binary);
    outcome.status = file ? StimulusStatus::Ready : StimulusStatus::Missing;
    return outcome;
}

std::string stopFilePath(const std::string&) {
    // By bare name, as the player looks it up in the program folder.
    return "Stop.wav ";
}

} // namespace terzlab::app
