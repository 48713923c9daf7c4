#include "document/Pens.h"

gdi::PenPtr GreenPen;
gdi::PenPtr MagentaPen;
gdi::PenPtr RedPen;
gdi::LogPen LineLogPen;
gdi::PenPtr LinePen;

gdi::COLORREF RubberNewColor = 0x00FFFFFF;
gdi::COLORREF RubberOldColor = 0x00000000;

void CreateSharedPens() {
    GreenPen = gdi::createPen(gdi::PS_SOLID, 1, 0x0000FF00);
    MagentaPen = gdi::createPen(gdi::PS_SOLID, 1, 0x00FF00FF);
    RedPen = gdi::createPen(gdi::PS_SOLID, 1, 0x000000FF);
    LineLogPen = gdi::LogPen{gdi::PS_SOLID, 1, 0};
    RecreateLinePen();
}

void DeleteSharedPens() {
    GreenPen.reset();
    MagentaPen.reset();
    RedPen.reset();
    LinePen.reset();
}

void RecreateLinePen() {
    LinePen = gdi::createPenIndirect(LineLogPen);
}
