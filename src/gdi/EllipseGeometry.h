#pragma once
// Pixel geometry of ellipses: the outline points of ellipses and arcs, in the order a pen
// walks them, and the rows of an elliptic region. Both are integer midpoint walks over
// one quadrant mirrored into the other three; the region and the outline take slightly
// different boxes, and drawing depends on those differences pixel for pixel.

#include "gdi/Types.h"

#include <vector>

namespace gdi {

// The upper right quarter of the outline below, in its order: from the rightmost point of
// the middle row up to the middle column. The other quarters are its mirror images
// across the box's middle column and middle row. Empty for boxes under three pixels.
std::vector<Point> ellipseQuarter(const Rect& box);

// The closed outline of the ellipse filling the box (right and bottom excluded),
// counter-clockwise from the rightmost point of the middle row. A box narrower or lower
// than three pixels yields no points: such ellipses are drawn as rectangles.
std::vector<Point> ellipseOutline(const Rect& box);

// The open chain of outline points of the ellipse filling the box, counter-clockwise
// from the ray through `start` to the ray through `end`; the rays leave the box centre
// (left + width / 2, top + height / 2) and are given relative to it. Equal rays give
// the whole ellipse. The chain stops one point short of the end ray.
std::vector<Point> arcOutline(const Rect& box, Point start, Point end);

// One row of a region: pixels [left, right) of row y; left >= right for an empty row.
struct RowSpan {
    int32_t y = 0;
    int32_t left = 0;
    int32_t right = 0;
};

// The rows of the elliptic region bounded by left, top, right, bottom. As with the
// platform's elliptic regions, the ellipse is fitted to the box shrunk by one pixel at
// right and bottom, and a box thinner than two pixels gives that shrunk rectangle.
std::vector<RowSpan> ellipticRegionRows(int32_t left, int32_t top, int32_t right, int32_t bottom);

} // namespace gdi
