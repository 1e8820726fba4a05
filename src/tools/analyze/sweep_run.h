#pragma once
// terzlab-analyze --sweep: prints delay_ms=, distance_m= and gate_low_Hz= lines on `out` and
// writes the requested files all together or none of them.
#include <ostream>
#include <span>
#include <string>

namespace terzlab::analyze {

int RunSweepAnalyze(std::span<const std::string> args, std::ostream& out, std::ostream& err);

} // namespace terzlab::analyze
