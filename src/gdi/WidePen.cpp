#include "gdi/WidePen.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace gdi {

namespace {

// Rounds half away from zero, as the band corners of slanted segments are rounded.
int32_t roundAway(double v) {
    return int32_t(v > 0 ? v + 0.5 : v - 0.5);
}

// The pen width times the length of a side, in 32 bits as the platform works it out: for
// ends far apart the product wraps around, and the band's corners go with it.
int32_t widthTimes(int32_t width, int32_t length) {
    const uint32_t magnitude = length < 0 ? 0u - uint32_t(length) : uint32_t(length);
    return int32_t(uint32_t(width) * magnitude);
}

} // namespace

WidePenOutline::WidePenOutline(int32_t penWidth, const Point* points, int count, bool closed,
                               const Rect& window)
    : m_width(std::max(penWidth, 1)), m_top(window.top), m_bottom(window.bottom) {
    if (count < 2) return;
    // Repeated points at either end add nothing but would leave a needless disc.
    while (count > 2 && points[0] == points[1]) {
        ++points;
        --count;
    }
    while (count > 2 && points[count - 1] == points[count - 2])
        --count;

    const int32_t half = m_width / 2;
    const int32_t rest = (m_width + 1) / 2;
    m_disc = ellipticRegionRows(-half, -half, rest + 1, rest + 1);
    // Curves bring thousands of short segments: a disc and a short band for each.
    m_spans.reserve(size_t(count) * 2 * (m_disc.size() + 1));

    const int segments = closed ? count : count - 1;
    for (int i = 0; i < segments; ++i)
        addSegment(points[i], points[(i + 1) % count]);
    // Discs at both ends of an open chain and at every joint. A joint is skipped where
    // the segment leaving it is empty, but the point it shares with the next joint
    // gets its disc there.
    for (int i = 0; i < count; ++i) {
        const bool end = !closed && (i == 0 || i == count - 1);
        const bool firstOrLastJoint = i == 0 || i == segments - 1;
        if (end || firstOrLastJoint || points[i] != points[(i + 1) % count]) addDisc(points[i]);
    }
    normalize();
}

void WidePenOutline::addSegment(Point a, Point b) {
    // Ends 2^31 pixels or more apart on either axis give no band, only their discs: the
    // platform works the band out in 32 bits, where such a length wraps around, and
    // draws nothing between the ends.
    const int64_t dx64 = int64_t(b.x) - a.x;
    const int64_t dy64 = int64_t(b.y) - a.y;
    if (dx64 != int32_t(dx64) || dy64 != int32_t(dy64)) return;
    const int32_t dx = int32_t(dx64);
    const int32_t dy = int32_t(dy64);
    const int32_t half = m_width / 2;
    if (dx == 0 && dy == 0) return;
    if (dy == 0) {
        addRect(std::min(a.x, b.x), a.y - half, std::max(a.x, b.x), a.y - half + m_width);
        return;
    }
    if (dx == 0) {
        addRect(a.x - half, std::min(a.y, b.y), a.x - half + m_width, std::max(a.y, b.y));
        return;
    }
    if (std::abs(dx) == 1 && std::abs(dy) == 1) {
        for (const RowSpan& r : diagonalStep(dx, dy))
            addSpan(int64_t(a.y) + r.y, a.x + r.left, a.x + r.right);
        return;
    }
    const std::array<Point, 4> band = bandCorners(a, b);
    // The platform makes no region of a band whose edges cross 2^28 rows or more, and
    // draws no band then.
    if (PolygonScanner::edgeRows(band.data(), 4) >= (uint64_t(1) << 28)) return;
    addPolygon(band.data(), 4);
}

// Curves are chains of steps to neighbouring pixels: the band of each diagonal step is
// scanned once, with the step starting at (0, 0), and then moved where it is needed.
const std::vector<RowSpan>& WidePenOutline::diagonalStep(int32_t dx, int32_t dy) {
    std::vector<RowSpan>& rows = m_diagonalSteps[(dx > 0 ? 2 : 0) + (dy > 0 ? 1 : 0)];
    if (!rows.empty()) return rows;
    const std::array<Point, 4> band = bandCorners({0, 0}, {dx, dy});
    m_scanner.reset(band.data(), 4, ALTERNATE);
    for (int32_t y = m_scanner.top(); y < m_scanner.bottom(); ++y) {
        m_scanner.row(y, m_rowSpans);
        for (const Span& s : m_rowSpans)
            rows.push_back({y, s.left, s.right});
    }
    return rows;
}

