#include "run_export.h"
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
        "terzlab-export",
        text::translate("ExportTool", "Wandelt eine Messdatei in FRD, ZMA oder CSV oder zeichnet "
                                      "ihre Grafik als PNG oder SVG."),
        exporter::kUsage};
    if (const auto answered = tools::AnswerHelpOrVersion(args, tool, std::cout)) return *answered;
    return exporter::RunExport(args, std::cerr);
}
