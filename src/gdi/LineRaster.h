#pragma once
// The one-pixel lines of cosmetic pens: which pixels a line covers, the dash patterns of
// the styled pens, and the painter that puts chains of connected lines into a DC. Every
// cosmetic outline goes through here: lines, polylines, rectangles, polygons, and the
// point chains of ellipses and arcs.
//
// A line is stepped along its major axis from the start point; the end point is never
// painted, so that connected lines meet without painting their joint twice. Clipping only
// chooses which of those steps are painted: a line that leaves the bitmap covers the same
// pixels inside it as if the bitmap were endless.

#include "gdi/DeviceContext.h"

#include <cstdint>
#include <vector>

namespace gdi {

// The on and off runs of a styled cosmetic pen, counted in steps along the major axis.
class DashPattern {
  public:
    // The pattern of a pen style, or nullptr for the styles drawn solid.
    static const DashPattern* forStyle(int style);

    uint32_t length() const { return m_length; }
    bool isOn(uint32_t position) const { return (m_onBits >> position) & 1u; }

  private:
    constexpr DashPattern(uint32_t length, uint32_t onBits) : m_length(length), m_onBits(onBits) {}

    uint32_t m_length; // at most 32 steps
    uint32_t m_onBits; // bit i set where step i of the pattern is painted
};

// The steps of a line from one point towards another that fall inside a rectangle.
struct LineSteps {
    uint32_t length = 0; // steps of the whole line: the larger of |dx| and |dy|
    int64_t first = 0;   // index of the first step inside the rectangle
    int64_t count = 0;   // number of consecutive steps inside it (0: none)
    // The pixel of the first step inside, and how the walk goes on from it.
    int32_t x = 0;
    int32_t y = 0;
    int32_t stepX = 1;
    int32_t stepY = 1;
    bool xMajor = true;
    int64_t error = 0;      // decides, with the bias, when the minor axis steps
    int64_t errorFlat = 0;  // added when only the major axis steps
    int64_t errorSlant = 0; // added when both axes step
    int bias = 0;

    // Calls plot(x, y) for every step inside, in order.
    template <class Plot> void forEach(Plot&& plot) const;
};

// The steps of the line from `from` to `to` (excluded) inside `bounds`.
LineSteps lineSteps(Point from, Point to, const Rect& bounds);

template <class Plot> void LineSteps::forEach(Plot&& plot) const {
    // The walk is kept in locals: the pixel stores could alias the members and force
    // them to be read again at every step.
    int32_t px = x;
    int32_t py = y;
    int64_t err = error;
    const int64_t steps = count;
    const int64_t flat = errorFlat;
    const int64_t slant = errorSlant;
    const int64_t threshold = -bias; // the minor axis steps once err exceeds it
    const int32_t sx = stepX;
    const int32_t sy = stepY;
    if (xMajor) {
        for (int64_t i = 0; i < steps; ++i) {
            plot(px, py);
            if (err > threshold) {
                py += sy;
                err += slant;
            } else {
                err += flat;
            }
            px += sx;
        }
    } else {
        for (int64_t i = 0; i < steps; ++i) {
            plot(px, py);
            if (err > threshold) {
                px += sx;
                err += slant;
            } else {
                err += flat;
            }
            py += sy;
        }
    }
}

// Paints connected one-pixel lines with the DC's cosmetic pen under its ROP2. The dash
// pattern starts with the painter, at the first line drawn, and runs on from line to line;
// the gaps are painted in the background colour when the background mode is opaque.
class CosmeticLinePainter {
  public:
    explicit CosmeticLinePainter(DeviceContext& dc);

    void draw(Point from, Point to);
    // The lines through the points; closed adds the line from the last back to the first.
    void drawChain(const Point* points, int count, bool closed);
    // The points of one quarter of a figure symmetric in the box, and their mirror images
    // across the box's middle column and row, in the pen's colour and without its dash
    // pattern: for outlines known as a set of points, where painting order and pixels
    // painted twice do not matter.
    void plotMirrored(const std::vector<Point>& points, const Rect& box);

  private:
    template <class Pixel> void drawDirect(const LineSteps& steps, Pixel* bits, int32_t stride);
    void drawClipped(const LineSteps& steps);
    void drawStep(int32_t x, int32_t y);
    // Where the dash pattern stands at the first step of a line inside the bounds.
    uint32_t firstDashPosition(const LineSteps& steps) const;
    // The masks of the dash pattern's step at position, and on to the next step.
    const RopMasks& nextDashStep(uint32_t& position) const;
    void plot(int32_t x, int32_t y, const RopMasks& masks);

    DeviceContext& m_dc;
    Bitmap* m_bitmap = nullptr;
    Rect m_bounds;         // where drawing may land: the bitmap, narrowed by the clip
    bool m_direct = false; // one clip rectangle: pixels are written without a clip search
    RopMasks m_on;
    const DashPattern* m_dash = nullptr;
    RopMasks m_dashMasks[2]; // of the gaps and of the dashes
    uint32_t m_dashPosition = 0;
};

} // namespace gdi
