#pragma once
// Stretched copies: every destination pixel takes one source pixel when enlarging; when
// shrinking, the source pixels that fall on one destination pixel are combined by the
// stretch mode on pixel values (BLACKONWHITE ANDs them, WHITEONBLACK ORs them,
// COLORONCOLOR keeps one). Rows and columns are paired by the Bresenham walks of
// BlitGeometry.h; negative extents mirror.

#include "gdi/Bitmap.h"
#include "gdi/BlitGeometry.h"

namespace gdi {

class SourceRows;

struct StretchPlan {
    AxisStretch h;
    AxisStretch v;
};

// Plans the copy of src onto dst; narrows dst.visible to the pixels it will write.
// Returns false when no pixel is written.
bool planStretch(BlitCoords& dst, const BlitCoords& src, StretchPlan& plan);

// Carries the plan out, reading source rows in the target's kind and writing destination
// pixel (x, y) to target pixel (x - originX, y - originY). `visible` is dst.visible.
void runStretch(const StretchPlan& plan, SourceRows& rows, Bitmap& target, int32_t originX, int32_t originY,
                const Rect& visible, int stretchMode);

} // namespace gdi
