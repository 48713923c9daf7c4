#pragma once
// A segment between two sketch points: what the line tools build and the tools that
// measure along a line keep.

#include "document/Geometry.h"
#include "gdi/DeviceContext.h"

#include <cstdint>

class TLineObj {
  public:
    // Draws the segment shifted by (dx, dy) with the caller's pen, which stays the
    // caller's; the DC's pen and raster mode are put back afterwards.
    void Draw(gdi::DeviceContext& dc, const gdi::PenPtr& pen, int rop2, int32_t dx, int32_t dy) const;
    // An X marker at each end, shifted by (dx, dy).
    void DrawEndMarks(gdi::DeviceContext& dc, gdi::COLORREF color, int32_t dx, int32_t dy) const;
    // The direction from P1 to P2: 1, or -1 for a line of no length (cos and sin kept).
    int32_t GetDirection(float& cos, float& sin) const;
    void Offset(int32_t dx, int32_t dy);

    gdi::Point P1 = NullPoint;
    gdi::Point P2 = NullPoint;
};
