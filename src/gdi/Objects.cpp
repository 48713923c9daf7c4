#include "gdi/Brush.h"
#include "gdi/Pen.h"

namespace gdi {

PenPtr createPen(int style, int32_t width, COLORREF color) {
    return createPenIndirect({style, width, color});
}

PenPtr createPenIndirect(const LogPen& log) {
    LogPen l = log;
    if (l.width < 0) l.width = -l.width;
    if (l.style < PS_SOLID || l.style > PS_INSIDEFRAME) l.style = PS_SOLID;
    return std::make_shared<const Pen>(l);
}

PenPtr stockBlackPen() {
    static const PenPtr pen = createPen(PS_SOLID, 0, 0x000000);
    return pen;
}
PenPtr stockWhitePen() {
    static const PenPtr pen = createPen(PS_SOLID, 0, 0xFFFFFF);
    return pen;
}
PenPtr stockNullPen() {
    static const PenPtr pen = createPen(PS_NULL, 0, 0);
    return pen;
}

BrushPtr createSolidBrush(COLORREF color) {
    return std::make_shared<const Brush>(BrushStyle::Solid, color, 0);
}
BrushPtr createHatchBrush(int hatchStyle, COLORREF color) {
    if (hatchStyle < HS_HORIZONTAL || hatchStyle > HS_DIAGCROSS) return createSolidBrush(color);
    return std::make_shared<const Brush>(BrushStyle::Hatched, color, hatchStyle);
}
BrushPtr createPatternBrush(BitmapPtr pattern) {
    return std::make_shared<const Brush>(BrushStyle::Pattern, 0, 0, std::move(pattern));
}
BrushPtr stockWhiteBrush() {
    static const BrushPtr brush = createSolidBrush(0xFFFFFF);
    return brush;
}
BrushPtr stockBlackBrush() {
    static const BrushPtr brush = createSolidBrush(0x000000);
    return brush;
}
BrushPtr stockGrayBrush() {
    static const BrushPtr brush = createSolidBrush(0x808080);
    return brush;
}
BrushPtr stockNullBrush() {
    static const BrushPtr brush = std::make_shared<const Brush>(BrushStyle::Null, 0, 0);
    return brush;
}

} // namespace gdi
