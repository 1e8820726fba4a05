#pragma once
// terzlab-make-stimuli --sweep OUT.wav [--rate HZ] [--from HZ] [--to HZ] [--samples N]
// [--level DBFS]: the swept-sine stimulus, 16-bit stereo with equal channels, the sweep from
// sample 0 and the silence after it included.
#include <string>
#include <vector>

namespace terzlab::stimuli {

inline constexpr const char* kSweepUsage =
    "terzlab-make-stimuli --sweep OUT.wav [--rate HZ] [--from HZ] [--to HZ] [--samples N] "
    "[--level DBFS]";

// The arguments without the program name; 0 when written, 2 after one line on stderr.
int RunSweepCommand(const std::vector<std::string>& args);

} // namespace terzlab::stimuli
