#include "tools/draw/Filling.h"

#include "tools/base/CursorIds.h"

#include "document/TechDocument.h"

#include "gdi/Brush.h"

void TFilling::Create() {
    CursorId = FillCursor;
    TTechBase::Create();
    FHatch = 3;
    ShowPrompt();
}

QString TFilling::GetPrompt() {
    return QStringLiteral("Укажите замкнутую область для штриховки или заливки");
}

void TFilling::LeftButton(gdi::Point point, TShiftState, bool released) {
    if (released || !DocDC || !Document) return;
    RecordUndo();
    const gdi::COLORREF colour = Document->FillColorValue;
    const gdi::BrushPtr brush =
        uint32_t(FHatch) > 9 ? gdi::createSolidBrush(colour) : gdi::createHatchBrush(FHatch, colour);
    const gdi::BrushPtr oldBrush = DocDC->selectBrush(brush);
    // The gaps between hatch lines keep their pixels.
    const int oldMode = DocDC->setBkMode(gdi::TRANSPARENT);
    DocDC->floodFill(point.x, point.y, DocDC->getPixel(point.x, point.y), gdi::FLOODFILLSURFACE);
    DocDC->setBkMode(oldMode);
    DocDC->selectBrush(oldBrush);
    Repaint();
}
