#include "run_export.h"
#include "text/language.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    terzlab::text::InstallLanguage(terzlab::text::LanguageOfEnvironment());
    const std::vector<std::string> args(argv + 1, argv + argc);
    return terzlab::exporter::RunExport(args, std::cerr);
}
