#include "display/level_bar.h"
#include "analysis/overload.h"
#include "display/mapping.h"

namespace terzlab {

void DrawLevelBar(Picture& bar, int32_t peak, Colour colour) {
    bar.Cls();
    bar.SetForeColor(colour);
    bar.MoveToEx(0, 2);
    bar.LineTo(LevelBarLength(peak, ToPixel(bar.ScaleWidth())), 2);
}

} // namespace terzlab