// A slanted band's corners sit half the width either side of its ends, rounded so that
// the two sides together keep the full width.
std::array<Point, 4> WidePenOutline::bandCorners(Point a, Point b) const {
    const int32_t dx = b.x - a.x;
    const int32_t dy = b.y - a.y;
    const double len = std::hypot(double(dx), double(dy));
    const double widthX = double(widthTimes(m_width, dy)) / len;
    const double widthY = double(widthTimes(m_width, dx)) / len;
    Point narrow{roundAway(widthX / 2), roundAway(widthY / 2)};
    Point wide{roundAway((widthX + 1) / 2), roundAway((widthY + 1) / 2)};
    if (dx < 0) {
        wide.y = -wide.y;
        narrow.y = -narrow.y;
    }
    if (dy < 0) {
        std::swap(narrow, wide);
        wide.x = -wide.x;
        narrow.x = -narrow.x;
    }
    return {{
        {a.x - narrow.x, a.y + narrow.y},
        {a.x + wide.x, a.y - wide.y},
        {b.x + wide.x, b.y - wide.y},
        {b.x - narrow.x, b.y + narrow.y},
    }};
}

void WidePenOutline::addSpan(int64_t y, int32_t left, int32_t right) {
    if (y >= m_top && y < m_bottom) m_spans.push_back({int32_t(y), left, right});
}

void WidePenOutline::addRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (left >= right) return;
    for (int32_t y = std::max(top, m_top); y < std::min(bottom, m_bottom); ++y)
        m_spans.push_back({y, left, right});
}

// The band covers what a filled polygon with its corners covers, so that a wide line
// and a polygon along it meet without a seam.
void WidePenOutline::addPolygon(const Point* pts, int count) {
    m_scanner.reset(pts, count, ALTERNATE);
    for (int32_t y = std::max(m_scanner.top(), m_top); y < std::min(m_scanner.bottom(), m_bottom); ++y) {
        m_scanner.row(y, m_rowSpans);
        for (const Span& s : m_rowSpans)
            m_spans.push_back({y, s.left, s.right});
    }
}

void WidePenOutline::addDisc(Point c) {
    for (const RowSpan& r : m_disc)
        if (r.left < r.right) addSpan(int64_t(c.y) + r.y, c.x + r.left, c.x + r.right);
}

// Sorts the pieces row by row and merges what overlaps or touches. The pieces come
// from thousands of small discs and bands, so they are first dealt into their rows.
void WidePenOutline::normalize() {
    if (m_spans.empty()) return;
    int32_t top = m_spans.front().y, bottom = top;
    for (const RowSpan& s : m_spans) {
        top = std::min(top, s.y);
        bottom = std::max(bottom, s.y);
    }
    const size_t rows = size_t(bottom - top) + 1;
    std::vector<uint32_t> start(rows + 1, 0);
    for (const RowSpan& s : m_spans)
        ++start[size_t(s.y - top) + 1];
    for (size_t r = 0; r < rows; ++r)
        start[r + 1] += start[r];
    std::vector<RowSpan> dealt(m_spans.size());
    std::vector<uint32_t> fill(start.begin(), start.end() - 1);
    for (const RowSpan& s : m_spans)
        dealt[fill[size_t(s.y - top)]++] = s;

    m_spans.clear();
    m_firstRow = top;
    m_rowStart.assign(rows + 1, 0);
    for (size_t r = 0; r < rows; ++r) {
        m_rowStart[r] = uint32_t(m_spans.size());
        const auto first = dealt.begin() + start[r];
        const auto last = dealt.begin() + start[r + 1];
        std::sort(first, last, [](const RowSpan& a, const RowSpan& b) { return a.left < b.left; });
        for (auto it = first; it != last; ++it) {
            if (m_spans.size() > m_rowStart[r] && it->left <= m_spans.back().right)
                m_spans.back().right = std::max(m_spans.back().right, it->right);
            else
                m_spans.push_back(*it);
        }
    }
    m_rowStart[rows] = uint32_t(m_spans.size());
}

void WidePenOutline::paint(DeviceContext& dc, const RopMasks& masks) const {
    for (const RowSpan& s : m_spans)
        dc.paintSpan(s.y, s.left, s.right, masks);
}

void WidePenOutline::brushUncovered(DeviceContext& dc, int32_t y, int32_t x1, int32_t x2, const Brush& brush,
                                    int rop2) const {
    const int32_t row = y - m_firstRow;
    if (m_spans.empty() || row < 0 || row + 1 >= int32_t(m_rowStart.size())) {
        dc.brushSpan(y, x1, x2, brush, rop2);
        return;
    }
    for (uint32_t i = m_rowStart[row]; i < m_rowStart[row + 1] && x1 < x2; ++i) {
        const RowSpan& s = m_spans[i];
        if (s.right <= x1) continue;
        if (s.left >= x2) break;
        if (s.left > x1) dc.brushSpan(y, x1, s.left, brush, rop2);
        x1 = s.right;
    }
    if (x1 < x2) dc.brushSpan(y, x1, x2, brush, rop2);
}

void drawWideLines(DeviceContext& dc, const Point* points, int count, bool closed) {
    const PenPtr& pen = dc.pen();
    if (!pen || pen->isNull() || !dc.bitmap()) return;
    const WidePenOutline outline(pen->log().width, points, count, closed, dc.bitmap()->bounds());
    outline.paint(dc, dc.penMasks(pen->color()));
}

} // namespace gdi
