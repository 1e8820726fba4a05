#pragma once
// What the test process holds, for runs that must not grow: heap in use in KiB (resident memory
// would grow by AddressSanitizer's quarantine), open file descriptors, threads.
#include <array>

namespace terzlab::test {

std::array<long, 3> processUse();

} // namespace terzlab::test
