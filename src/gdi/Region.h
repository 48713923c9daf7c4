#pragma once
// Regions: sets of pixels kept as y-x banded rectangles (sorted by top, then left,
// rectangles of one band share top and bottom and never touch).

#include "gdi/Types.h"

#include <algorithm>
#include <span>
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

// The rectangles of a banded list (as a region keeps them) that lie on row y, left to
// right: the band holding the row, or nothing. A binary search, so that clip regions of
// hundreds of bands cost little per row.
inline std::span<const Rect> bandAt(const std::vector<Rect>& rects, int32_t y) {
    if (rects.size() == 1) { // an unclipped bitmap's bounds, as a rule: no search
        const Rect& r = rects.front();
        return r.top <= y && y < r.bottom ? std::span<const Rect>(rects) : std::span<const Rect>();
    }
    // Bands are sorted and apart, so their bottoms rise from band to band.
    const auto first =
        std::partition_point(rects.begin(), rects.end(), [y](const Rect& r) { return r.bottom <= y; });
    if (first == rects.end() || first->top > y) return {};
    const auto last = std::partition_point(first, rects.end(), [y](const Rect& r) { return r.top <= y; });
    return {first, last};
}

// The rectangle of a banded list that holds the pixel, or nullptr.
inline const Rect* rectAt(const std::vector<Rect>& rects, int32_t x, int32_t y) {
    const std::span<const Rect> band = bandAt(rects, y);
    const auto hit = std::upper_bound(band.begin(), band.end(), x,
                                      [](int32_t col, const Rect& r) { return col < r.right; });
    return hit != band.end() && hit->left <= x ? &*hit : nullptr;
}

} // namespace gdi
