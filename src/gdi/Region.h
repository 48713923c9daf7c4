#pragma once
// Regions: sets of pixels kept as y-x banded rectangles (sorted by top, then left,
// rectangles of one band share top and bottom and never touch).

#include "gdi/Types.h"

#include <vector>

namespace gdi {

enum class RegionOp { And, Or, Xor, Diff, Copy };

class Region {
public:
    Region() = default;
    explicit Region(const Rect& rect);
    static Region fromPolygon(const Point* points, int count, int fillMode);
    static Region combine(const Region& a, const Region& b, RegionOp op);

    bool isEmpty() const { return m_rects.empty(); }
    bool contains(int32_t x, int32_t y) const;
    Rect bounds() const { return m_bounds; }
    const std::vector<Rect>& rects() const { return m_rects; }
    void offset(int32_t dx, int32_t dy);

private:
    std::vector<Rect> m_rects;
    Rect m_bounds;
    friend class RegionBuilder;
};

} // namespace gdi
