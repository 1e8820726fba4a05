// Writes the program's stimulus files into the folder given as the only argument.
#include "files/atomic_write.h"
#include "sound_file/sound_file.h"
#include "stimuli/crest.h"
#include "stimuli/stimulus_files.h"
#include "stimuli/sweep_command.h"
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
    const std::string image = terzlab::sound_file::wavImage(stereoSound(signal, kFileRate));
    if (const terzlab::WriteResult written = terzlab::ReplaceFile(path, image); !written) {
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
    for (const std::string& arg : args)
        if (arg == "--sweep") return RunSweepCommand(args);
    if (args.size() != 1 || (args[0].size() > 1 && args[0][0] == '-')) {
        const std::string error =
            args.empty() || args[0][0] != '-'
                ? text::translate("StimuliTool", "Genau ein Zielordner wird erwartet")
                : tools::UnknownOption(args[0]);
        std::fprintf(stderr, "terzlab-make-stimuli: %s\n", tools::WithUsage(error, usage).c_str());
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = true;
    for (const StimulusFile& file : stimulusFiles())
        ok = write(folder, file.name, file.make()) && ok;
    return ok ? 0 : 1;
}
