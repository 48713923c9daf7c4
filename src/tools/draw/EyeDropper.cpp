#include "tools/draw/EyeDropper.h"

#include "tools/base/CursorIds.h"
#include "tools/base/ToolHost.h"

#include "document/Pens.h"
#include "document/TechDocument.h"

void TEyeDropper::Create() {
    CursorId = EyeDropperCursor;
    TTechBase::Create();
    FColor = LineLogPen.color;
    FPicking = false;
    ShowPrompt();
}

QString TEyeDropper::GetPrompt() {
    return QStringLiteral("Укажите точку для определения цвета");
}

void TEyeDropper::LeftButton(gdi::Point point, TShiftState, bool released) {
    FPicking = !released;
    if (FPicking) SetLineColor(point);
}

void TEyeDropper::PointerMove(gdi::Point point, TShiftState) {
    if (FPicking) SetLineColor(point);
}

void TEyeDropper::Changed() {
    FColor = LineLogPen.color;
}

void TEyeDropper::SetLineColor(gdi::Point point) {
    if (!DocDC || !DocDC->bitmap() || !DocDC->bitmap()->bounds().contains(point.x, point.y)) return;
    const gdi::COLORREF colour = DocDC->getPixel(point.x, point.y);
    if (colour == FColor) return;
    FColor = colour;
    ToolHost().ShowLineColor(colour);
    LineLogPen.color = colour;
    RecreateLinePen();
}
