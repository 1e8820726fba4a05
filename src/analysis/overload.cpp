#include "analysis/overload.h"

#include <cmath>
#include <cstdlib>

namespace terzlab {

std::array<int32_t, 2> ChannelPeaks(std::span<const int16_t> captureBuffer, int32_t blockSize) {
    std::array<int32_t, 2> peak{0, 0};
    const size_t frames = std::min(captureBuffer.size() / 2, static_cast<size_t>(blockSize));
    for (size_t i = 0; i < frames; ++i) {
        for (size_t ch = 0; ch < 2; ++ch) {
            const int32_t v = std::abs(static_cast<int32_t>(captureBuffer[2 * i + ch]));
            if (v > peak[ch]) peak[ch] = v;
        }
    }
    return peak;
}

int32_t LevelBarLength(int32_t peak, int32_t scaleWidth) {
    return static_cast<int32_t>(std::nearbyint(peak / 32768.0 * scaleWidth));
}

// Thresholds at 50 %, 20 %, 10 % and 5 % of full scale.
TimeScale TimeViewScale(int32_t peak) {
    if (peak > 16383) return {100, 20};
    if (peak >= 6554) return {50, 10};
    if (peak >= 3277) return {20, 5};
    if (peak >= 1639) return {10, 2};
    return {5, 1};
}

} // namespace terzlab
