#pragma once
// Lines of pens two pixels wide and more: drawn solid, with round ends and joins.

#include "gdi/DeviceContext.h"
#include "gdi/EllipseGeometry.h"
#include "gdi/PolygonScanner.h"

#include <array>
#include <vector>

namespace gdi {

// Draws the connected lines through the points with the DC's selected wide pen under
// its ROP2; closed joins the last point back to the first.
void drawWideLines(DeviceContext& dc, const Point* points, int count, bool closed);

// The pixels a wide pen covers along connected lines, as one set: every segment's band,
// a disc of the pen's width at every point (round ends and joins alike). Painting the
// set touches each pixel once, so XOR-like raster operations do not cancel where the
// pieces overlap, and a figure's interior can be filled around it.
class WidePenOutline {
  public:
    // Only the rows of the window are kept (the bitmap's, as a rule): a line from far
    // outside costs no more than its part inside.
    WidePenOutline(int32_t penWidth, const Point* points, int count, bool closed, const Rect& window);

    bool isEmpty() const { return m_spans.empty(); }
    // Disjoint spans sorted by row, then by left edge.
    const std::vector<RowSpan>& spans() const { return m_spans; }

    void paint(DeviceContext& dc, const RopMasks& masks) const;
    // Fills the pixels [x1, x2) of row y that the outline leaves free with the brush.
    void brushUncovered(DeviceContext& dc, int32_t y, int32_t x1, int32_t x2, const Brush& brush,
                        int rop2) const;

  private:
    std::array<Point, 4> bandCorners(Point a, Point b) const;
    const std::vector<RowSpan>& diagonalStep(int32_t dx, int32_t dy);
    void addSegment(Point a, Point b);
    void addSpan(int64_t y, int32_t left, int32_t right);
    void addRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
    void addPolygon(const Point* points, int count);
    void addDisc(Point centre);
    void normalize();

    int32_t m_width;
    int32_t m_top;                           // first row kept
    int32_t m_bottom;                        // first row below those kept
    std::vector<RowSpan> m_diagonalSteps[4]; // bands of the steps to diagonal neighbours
    PolygonScanner m_scanner;                // scratch of the band scans
    std::vector<Span> m_rowSpans;            // scratch of the band scans
    std::vector<RowSpan> m_disc;             // the round end, centred on (0, 0)
    std::vector<RowSpan> m_spans;
    int32_t m_firstRow = 0;
    std::vector<uint32_t> m_rowStart; // index of each row's first span, one past the last row
};

} // namespace gdi
