#pragma once
// terzlab-analyze as a function: the executable's main only hands its arguments in, so tests
// run the whole tool in-process.
#include <ostream>
#include <span>
#include <string>

namespace terzlab::analyze {

inline constexpr int kExitOk = 0;
inline constexpr int kExitError = 2;

// Arguments without the program name. Errors and overload notes go to `err`.
int RunAnalyze(std::span<const std::string> args, std::ostream& err);

} // namespace terzlab::analyze
