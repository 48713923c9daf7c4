#include "gdi/PolygonScanner.h"

#include <algorithm>
#include <cstdlib>

namespace gdi {

namespace {

// Division rounding down, for b > 0; the narrower one is much the quicker.
int64_t floorDiv(__int128 a, int64_t b) {
    __int128 q = a / b;
    if (a % b != 0 && a < 0) --q;
    return int64_t(q);
}
int64_t floorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    if (a % b != 0 && a < 0) --q;
    return q;
}

} // namespace

void PolygonScanner::Edge::moveTo(int32_t y) {
    // ceil(k * dx / dy) as the floor of (k * dx + dy - 1) / dy, kept as quotient and
    // remainder. The product needs more than 64 bits for edges across the whole range,
    // and the wider division is slow enough to be worth avoiding for the usual short one.
    const int64_t k = int64_t(y) - yTop;
    if (k == 0) { // the usual start, and no division
        quotient = 0;
        remainder = dy - 1;
        return;
    }
    if (k < (int64_t(1) << 30) && dx < (int64_t(1) << 31) && dx > -(int64_t(1) << 31)) {
        const int64_t v = dx * k + dy - 1;
        quotient = floorDiv(v, dy);
        remainder = v - quotient * dy;
        return;
    }
    const __int128 v = __int128(dx) * k + dy - 1;
    quotient = floorDiv(v, dy);
    remainder = int64_t(v - __int128(quotient) * dy);
}

void PolygonScanner::Edge::step() {
    quotient += stepQuotient;
    remainder += stepRemainder;
    if (remainder >= dy) {
        remainder -= dy;
        ++quotient;
    }
}

uint64_t PolygonScanner::edgeRows(const Point* points, int count) {
    uint64_t rows = 0;
    for (int i = 0; i < count; ++i) {
        const Point& from = points[i == 0 ? count - 1 : i - 1];
        rows += uint64_t(std::abs(int64_t(points[i].y) - from.y));
    }
    return rows;
}

PolygonScanner::PolygonScanner(const Point* points, int count, int fillMode) {
    reset(points, count, fillMode);
}

void PolygonScanner::reset(const Point* points, int count, int fillMode) {
    m_fillMode = fillMode;
    m_top = m_bottom = 0;
    m_current = INT32_MIN;
    m_edges.clear();
    m_nextEdge = 0;
    m_active.clear();
    if (count < 2) return;
    m_edges.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        const Point& from = points[i == 0 ? count - 1 : i - 1];
        const Point& to = points[i];
        if (from.y == to.y) continue;
        const bool down = from.y < to.y;
        const Point& upper = down ? from : to;
        const Point& lower = down ? to : from;
        Edge& e = m_edges.emplace_back();
        e.yTop = upper.y;
        e.yEnd = lower.y;
        e.xTop = upper.x;
        e.dx = int64_t(lower.x) - upper.x;
        e.dy = int64_t(lower.y) - upper.y;
        e.winding = down ? 1 : -1;
        e.stepQuotient = floorDiv(e.dx, e.dy);
        e.stepRemainder = e.dx - e.stepQuotient * e.dy;
    }
    if (m_edges.empty()) return;
    // Edges that start on one row may come in any order: each row sorts its own by x.
    std::sort(m_edges.begin(), m_edges.end(), [](const Edge& a, const Edge& b) { return a.yTop < b.yTop; });
    m_top = m_edges.front().yTop;
    m_bottom = m_top;
    for (const Edge& e : m_edges)
        m_bottom = std::max(m_bottom, e.yEnd);
    m_active.reserve(m_edges.size());
}

void PolygonScanner::activateEdgesStartingBy(int32_t y) {
    for (; m_nextEdge < m_edges.size() && m_edges[m_nextEdge].yTop <= y; ++m_nextEdge) {
        Edge& e = m_edges[m_nextEdge];
        if (e.yEnd <= y) continue; // skipped over entirely
        e.moveTo(y);
        m_active.push_back(&e);
    }
}

void PolygonScanner::row(int32_t y, std::vector<Span>& spans) {
    spans.clear();
    if (y < m_top || y >= m_bottom || y <= m_current) return;

    const bool nextRow = m_current != INT32_MIN && y == m_current + 1;
    std::erase_if(m_active, [y](const Edge* e) { return e->yEnd <= y; });
    for (Edge* e : m_active) {
        if (nextRow)
            e->step();
        else
            e->moveTo(y);
    }
    m_current = y;
    activateEdgesStartingBy(y);

    // The order changes only where edges cross, so an insertion sort is nearly linear.
    for (size_t i = 1; i < m_active.size(); ++i) {
        Edge* e = m_active[i];
        const int32_t x = e->x();
        size_t j = i;
        for (; j > 0 && m_active[j - 1]->x() > x; --j)
            m_active[j] = m_active[j - 1];
        m_active[j] = e;
    }

    auto emit = [&spans](int32_t left, int32_t right) {
        if (left >= right) return;
        if (!spans.empty() && spans.back().right >= left)
            spans.back().right = std::max(spans.back().right, right);
        else
            spans.push_back({left, right});
    };
    if (m_fillMode == WINDING) {
        int winding = 0;
        int32_t start = 0;
        for (const Edge* e : m_active) {
            const bool wasInside = winding != 0;
            winding += e->winding;
            if (!wasInside && winding != 0) start = e->x();
            if (wasInside && winding == 0) emit(start, e->x());
        }
    } else {
        for (size_t i = 0; i + 1 < m_active.size(); i += 2)
            emit(m_active[i]->x(), m_active[i + 1]->x());
    }
}

} // namespace gdi
