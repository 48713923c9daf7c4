#include "gdi/DeviceContext.h"
#include "gdi/PolygonScanner.h"
#include "gdi/WidePen.h"

#include <optional>

namespace gdi {

void DeviceContext::polygon(const Point* points, int count) {
    if (!points || count < 2 || !m_bitmap) return;
    const bool hasPen = m_pen && !m_pen->isNull();
    // A wide outline and the inside share no pixel, so that each is painted once and
    // raster operations that read the destination see it unpainted. A cosmetic outline
    // is drawn over the filled inside.
    std::optional<WidePenOutline> wideOutline;
    if (hasPen && m_pen->isWide())
        wideOutline.emplace(m_pen->log().width, points, count, true, m_bitmap->bounds());
    // Only rows of the bitmap are scanned: a polygon far larger than the bitmap costs no
    // more than the bitmap.
    if (m_brush && !m_brush->isNull()) {
        PolygonScanner scanner(points, count, m_polyFillMode);
        const int32_t top = std::max(scanner.top(), 0);
        const int32_t bottom = std::min(scanner.bottom(), m_bitmap->height());
        std::vector<Span> spans;
        for (int32_t y = top; y < bottom; ++y) {
            scanner.row(y, spans);
            for (const Span& s : spans) {
                if (wideOutline)
                    wideOutline->brushUncovered(*this, y, s.left, s.right, *m_brush, m_rop2);
                else
                    brushSpan(y, s.left, s.right, *m_brush, m_rop2);
            }
        }
    }
    if (wideOutline)
        wideOutline->paint(*this, penMasks(m_pen->color()));
    else if (hasPen)
        penLines(points, count, true);
}

void DeviceContext::fillRegion(const Region& region, const BrushPtr& brush) {
    if (!brush || brush->isNull() || !m_bitmap) return;
    // Unlike fillRect, a region is painted under the ROP2 of the DC.
    const Rect visible = region.bounds().intersected(m_bitmap->bounds());
    if (visible.isEmpty()) return;
    for (const Rect& r : region.rects()) {
        if (r.bottom <= visible.top) continue;
        if (r.top >= visible.bottom) break;
        const int32_t top = std::max(r.top, visible.top), bottom = std::min(r.bottom, visible.bottom);
        for (int32_t y = top; y < bottom; ++y)
            brushSpan(y, r.left, r.right, *brush, m_rop2);
    }
}

void DeviceContext::frameRegion(const Region& region, const BrushPtr& brush, int32_t width, int32_t height) {
    if (region.isEmpty()) return;
    // The frame is what the region loses when it is eroded: the part of it that is not
    // covered by all four copies shifted by the frame's width and height.
    Region inner = region;
    inner.offset(-width, 0);
    auto intersectShifted = [&](int32_t dx, int32_t dy) {
        Region shifted = region;
        shifted.offset(dx, dy);
        inner = Region::combine(inner, shifted, RegionOp::And);
    };
    intersectShifted(width, 0);
    intersectShifted(0, -height);
    intersectShifted(0, height);
    fillRegion(Region::combine(region, inner, RegionOp::Diff), brush);
}

} // namespace gdi
