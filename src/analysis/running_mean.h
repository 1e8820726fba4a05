#pragma once
// The running mean of the band results. Internal to the analysis.
#include "analysis/constants.h"

#include <cstdint>

namespace terzlab::detail {

// new = (old*n + x)/(n + 1); n <= 0 replaces the old contents. A sample without a finite value
// (kNoValue) makes the mean undefined until the next restart of the count.
inline double RunningMean(double old, double x, int16_t n) {
    if (n <= 0) return x;
    if (isNoValue(x) || isNoValue(old)) return kNoValue;
    return (old * n + x) / (n + 1);
}

} // namespace terzlab::detail
