#pragma once
// terzlab-export as a function: converts a saved measurement file into a file for other tools
// (FRD, ZMA, CSV) or into a picture of its graph (PNG, SVG). The executable's main only hands
// its arguments in, so that tests run the whole tool in-process.
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace terzlab::exporter {

inline constexpr int kExitOk = 0;
inline constexpr int kExitError = 2;

inline constexpr std::string_view kUsage =
    "terzlab-export [--resolution 3|6|12] [--scale 1|2] [--comparison FILE] "
    "FILE.oct|FILE.frd|FILE.zma|FILE.csv "
    "OUT.frd|OUT.zma|OUT.csv|OUT.png|OUT.svg";

// Arguments without the program name; errors go to `err` as one line.
int RunExport(std::span<const std::string> args, std::ostream& err);

} // namespace terzlab::exporter
