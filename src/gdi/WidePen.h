#pragma once
// Lines of pens two pixels wide and more: drawn solid, with round ends and joins.

#include "gdi/DeviceContext.h"

namespace gdi {

// Draws the connected lines through the points with the DC's selected wide pen under
// its ROP2; closed joins the last point back to the first.
void drawWideLines(DeviceContext& dc, const Point* points, int count, bool closed);

} // namespace gdi
