#include "analyze/options.h"
#include "analyze/run.h"
#include "text/language.h"
#include "tools/tool_help.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    using namespace terzlab;
    text::InstallLanguage(text::LanguageOfEnvironment());
    const std::vector<std::string> args(argv + 1, argv + argc);
    const tools::ToolDescription tool{
        "terzlab-analyze",
        text::translate("AnalyzeTool", "Analysiert WAV-Aufnahmen wie das Programm eine Messung "
                                       "und schreibt die Messdatei."),
        analyze::kUsage};
    if (const auto answered = tools::AnswerHelpOrVersion(args, tool, std::cout)) return *answered;
    return analyze::RunAnalyze(args, std::cerr);
}
