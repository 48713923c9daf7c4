#include "gdi/DeviceContext.h"
#include "gdi/LineRaster.h"
#include "gdi/PenGeometry.h"
#include "gdi/WidePen.h"

namespace gdi {

void DeviceContext::lineTo(int32_t x, int32_t y) {
    const Point points[2] = {m_position, {x, y}};
    penLines(points, 2, false);
    m_position = {x, y};
}

void DeviceContext::polyline(const Point* points, int count) {
    penLines(points, count, false);
}

void DeviceContext::penLines(const Point* points, int count, bool closed) {
    if (!m_bitmap || !m_pen || m_pen->isNull() || !points || count < 2) return;
    if (m_pen->isWide()) {
        drawWideLines(*this, points, count, closed);
        return;
    }
    CosmeticLinePainter(*this).drawChain(points, count, closed);
}

void DeviceContext::rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (!m_bitmap || !m_pen) return;
    const std::optional<Rect> box = penBox({left, top, right, bottom}, *m_pen);
    if (!box) return;
    const int32_t width = drawingWidth(*m_pen);
    // The outline runs through the last column and row of the box, counter-clockwise from
    // the top right corner, so that the dash pattern starts there.
    const int32_t lastX = box->right - 1;
    const int32_t lastY = box->bottom - 1;
    const Point corners[4] = {{lastX, box->top}, {box->left, box->top}, {box->left, lastY}, {lastX, lastY}};
    penLines(corners, 4, true);

    // The inside begins where the outline ends. For a wide pen that is where its bands
    // along the sides end; the round joins lie within the bands' corners and take nothing
    // more from the inside.
    if (!m_brush || m_brush->isNull()) return;
    const Rect inside =
        Rect{box->left + (width + 1) / 2, box->top + (width + 1) / 2, lastX - width / 2, lastY - width / 2}
            .intersected(m_bitmap->bounds());
    for (int32_t y = inside.top; y < inside.bottom; ++y)
        brushSpan(y, inside.left, inside.right, *m_brush, m_rop2);
}

} // namespace gdi
