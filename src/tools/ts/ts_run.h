#pragma once
// terzlab-ts: fits the driver model to an impedance measurement file and prints the
// Thiele-Small parameters, one name=value line each.
#include <ostream>
#include <span>
#include <string>

namespace terzlab::ts {

inline constexpr int kExitOk = 0;
inline constexpr int kExitError = 2;

// Prints nothing on `out` unless every asked-for value could be computed.
int RunTs(std::span<const std::string> args, std::ostream& out, std::ostream& err);

} // namespace terzlab::ts
