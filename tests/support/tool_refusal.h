#pragma once
// How the command-line tools refuse: exit status 2 and one line on stderr that starts with the
// tool's name and says what is wrong.
#include <string>

namespace terzlab::test {

// What sets this run apart from such a refusal naming `message`; empty when nothing does.
inline std::string RefusalFault(int status, const std::string& err, const std::string& tool,
                                const std::string& message) {
    if (status != 2) return "exit status " + std::to_string(status) + ", " + err;
    if (!err.starts_with(tool + ": ")) return "not named by the tool: " + err;
    if (err.find(message) == std::string::npos) return "not saying \"" + message + "\": " + err;
    if (err.find('\n') != err.size() - 1) return "more than one line: " + err;
    return "";
}

} // namespace terzlab::test
