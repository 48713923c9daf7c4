#pragma once
// How far a pen reaches around the figures it outlines; rectangles and curves agree on it.

#include "gdi/Pen.h"

#include <algorithm>
#include <optional>

namespace gdi {

// The width a pen draws with: nothing for a null pen, one pixel for a cosmetic one.
inline int32_t drawingWidth(const Pen& pen) {
    if (pen.isNull()) return 0;
    return std::max(pen.log().width, 1);
}

// The box a figure's outline follows: the corners in order, pulled in for an inside-frame
// pen so that its whole width stays inside them. Nothing for an empty box.
inline std::optional<Rect> penBox(const Rect& corners, const Pen& pen) {
    Rect box = corners.normalized();
    if (box.width() == 0 || box.height() == 0) return std::nullopt;
    if (pen.style() == PS_INSIDEFRAME) {
        const int32_t w = drawingWidth(pen);
        box.left += w / 2;
        box.top += w / 2;
        box.right -= (w - 1) / 2;
        box.bottom -= (w - 1) / 2;
    }
    return box;
}

} // namespace gdi
