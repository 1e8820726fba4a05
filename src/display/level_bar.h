#pragma once
// One input's level bar: a horizontal line in the input's colour whose length is the block's
// peak as a share of the bar's width.
#include "display/picture.h"
#include <cstdint>

namespace terzlab {

void DrawLevelBar(Picture& bar, int32_t peak, Colour colour);

} // namespace terzlab
