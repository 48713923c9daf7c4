#include "gdi/Region.h"

#include "gdi/PolygonScanner.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace gdi {

// Collects bands from top to bottom and keeps the region canonical: a band that continues
// the one above it with the same spans lengthens it instead of starting a new one.
class RegionBuilder {
  public:
    // spans: left to right, neither empty nor touching.
    void addBand(int32_t top, int32_t bottom, const std::vector<Span>& spans) {
        if (spans.empty() || top >= bottom) return;
        std::vector<Rect>& rects = m_region.m_rects;
        if (continuesLastBand(top, spans)) {
            for (size_t i = m_lastBand; i < rects.size(); ++i)
                rects[i].bottom = bottom;
            return;
        }
        m_lastBand = rects.size();
        for (const Span& s : spans)
            rects.push_back({s.left, top, s.right, bottom});
    }

    Region finish() {
        std::vector<Rect>& rects = m_region.m_rects;
        if (!rects.empty()) {
            Rect b{INT32_MAX, rects.front().top, INT32_MIN, rects.back().bottom};
            for (const Rect& r : rects) {
                b.left = std::min(b.left, r.left);
                b.right = std::max(b.right, r.right);
            }
            m_region.m_bounds = b;
        }
        return std::move(m_region);
    }

  private:
    bool continuesLastBand(int32_t top, const std::vector<Span>& spans) const {
        const std::vector<Rect>& rects = m_region.m_rects;
        if (rects.empty() || rects.back().bottom != top || rects.size() - m_lastBand != spans.size())
            return false;
        for (size_t i = 0; i < spans.size(); ++i) {
            const Rect& r = rects[m_lastBand + i];
            if (r.left != spans[i].left || r.right != spans[i].right) return false;
        }
        return true;
    }

    Region m_region;
    size_t m_lastBand = 0;
};

namespace {

// End of the band that starts at rects[start].
size_t bandEnd(const std::vector<Rect>& rects, size_t start) {
    size_t end = start + 1;
    while (end < rects.size() && rects[end].top == rects[start].top)
        ++end;
    return end;
}

void bandSpans(const std::vector<Rect>& rects, size_t start, size_t end, std::vector<Span>& spans) {
    spans.clear();
    for (size_t i = start; i < end; ++i)
        spans.push_back({rects[i].left, rects[i].right});
}

bool keeps(RegionOp op, bool inA, bool inB) {
    switch (op) {
    case RegionOp::And:
        return inA && inB;
    case RegionOp::Or:
        return inA || inB;
    case RegionOp::Xor:
        return inA != inB;
    case RegionOp::Diff:
        return inA && !inB;
    case RegionOp::Copy:
        return inA;
    }
    return false;
}

// Combines two rows of spans by walking their edges from left to right.
void combineSpans(const std::vector<Span>& a, const std::vector<Span>& b, RegionOp op,
                  std::vector<Span>& out) {
    out.clear();
    const size_t edgesA = 2 * a.size(), edgesB = 2 * b.size();
    auto edgeAt = [](const std::vector<Span>& s, size_t k) { return k % 2 ? s[k / 2].right : s[k / 2].left; };
    size_t ka = 0, kb = 0;
    bool inA = false, inB = false, in = false;
    int32_t start = 0;
    while (ka < edgesA || kb < edgesB) {
        const int32_t xa = ka < edgesA ? edgeAt(a, ka) : INT32_MAX;
        const int32_t xb = kb < edgesB ? edgeAt(b, kb) : INT32_MAX;
        const int32_t x = std::min(xa, xb);
        for (; ka < edgesA && edgeAt(a, ka) == x; ++ka)
            inA = ka % 2 == 0;
        for (; kb < edgesB && edgeAt(b, kb) == x; ++kb)
            inB = kb % 2 == 0;
        const bool now = keeps(op, inA, inB);
        if (now && !in) start = x;
        if (!now && in) out.push_back({start, x});
        in = now;
    }
}

} // namespace

Region::Region(const Rect& rect) {
    if (!rect.isEmpty()) {
        m_rects.push_back(rect);
        m_bounds = rect;
    }
}

Region Region::fromPolygon(const Point* points, int count, int fillMode) {
    if (!points || count < 2) return {};
    // A polygon whose edges together cross more rows than a 32-bit count holds cannot be
    // made into a region by the reference either; it stays empty rather than exhausting
    // memory.
    if (PolygonScanner::edgeRows(points, count) > UINT32_MAX) return {};

    PolygonScanner scanner(points, count, fillMode);
    RegionBuilder builder;
    std::vector<Span> spans;
    for (int32_t y = scanner.top(); y < scanner.bottom(); ++y) {
        scanner.row(y, spans);
        builder.addBand(y, y + 1, spans);
    }
    return builder.finish();
}

Region Region::combine(const Region& a, const Region& b, RegionOp op) {
    if (op == RegionOp::Copy) return a;
    const std::vector<Rect>& ra = a.m_rects;
    const std::vector<Rect>& rb = b.m_rects;
    RegionBuilder builder;
    std::vector<Span> spansA, spansB, out;
    size_t ia = 0, ib = 0; // first rectangle of the current band of each region
    int32_t y = INT32_MIN;
    while (ia < ra.size() || ib < rb.size()) {
        const bool haveA = ia < ra.size(), haveB = ib < rb.size();
        const int32_t topA = haveA ? ra[ia].top : INT32_MAX, bottomA = haveA ? ra[ia].bottom : INT32_MAX;
        const int32_t topB = haveB ? rb[ib].top : INT32_MAX, bottomB = haveB ? rb[ib].bottom : INT32_MAX;
        y = std::max(y, std::min(topA, topB)); // skip rows where neither region has anything
        const bool onA = haveA && topA <= y, onB = haveB && topB <= y;
        const int32_t next = std::min(onA ? bottomA : topA, onB ? bottomB : topB);
        const size_t endA = onA ? bandEnd(ra, ia) : ia;
        const size_t endB = onB ? bandEnd(rb, ib) : ib;
        bandSpans(ra, ia, endA, spansA);
        bandSpans(rb, ib, endB, spansB);
        combineSpans(spansA, spansB, op, out);
        builder.addBand(y, next, out);
        y = next;
        if (onA && y >= bottomA) ia = endA;
        if (onB && y >= bottomB) ib = endB;
    }
    return builder.finish();
}

bool Region::contains(int32_t x, int32_t y) const {
    return m_bounds.contains(x, y) && rectAt(m_rects, x, y);
}

void Region::offset(int32_t dx, int32_t dy) {
    for (Rect& r : m_rects)
        r = {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
    if (!m_rects.empty())
        m_bounds = {m_bounds.left + dx, m_bounds.top + dy, m_bounds.right + dx, m_bounds.bottom + dy};
}

} // namespace gdi
