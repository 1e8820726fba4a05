#include "text/language.h"
#include "tools/tool_help.h"
#include "ts/ts_options.h"
#include "ts/ts_run.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    using namespace terzlab;
    text::InstallLanguage(text::LanguageOfEnvironment());
    const std::vector<std::string> args(argv + 1, argv + argc);
    const tools::ToolDescription tool{
        "terzlab-ts",
        text::translate("TsTool", "Bestimmt die Thiele-Small-Parameter eines Lautsprechers aus "
                                  "seiner Impedanzmessung."),
        ts::kTsUsage};
    if (const auto answered = tools::AnswerHelpOrVersion(args, tool, std::cout)) return *answered;
    return ts::RunTs(args, std::cout, std::cerr);
}
