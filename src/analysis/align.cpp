#include "analysis/align.h"

#include <cstdlib>

namespace terzlab {

void AlignTime(AlignState& align, std::span<const int16_t> captureBuffer, int32_t blockSize,
               int16_t activeChannel) {
    const int32_t ch = activeChannel == 1 ? 1 : 0;
    if (blockSize <= 0 || captureBuffer.size() < static_cast<size_t>(blockSize) * 2) return;
    auto sample = [&](int32_t i) { return static_cast<int32_t>(captureBuffer[2 * i + ch]); };
    int32_t maxRise = 0;
    int32_t maxFall = 0;
    int32_t iRise = 0;
    int32_t iFall = 0;
    int32_t previous = sample(blockSize - 1); // the block is circular
    for (int32_t i = 0; i < blockSize; ++i) {
        const int32_t x = sample(i);
        const int32_t d = x - previous;
        previous = x;
        if (d > maxRise) {
            maxRise = d;
            iRise = i;
        } else if (d < maxFall) {
            maxFall = d;
            iFall = i;
        }
    }
    const int32_t half = std::abs(iRise - iFall) / 2;
    if (half < 256) {
        align.AlignPosition = static_cast<int16_t>((iRise + iFall) / 2);
    } else if (blockSize / 2 - half < 256) {
        // The two edges belong to one pulse that straddles the end of the block.
        align.AlignPosition = static_cast<int16_t>((iRise + iFall) / 2 + blockSize / 2);
    }
}

} // namespace terzlab
