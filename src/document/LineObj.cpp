#include "document/LineObj.h"

#include "document/DrawingUtils.h"
#include "document/SavedDrawState.h"

void TLineObj::Draw(gdi::DeviceContext& dc, const gdi::PenPtr& pen, int rop2, int32_t dx, int32_t dy) const {
    TSavedDrawState saved(dc);
    dc.selectPen(pen);
    dc.setROP2(rop2);
    dc.moveTo(P1.x + dx, P1.y + dy);
    dc.lineTo(P2.x + dx, P2.y + dy);
}

void TLineObj::DrawEndMarks(gdi::DeviceContext& dc, gdi::COLORREF color, int32_t dx, int32_t dy) const {
    DrawXMarker(dc, color, {P1.x + dx, P1.y + dy});
    DrawXMarker(dc, color, {P2.x + dx, P2.y + dy});
}

int32_t TLineObj::GetDirection(float& cos, float& sin) const {
    return UnitVector(cos, sin, P1, P2);
}

void TLineObj::Offset(int32_t dx, int32_t dy) {
    P1.x += dx;
    P1.y += dy;
    P2.x += dx;
    P2.y += dy;
}
