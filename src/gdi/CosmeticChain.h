#pragma once
// One-pixel (cosmetic) pens along chains of points, as curves are outlined: each line of
// the chain without its last pixel, a styled pen's pattern running on from line to line
// and starting afresh with every figure.

#include "gdi/DeviceContext.h"

namespace gdi {

// Strokes the lines through the points with the DC's cosmetic pen under its ROP2; closed
// adds the line from the last point back to the first. Styled pens paint their gaps in
// the background colour unless the background mode is transparent.
void strokeCosmeticChain(DeviceContext& dc, const Point* points, int count, bool closed);

} // namespace gdi
