#pragma once
// Time alignment of the polarity measurement: finds the pulse in a circular block so that the
// time plot shows it at the same place from block to block.
#include <cstdint>
#include <span>

namespace terzlab {

struct AlignState {
    int16_t AlignPosition = 0; // frame of the pulse; may exceed the block length (plot wraps)
};

// Updates AlignPosition from the active channel when the block shows a usable pulse.
void AlignTime(AlignState& align, std::span<const int16_t> captureBuffer, int32_t blockSize,
               int16_t activeChannel);

} // namespace terzlab
