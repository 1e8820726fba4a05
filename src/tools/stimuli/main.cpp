// Writes the program's stimulus files into the folder given as the only argument.
#include "stimuli/crest.h"
#include "stimuli/signals.h"
#include "stimuli/wav_file.h"
#include "text/language.h"
#include "tools/tool_help.h"
#include "tools/tool_messages.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

using namespace terzlab::stimuli;

namespace {

bool write(const std::string& folder, const char* name, const PeriodicSignal& signal) {
    const std::string path = folder + "/" + name;
    if (const terzlab::WriteResult written = writeStereoWav(path, toSamples(signal)); !written) {
        std::fprintf(stderr, "terzlab-make-stimuli: %s\n",
                     terzlab::NotWrittenText(path, written.Reason).c_str());
        return false;
    }
    const double rms = rmsOf(signal.period);
    char period[16], crest[16];
    std::snprintf(period, sizeof period, "%6zu", signal.period.size());
    std::snprintf(crest, sizeof crest, "%.2f", rms > 0.0 ? peakOf(signal.period) / rms : 0.0);
    const std::string figures = terzlab::text::arg(
        terzlab::text::translate("StimuliTool", "Periode %1, Scheitelfaktor %2"), {period, crest});
    std::printf("%-18s %s\n", name, figures.c_str());
    return true;
}

bool writeCalibrationSines(const std::string& folder) {
    const struct {
        const char* name;
        int period;
        double level;
    } sines[] = {{"Sin_0050_100.wav", 910, 1.0},  {"Sin_0050_010.wav", 910, 0.1},
                 {"Sin_0050_001.wav", 910, 0.01}, {"Sin_1000_100.wav", 45, 1.0},
                 {"Sin_1000_010.wav", 45, 0.1},   {"Sin_1000_001.wav", 45, 0.01}};
    bool ok = true;
    for (const auto& s : sines) {
        ok = write(folder, s.name, calibrationSine(s.period, s.level)) && ok;
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    using namespace terzlab;
    text::InstallLanguage(text::LanguageOfEnvironment());
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::string usage =
        "terzlab-make-stimuli " + text::translate("StimuliTool", "ZIELORDNER");
    const tools::ToolDescription tool{
        "terzlab-make-stimuli",
        text::translate("StimuliTool", "Schreibt die Anregungsdateien des Programms (pseudo.wav, "
                                       "multi.wav, ...) in den Zielordner."),
        usage, false};
    if (const auto answered = tools::AnswerHelpOrVersion(args, tool, std::cout)) return *answered;
    if (args.size() != 1 || (args[0].size() > 1 && args[0][0] == '-')) {
        const std::string error =
            args.empty() || args[0][0] != '-'
                ? text::translate("StimuliTool", "Genau ein Zielordner wird erwartet")
                : tools::UnknownOption(args[0]);
        std::fprintf(stderr, "terzlab-make-stimuli: %s\n", tools::WithUsage(error, usage).c_str());
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = write(folder, "pseudo.wav", pseudoNoise());
    ok = write(folder, "multi.wav", multiSine()) && ok;
    ok = write(folder, "pulse.wav", pulseTrain()) && ok;
    ok = write(folder, "check.wav", realTimeCheck()) && ok;
    ok = writeCalibrationSines(folder) && ok;
    ok = write(folder, "Stop.wav", silence()) && ok;
    return ok ? 0 : 1;
}
