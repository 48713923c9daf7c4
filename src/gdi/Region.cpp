#include "gdi/Region.h"

namespace gdi {

Region::Region(const Rect& rect) {
    if (!rect.isEmpty()) {
        m_rects.push_back(rect);
        m_bounds = rect;
    }
}
Region Region::fromPolygon(const Point*, int, int) { return {}; }
Region Region::combine(const Region& a, const Region&, RegionOp) { return a; }
bool Region::contains(int32_t x, int32_t y) const {
    for (const Rect& r : m_rects)
        if (r.contains(x, y)) return true;
    return false;
}
void Region::offset(int32_t dx, int32_t dy) {
    for (Rect& r : m_rects) r = {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
    if (!m_rects.empty()) m_bounds = {m_bounds.left + dx, m_bounds.top + dy, m_bounds.right + dx, m_bounds.bottom + dy};
}

} // namespace gdi
