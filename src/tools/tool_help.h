#pragma once
// --help and --version, which every tool answers on stdout with status 0 before it reads any
// other argument, so that a packager's or a user's first try never ends in a usage error.
#include "terzlab_version.h"
#include "text/translate.h"

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace terzlab::tools {

struct ToolDescription {
    std::string_view Name;  // the command, e.g. "terzlab-ts"
    std::string Purpose;    // one translated sentence
    std::string_view Usage; // the synopsis, as the usage errors give it
    bool Installed = true;  // with a manual page
};

// The exit status when the arguments ask for help or the version (anywhere among them), and
// what was printed; nothing otherwise.
inline std::optional<int> AnswerHelpOrVersion(std::span<const std::string> args,
                                              const ToolDescription& tool, std::ostream& out) {
    for (const std::string& arg : args) {
        if (arg == "--version") {
            out << tool.Name << ' ' << kVersion << '\n';
            return 0;
        }
        if (arg == "--help" || arg == "-h") {
            out << text::arg(text::translate("ToolMessages", "Aufruf: %1"), {tool.Usage}) << "\n\n"
                << tool.Purpose << "\n\n"
                << text::translate("ToolMessages", "  --help     diese Übersicht\n"
                                                   "  --version  die Version")
                << '\n';
            if (tool.Installed)
                out << text::arg(
                           text::translate("ToolMessages",
                                           "Alle Optionen beschreibt die Handbuchseite: man %1"),
                           {tool.Name})
                    << '\n';
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace terzlab::tools
