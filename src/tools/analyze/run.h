#pragma once
// terzlab-analyze as a function: the executable's main only hands its arguments in, so tests
// run the whole tool in-process.
#include <iostream>
#include <ostream>
#include <span>
#include <string>

namespace terzlab::analyze {

inline constexpr int kExitOk = 0;
inline constexpr int kExitError = 2;

// Arguments without the program name. Errors and overload notes go to `err`; with --sweep the
// measured values go to `out`.
int RunAnalyze(std::span<const std::string> args, std::ostream& err, std::ostream& out = std::cout);

} // namespace terzlab::analyze
