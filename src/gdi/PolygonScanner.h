#pragma once
// Scan conversion of polygons into rows of pixel spans. A polygon covers, on row y, the
// pixels [x1, x2) between its edge crossings on that row: an edge from its upper point
// (xt, yt) to its lower point (xb, yb) crosses rows yt .. yb - 1, on row yt + k at
// xt + ceil(k * (xb - xt) / (yb - yt)). Horizontal edges cross no row. Crossings pair up
// left to right (alternate) or bound the runs where the winding number is not zero
// (winding). Filled polygons and polygon regions both come from here, so that they cover
// the same pixels.

#include "gdi/Types.h"

#include <cstdint>
#include <vector>

namespace gdi {

struct Span {
    int32_t left = 0;
    int32_t right = 0; // exclusive
    friend bool operator==(const Span&, const Span&) = default;
};

class PolygonScanner {
  public:
    PolygonScanner() = default;
    PolygonScanner(const Point* points, int count, int fillMode);
    PolygonScanner(const PolygonScanner&) = delete;
    PolygonScanner& operator=(const PolygonScanner&) = delete;

    // Starts over with another polygon, keeping the memory of the last: for the many
    // small polygons of a wide pen's outline.
    void reset(const Point* points, int count, int fillMode);

    // The rows the polygon's edges cross, all of them together: what the platform sizes
    // its regions of polygons by, and so where it gives up on them.
    static uint64_t edgeRows(const Point* points, int count);

    // Rows [top(), bottom()) may hold spans; an empty range when no edge crosses a row.
    int32_t top() const { return m_top; }
    int32_t bottom() const { return m_bottom; }

    // The spans of row y, left to right, neither empty nor touching. Rows must be asked
    // for in increasing order; rows may be skipped.
    void row(int32_t y, std::vector<Span>& spans);

  private:
    struct Edge {
        int32_t yTop = 0;
        int32_t yEnd = 0; // first row below the edge
        int32_t xTop = 0;
        int32_t winding = 0; // +1 downwards in point order, -1 upwards
        int64_t dx = 0;
        int64_t dy = 0; // > 0
        // x of the current row is xTop + quotient; the remainder keeps the exact
        // fraction so that stepping a row is an addition.
        int64_t quotient = 0;
        int64_t remainder = 0;
        int64_t stepQuotient = 0;
        int64_t stepRemainder = 0;
        int32_t x() const { return int32_t(xTop + quotient); }
        void moveTo(int32_t y);
        void step();
    };

    void activateEdgesStartingBy(int32_t y);

    int m_fillMode = ALTERNATE;
    int32_t m_top = 0;
    int32_t m_bottom = 0;
    int32_t m_current = INT32_MIN; // row the active edges stand on
    std::vector<Edge> m_edges;     // sorted by yTop
    size_t m_nextEdge = 0;         // first edge not yet active
    std::vector<Edge*> m_active;   // sorted by x on the current row
};

} // namespace gdi
