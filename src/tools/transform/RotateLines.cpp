#include "tools/transform/RotateLines.h"

#include "document/DrawingUtils.h"
#include "document/Pens.h"

namespace {

constexpr gdi::COLORREF Magenta = 0xFF00FF;
constexpr gdi::COLORREF Black = 0x000000;

// The line with a magenta arrow head at its second point, pointing along it.
void DrawArrowLine(gdi::DeviceContext& dc, const TLineObj& line, int rop2, int32_t dx, int32_t dy) {
    line.Draw(dc, MagentaPen, rop2, dx, dy);
    float cos = 0, sin = 0;
    if (line.GetDirection(cos, sin) < 0) return;
    DrawArrow(dc, Magenta, {line.P2.x + dx, line.P2.y + dy}, cos, sin, false);
}

} // namespace

void TRotateLines::SetFirstPoint(gdi::Point point) {
    ReferenceLine.P1 = point;
    ReferenceLine.P2 = Mode == Horizontal ? gdi::Point{point.x + ReferenceLineLength, point.y}
                                          : gdi::Point{point.x, point.y - ReferenceLineLength};
    PickedLine.P1 = PickedLine.P2 = point;
}

void TRotateLines::SetSecondPoint(gdi::Point point) {
    PickedLine.P2 = point;
}

void TRotateLines::DrawGuides(gdi::DeviceContext& dc, int rop2, bool withPicked, int32_t dx,
                              int32_t dy) const {
    DrawArrowLine(dc, ReferenceLine, rop2, dx, dy);
    DrawXMarker(dc, Black, {ReferenceLine.P1.x + dx, ReferenceLine.P1.y + dy});
    if (withPicked) DrawArrowLine(dc, PickedLine, rop2, dx, dy);
}

bool TRotateLines::GetRotation(float& cos, float& sin) const {
    float a1 = 0, b1 = 0, a2 = 0, b2 = 0;
    if (ReferenceLine.GetDirection(a1, b1) < 0 || PickedLine.GetDirection(a2, b2) < 0) return false;
    cos = a1 * a2 + b1 * b2;
    sin = a1 * b2 - b1 * a2;
    return true;
}
