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
    return TReflection(start, end)(point);
}

TReflection::TReflection(gdi::Point start, gdi::Point end) : m_start(start) {
    const double dx = double(end.x) - start.x;
    const double dy = double(end.y) - start.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length == 0) return;
    const double ux = dx / length, uy = dy / length;
    m_still = false;
    m_c = ux * ux - uy * uy;
    m_s = 2 * ux * uy;
}

gdi::Point TReflection::operator()(gdi::Point point) const {
    if (m_still) return point;
    const double px = double(point.x) - m_start.x;
    const double py = double(point.y) - m_start.y;
    return {m_start.x + int32_t(std::nearbyint(m_c * px + m_s * py)),
            m_start.y + int32_t(std::nearbyint(m_s * px - m_c * py))};
}

gdi::Point RotatedPoint(gdi::Point point, gdi::Point centre, float angle) {
    RotatePoint(point, centre, angle);
    return point;
}
