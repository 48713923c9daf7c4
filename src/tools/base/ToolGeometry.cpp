#include "tools/base/ToolGeometry.h"

#include "document/Geometry.h"

#include <cmath>
#include <utility>

TPointF MakePointF(float x, float y) {
    return {x, y};
}

TPointF ToPointF(gdi::Point point) {
    return {float(point.x), float(point.y)};
}

gdi::Point RoundPoint(TPointF point) {
    return {int32_t(std::nearbyint(point.x)), int32_t(std::nearbyint(point.y))};
}

void NormalizeRect(gdi::Rect& rect) {
    if (rect.left > rect.right) std::swap(rect.left, rect.right);
    if (rect.top > rect.bottom) std::swap(rect.top, rect.bottom);
}

gdi::Point ReflectPoint(gdi::Point point, gdi::Point start, gdi::Point end) {
    const double dx = double(end.x) - start.x;
    const double dy = double(end.y) - start.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length == 0) return point;
    const double ux = dx / length, uy = dy / length;
    const double c = ux * ux - uy * uy;
    const double s = 2 * ux * uy;
    const double px = double(point.x) - start.x;
    const double py = double(point.y) - start.y;
    return {start.x + int32_t(std::nearbyint(c * px + s * py)),
            start.y + int32_t(std::nearbyint(s * px - c * py))};
}

gdi::Point RotatedPoint(gdi::Point point, gdi::Point centre, float angle) {
    RotatePoint(point, centre, angle);
    return point;
}
