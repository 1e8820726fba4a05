#pragma once
// The per-block level check: peak of each channel, the overload threshold, the length of the
// level bar and the vertical scale of the time view.
#include <array>
#include <cstdint>
#include <span>

namespace terzlab {

inline constexpr int32_t kOverloadThreshold = 32000; // 97.7 % of full scale

// Largest absolute sample of each channel over blockSize interleaved stereo frames.
std::array<int32_t, 2> ChannelPeaks(std::span<const int16_t> captureBuffer, int32_t blockSize);

inline bool IsOverload(int32_t peak) {
    return peak > kOverloadThreshold;
}

// Length in pixels of the level bar: peak/32768 of the bar's width, rounded halves to even.
int32_t LevelBarLength(int32_t peak, int32_t scaleWidth);

// RangeTop (percent of full scale) and RangeStep of the time view for a peak.
struct TimeScale {
    int16_t RangeTop;
    int16_t RangeStep;
};
TimeScale TimeViewScale(int32_t peak);

} // namespace terzlab
