#include "gdi/CosmeticChain.h"

#include <cstdlib>

namespace gdi {

namespace {

// Dash and gap lengths in pixels of the styled cosmetic pens, dash first.
struct DashPattern {
    int count;
    int lengths[6];
};
constexpr DashPattern kDashPatterns[4] = {
    {2, {18, 6}},            // PS_DASH
    {2, {3, 3}},             // PS_DOT
    {4, {9, 6, 3, 6}},       // PS_DASHDOT
    {6, {9, 3, 3, 3, 3, 3}}, // PS_DASHDOTDOT
};

class DashCursor {
  public:
    explicit DashCursor(const DashPattern& p) : m_pattern(p), m_left(p.lengths[0]) {}
    bool inDash() const { return m_inDash; }
    void advance() {
        if (--m_left > 0) return;
        m_index = (m_index + 1) % m_pattern.count;
        m_left = m_pattern.lengths[m_index];
        m_inDash = !m_inDash;
    }

  private:
    const DashPattern& m_pattern;
    int m_index = 0;
    int m_left;
    bool m_inDash = true;
};

// Paints single pixels. Where one rectangle does all the clipping (the bitmap bounds, as
// a rule) the pixels are written directly: that keeps long outlines cheap.
class PixelPlotter {
  public:
    explicit PixelPlotter(DeviceContext& dc) : m_dc(dc) {
        const std::vector<Rect>& clip = dc.clipRects();
        if (!dc.bitmap()->isIndexed() || clip.size() != 1) return;
        m_bits = dc.bitmap()->indexRow(0);
        m_stride = size_t(dc.bitmap()->width());
        m_clip = clip.front();
    }
    void plot(int32_t x, int32_t y, const RopMasks& m) {
        if (!m_bits) {
            m_dc.paintPixel(x, y, m);
        } else if (uint32_t(x - m_clip.left) < uint32_t(m_clip.width()) &&
                   uint32_t(y - m_clip.top) < uint32_t(m_clip.height())) {
            uint8_t& p = m_bits[size_t(y) * m_stride + size_t(x)];
            p = uint8_t((p & m.andMask) ^ m.xorMask);
        }
    }

  private:
    DeviceContext& m_dc;
    uint8_t* m_bits = nullptr;
    size_t m_stride = 0;
    Rect m_clip;
};

// Visits the pixels of the line from a towards b, b excluded, in drawing order. Lines
// that are neither level nor upright follow Bresenham's walk, with ties on the minor
// axis broken by the octant so that a line and its reverse cover the same pixels.
template <class Visit> __attribute__((noinline)) void walkLine(Point a, Point b, Visit&& visit) {
    const int32_t dx = b.x - a.x;
    const int32_t dy = b.y - a.y;
    const int32_t adx = std::abs(dx);
    const int32_t ady = std::abs(dy);
    if (adx <= 1 && ady <= 1) {
        if (adx || ady) visit(a.x, a.y);
        return;
    }
    const int32_t xStep = dx > 0 ? 1 : -1;
    const int32_t yStep = dy > 0 ? 1 : -1;
    if (dy == 0) {
        for (int32_t x = a.x; x != b.x; x += xStep)
            visit(x, a.y);
        return;
    }
    if (dx == 0) {
        for (int32_t y = a.y; y != b.y; y += yStep)
            visit(a.x, y);
        return;
    }
    // Octants numbered clockwise from the positive x axis (y grows downwards).
    int octant;
    if (dy > 0)
        octant = dx > 0 ? (dx > dy ? 1 : 2) : (-dx > dy ? 4 : 3);
    else
        octant = dx < 0 ? (-dx > -dy ? 5 : 6) : (dx > -dy ? 8 : 7);
    const unsigned bit = 1u << (octant - 1);
    const int32_t bias = (bit & 0xB4) ? 1 : 0; // octants 3, 5, 6 and 8
    const bool xMajor = bit & 0x99;            // octants 1, 4, 5 and 8
    Point p = a;
    if (xMajor) {
        int32_t err = 2 * ady - adx;
        for (int32_t n = adx; n > 0; --n, p.x += xStep) {
            visit(p.x, p.y);
            if (err + bias > 0) {
                p.y += yStep;
                err += 2 * ady - 2 * adx;
            } else {
                err += 2 * ady;
            }
        }
    } else {
        int32_t err = 2 * adx - ady;
        for (int32_t n = ady; n > 0; --n, p.y += yStep) {
            visit(p.x, p.y);
            if (err + bias > 0) {
                p.x += xStep;
                err += 2 * adx - 2 * ady;
            } else {
                err += 2 * adx;
            }
        }
    }
}

// Curves are chains of neighbouring points, so the one pixel of a step is handled
// inline and only longer lines take the general walk.
template <class Visit> void walkChain(const Point* pts, int count, bool closed, Visit&& visit) {
    auto step = [&](Point a, Point b) {
        const uint32_t dx = uint32_t(b.x - a.x + 1);
        const uint32_t dy = uint32_t(b.y - a.y + 1);
        if (dx <= 2 && dy <= 2) {
            if (dx != 1 || dy != 1) visit(a.x, a.y);
        } else {
            walkLine(a, b, visit);
        }
    };
    for (int i = 0; i + 1 < count; ++i)
        step(pts[i], pts[i + 1]);
    if (closed) step(pts[count - 1], pts[0]);
}

} // namespace

void strokeCosmeticChain(DeviceContext& dc, const Point* pts, int count, bool closed) {
    const PenPtr& pen = dc.pen();
    if (!pen || pen->isNull() || !dc.bitmap() || count < 2) return;
    PixelPlotter plotter(dc);
    const RopMasks ink = dc.penMasks(pen->color());
    const int style = pen->style();
    if (style < PS_DASH || style > PS_DASHDOTDOT) {
        walkChain(pts, count, closed, [&](int32_t x, int32_t y) { plotter.plot(x, y, ink); });
        return;
    }
    const bool paintGaps = dc.bkMode() != TRANSPARENT;
    const RopMasks gap = dc.penMasks(dc.bkColor());
    DashCursor dash(kDashPatterns[style - PS_DASH]);
    walkChain(pts, count, closed, [&](int32_t x, int32_t y) {
        if (dash.inDash())
            plotter.plot(x, y, ink);
        else if (paintGaps)
            plotter.plot(x, y, gap);
        dash.advance();
    });
}

} // namespace gdi
