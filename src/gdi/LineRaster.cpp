#include "gdi/LineRaster.h"

#include <algorithm>
#include <cstdlib>

namespace gdi {

namespace {

// Points this far out are brought eight times nearer before a slanted line is stepped, so
// that the error terms stay in range; the pixels drawn for such lines follow the scaled
// points, as they do on the platform.
constexpr int32_t kFar = 0x10000000;

Point nearer(Point p) {
    if (p.x >= kFar || p.x <= -kFar || p.y >= kFar || p.y <= -kFar) return {p.x / 8, p.y / 8};
    return p;
}

// Rounds a / b up, for b > 0.
int64_t ceilDiv(int64_t a, int64_t b) {
    return a >= 0 ? (a + b - 1) / b : -(-a / b);
}

} // namespace

const DashPattern* DashPattern::forStyle(int style) {
    // Dashes of 18 on, 6 off; dots of 3 and 3; the dash-dots of 9, 6, 3, 6 and
    // 9, 3, 3, 3, 3, 3.
    static constexpr DashPattern dash{24, 0x3FFFF};
    static constexpr DashPattern dot{6, 0x7};
    static constexpr DashPattern dashDot{24, 0x1FF | (0x7 << 15)};
    static constexpr DashPattern dashDotDot{24, 0x1FF | (0x7 << 12) | (0x7 << 18)};
    switch (style) {
    case PS_DASH:
        return &dash;
    case PS_DOT:
        return &dot;
    case PS_DASHDOT:
        return &dashDot;
    case PS_DASHDOTDOT:
        return &dashDotDot;
    default:
        return nullptr;
    }
}

// Step i of a line goes i pixels along the major axis and n(i) along the minor one, with
//   n(i) = (2 i minor + major + bias - 1) / (2 major),
// the integer form of the incremental walk in forEach. Because n(i) never decreases, the
// steps inside a rectangle are one run, found here by solving for its ends instead of
// walking up to it: a line from far outside costs no more than one that starts inside.
LineSteps lineSteps(Point from, Point to, const Rect& bounds) {
    LineSteps s;
    if (from.x != to.x && from.y != to.y) {
        from = nearer(from);
        to = nearer(to);
    }
    const int64_t dx = int64_t(to.x) - from.x;
    const int64_t dy = int64_t(to.y) - from.y;
    const int64_t adx = std::abs(dx);
    const int64_t ady = std::abs(dy);
    s.xMajor = adx > ady;
    const int64_t major = std::max(adx, ady);
    const int64_t minor = std::min(adx, ady);
    s.length = uint32_t(major);
    if (major == 0 || bounds.isEmpty()) return s;

    s.stepX = dx < 0 ? -1 : 1;
    s.stepY = dy < 0 ? -1 : 1;
    // On a tie the minor axis steps late when it runs forwards and early when it runs
    // backwards, so that a line and its reverse cover the same pixels.
    s.bias = s.xMajor ? (dy < 0) : (dx < 0);

    const int64_t a0 = s.xMajor ? from.x : from.y;
    const int64_t b0 = s.xMajor ? from.y : from.x;
    const int sa = s.xMajor ? s.stepX : s.stepY;
    const int sb = s.xMajor ? s.stepY : s.stepX;
    const int64_t aLo = s.xMajor ? bounds.left : bounds.top;
    const int64_t aHi = (s.xMajor ? bounds.right : bounds.bottom) - 1;
    const int64_t bLo = s.xMajor ? bounds.top : bounds.left;
    const int64_t bHi = (s.xMajor ? bounds.bottom : bounds.right) - 1;

    int64_t first = 0;
    int64_t last = major - 1;
    if (sa > 0) {
        first = std::max(first, aLo - a0);
        last = std::min(last, aHi - a0);
    } else {
        first = std::max(first, a0 - aHi);
        last = std::min(last, a0 - aLo);
    }
    // The minor offsets inside, counted in the line's own direction.
    const int64_t kLo = sb > 0 ? bLo - b0 : b0 - bHi;
    const int64_t kHi = sb > 0 ? bHi - b0 : b0 - bLo;
    if (kHi < 0 || kLo > minor) return s;
    const int64_t twoMajor = 2 * major;
    const int64_t twoMinor = 2 * minor;
    // n(i) >= k  <=>  i >= ((2k - 1) major - bias + 1) / (2 minor), rounded up.
    if (kLo > 0) first = std::max(first, ceilDiv((2 * kLo - 1) * major - s.bias + 1, twoMinor));
    if (kHi < minor) last = std::min(last, ceilDiv((2 * kHi + 1) * major - s.bias + 1, twoMinor) - 1);
    if (first > last) return s;

    const int64_t n = (first * twoMinor + major + s.bias - 1) / twoMajor;
    s.first = first;
    s.count = last - first + 1;
    const int64_t a = a0 + sa * first;
    const int64_t b = b0 + sb * n;
    s.x = int32_t(s.xMajor ? a : b);
    s.y = int32_t(s.xMajor ? b : a);
    s.error = twoMinor - major + first * twoMinor - n * twoMajor;
    s.errorFlat = twoMinor;
    s.errorSlant = twoMinor - twoMajor;
    return s;
}

uint32_t CosmeticLinePainter::firstDashPosition(const LineSteps& steps) const {
    return uint32_t((m_dashPosition + uint64_t(steps.first)) % m_dash->length());
}

// A gap left alone is painted with masks that keep the pixel: no branch to mispredict at
// every turn of the pattern.
inline const RopMasks& CosmeticLinePainter::nextDashStep(uint32_t& position) const {
    const RopMasks& masks = m_dashMasks[m_dash->isOn(position)];
    if (++position == m_dash->length()) position = 0;
    return masks;
}

inline void CosmeticLinePainter::plot(int32_t x, int32_t y, const RopMasks& masks) {
    if (!m_bounds.contains(x, y)) return;
    if (!m_direct) {
        m_dc.paintPixel(x, y, masks);
    } else if (m_bitmap->isIndexed()) {
        uint8_t& p = m_bitmap->indexRow(y)[x];
        p = uint8_t(masks.apply(p));
    } else {
        uint32_t& p = m_bitmap->rgbRow(y)[x];
        p = masks.apply(p);
    }
}

CosmeticLinePainter::CosmeticLinePainter(DeviceContext& dc) : m_dc(dc), m_bitmap(dc.bitmap().get()) {
    const Pen& pen = *dc.pen();
    m_on = dc.penMasks(pen.color());
    m_dash = DashPattern::forStyle(pen.style());
    if (m_dash) {
        const RopMasks keep{0xFFFFFFFFu, 0};
        m_dashMasks[0] = dc.bkMode() == TRANSPARENT ? keep : dc.penMasks(dc.bkColor());
        m_dashMasks[1] = m_on;
    }
    const std::vector<Rect>& rects = dc.clipRects();
    if (!m_bitmap || rects.empty()) return;
    m_bounds = rects.front();
    for (const Rect& r : rects) {
        m_bounds.left = std::min(m_bounds.left, r.left);
        m_bounds.top = std::min(m_bounds.top, r.top);
        m_bounds.right = std::max(m_bounds.right, r.right);
        m_bounds.bottom = std::max(m_bounds.bottom, r.bottom);
    }
    m_direct = rects.size() == 1;
}

void CosmeticLinePainter::draw(Point from, Point to) {
    // Curves are chains of neighbouring points: a step of one pixel needs no walk set up.
    if (uint32_t(to.x) - uint32_t(from.x) + 1u <= 2u && uint32_t(to.y) - uint32_t(from.y) + 1u <= 2u) {
        if (from != to) drawStep(from.x, from.y);
        return;
    }
    const LineSteps steps = lineSteps(from, to, m_bounds);
    if (steps.count > 0) {
        if (!m_direct)
            drawClipped(steps);
        else if (m_bitmap->isIndexed())
            drawDirect(steps, m_bitmap->indexRow(0), m_bitmap->width());
        else
            drawDirect(steps, m_bitmap->rgbRow(0), m_bitmap->width());
    }
    if (m_dash) m_dashPosition = uint32_t((uint64_t(m_dashPosition) + steps.length) % m_dash->length());
}

void CosmeticLinePainter::drawChain(const Point* points, int count, bool closed) {
    for (int i = 0; i + 1 < count; ++i)
        draw(points[i], points[i + 1]);
    if (closed && count > 1) draw(points[count - 1], points[0]);
}

void CosmeticLinePainter::plotMirrored(const std::vector<Point>& points, const Rect& box) {
    const int32_t mirrorX = box.left + box.right - 1;
    const int32_t mirrorY = box.top + box.bottom - 1;
    if (!m_direct || !m_bitmap->isIndexed() || m_bounds.intersected(box) != box) {
        for (const Point& p : points) {
            plot(p.x, p.y, m_on);
            plot(mirrorX - p.x, p.y, m_on);
            plot(p.x, mirrorY - p.y, m_on);
            plot(mirrorX - p.x, mirrorY - p.y, m_on);
        }
        return;
    }
    // The whole figure is inside: no pixel needs a test of its own. The masks are copied
    // because the byte stores could alias the painter's members.
    const RopMasks masks = m_on;
    auto put = [&masks](uint8_t* row, int32_t x) { row[x] = uint8_t(masks.apply(row[x])); };
    for (const Point& p : points) {
        uint8_t* upper = m_bitmap->indexRow(p.y);
        uint8_t* lower = m_bitmap->indexRow(mirrorY - p.y);
        put(upper, p.x);
        put(upper, mirrorX - p.x);
        put(lower, p.x);
        put(lower, mirrorX - p.x);
    }
}

void CosmeticLinePainter::drawStep(int32_t x, int32_t y) {
    if (!m_dash)
        plot(x, y, m_on);
    else
        plot(x, y, nextDashStep(m_dashPosition));
}

template <class Pixel>
void CosmeticLinePainter::drawDirect(const LineSteps& steps, Pixel* bits, int32_t stride) {
    auto at = [bits, stride](int32_t x, int32_t y) -> Pixel& { return bits[size_t(y) * size_t(stride) + x]; };
    if (!m_dash) {
        if (m_on.andMask == 0) {
            const Pixel value = Pixel(m_on.xorMask);
            steps.forEach([&](int32_t x, int32_t y) { at(x, y) = value; });
        } else {
            const RopMasks masks = m_on;
            steps.forEach([&](int32_t x, int32_t y) {
                Pixel& p = at(x, y);
                p = Pixel(masks.apply(p));
            });
        }
        return;
    }
    uint32_t position = firstDashPosition(steps);
    steps.forEach([&](int32_t x, int32_t y) {
        Pixel& p = at(x, y);
        p = Pixel(nextDashStep(position).apply(p));
    });
}

void CosmeticLinePainter::drawClipped(const LineSteps& steps) {
    if (!m_dash) {
        steps.forEach([&](int32_t x, int32_t y) { m_dc.paintPixel(x, y, m_on); });
        return;
    }
    uint32_t position = firstDashPosition(steps);
    steps.forEach([&](int32_t x, int32_t y) { m_dc.paintPixel(x, y, nextDashStep(position)); });
}

} // namespace gdi
