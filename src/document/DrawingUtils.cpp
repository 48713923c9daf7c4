#include "document/DrawingUtils.h"

#include "document/Geometry.h"
#include "document/SavedDrawState.h"

#include <array>

void DrawCrossHair(gdi::DeviceContext& dc, const gdi::Rect& bounds, gdi::Point point) {
    TSavedDrawState saved(dc);
    dc.selectPen(gdi::createPen(gdi::PS_SOLID, 1, CrossHairColor));
    dc.setROP2(CrossHairROP);
    dc.moveTo(bounds.left, point.y);
    dc.lineTo(bounds.right, point.y);
    dc.moveTo(point.x, bounds.top);
    dc.lineTo(point.x, bounds.bottom);
}

void DrawPointMarker(gdi::DeviceContext& dc, gdi::COLORREF color, gdi::Point centre, int32_t a,
                     uint8_t shape) {
    if (shape != PointMarkerCircle && shape != PointMarkerSquare) return;
    TSavedDrawState saved(dc);
    dc.selectPen(gdi::createPen(gdi::PS_SOLID, 1, color));
    dc.selectBrush(gdi::createSolidBrush(color));
    dc.setROP2(gdi::R2_COPYPEN);
    if (shape == PointMarkerCircle)
        dc.ellipse(centre.x - a, centre.y - a, centre.x + a, centre.y + a);
    else
        dc.rectangle(centre.x - a, centre.y - a, centre.x + a, centre.y + a);
}

void DrawXMarker(gdi::DeviceContext& dc, gdi::COLORREF color, gdi::Point centre) {
    TSavedDrawState saved(dc);
    dc.selectPen(gdi::createPen(gdi::PS_SOLID, 1, color));
    dc.setROP2(gdi::R2_COPYPEN);
    // The strokes end one pixel beyond the marker because a line leaves its last pixel.
    dc.moveTo(centre.x - 5, centre.y - 5);
    dc.lineTo(centre.x + 6, centre.y + 6);
    dc.moveTo(centre.x + 5, centre.y - 5);
    dc.lineTo(centre.x - 6, centre.y + 6);
}

void DrawArrow(gdi::DeviceContext& dc, gdi::COLORREF color, gdi::Point tip, float cos, float sin,
               bool withShaft) {
    // The outline in the arrow's own frame, pointing along +x with the tip at the origin:
    // back along the upper barb, into the notch, out along the lower barb, home to the
    // tip, then the shaft when it is wanted.
    static constexpr std::array<gdi::Point, 5> outline = {{{-15, -3}, {-12, 0}, {-15, 3}, {0, 0}, {-20, 0}}};
    const size_t count = withShaft ? outline.size() : outline.size() - 1;

    TSavedDrawState saved(dc);
    dc.selectPen(gdi::createPen(gdi::PS_SOLID, 1, color));
    dc.setROP2(gdi::R2_COPYPEN);
    dc.moveTo(tip.x, tip.y);
    for (size_t i = 0; i < count; ++i) {
        gdi::Point p = outline[i];
        RotateVector(p, cos, sin);
        dc.lineTo(tip.x + p.x, tip.y + p.y);
    }
}
