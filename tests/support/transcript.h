#pragma once
// A command-line tool's answers kept as a transcript in tests/data: each "$ " line is a command
// line the test runs, the lines after it are what the run said. Paths stand as <names> there.
#include "support/temp_folder.h"

#include <cstdlib>
#include <functional>
#include <map>
#include <sstream>
#include <string>

namespace terzlab::test {

inline std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// The transcript in the file as the runs give it now: each command line, its <names> replaced by
// their paths, handed to `run`, and what that said with the paths named again. The file is
// rewritten so when TERZLAB_WRITE_GOLDEN is set.
inline std::string Replayed(const std::string& file,
                            const std::map<std::string, std::string>& paths,
                            const std::function<std::string(const std::string&)>& run) {
    std::istringstream in(readFile(file));
    std::string replayed;
    for (std::string line; std::getline(in, line);) {
        if (!line.starts_with("$ ")) continue;
        std::string args = line.substr(2);
        for (const auto& [name, path] : paths)
            args = ReplaceAll(args, name, path);
        std::string said = run(args);
        for (const auto& [name, path] : paths)
            said = ReplaceAll(said, path, name);
        replayed += line + '\n' + said;
    }
    if (std::getenv("TERZLAB_WRITE_GOLDEN")) writeFile(file, replayed);
    return replayed;
}

} // namespace terzlab::test
