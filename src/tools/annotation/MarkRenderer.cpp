#include "tools/annotation/MarkRenderer.h"

#include "document/Geometry.h"

#include "gdi/Region.h"

#include <cmath>
#include <vector>

namespace {

// Pitch and family of the mark font: a proportional face of the roman (serif) family.
constexpr uint8_t MarkPitchAndFamily = 16;
constexpr int32_t MarkFontHeight = -16;

} // namespace

TMarkRenderer::~TMarkRenderer() {
    Finish();
}

void TMarkRenderer::Begin(gdi::DeviceContext& dc, int rop2, int32_t penWidth, gdi::COLORREF colour) {
    Finish();
    DC = &dc;
    Pen = gdi::createPen(gdi::PS_SOLID, penWidth, colour);
    OldBrush = dc.selectBrush(gdi::stockNullBrush());
    m_oldPen = dc.selectPen(Pen);
    OldROP = dc.setROP2(rop2);
    Colour = colour;
    Active = true;
}

void TMarkRenderer::Finish() {
    if (!Active) return;
    DC->setROP2(OldROP);
    DC->selectPen(std::move(m_oldPen));
    DC->selectBrush(std::move(OldBrush));
    Pen.reset();
    m_oldPen.reset();
    OldBrush.reset();
    Active = false;
}

gdi::Point TMarkRenderer::MapPixels(double x, double y) const {
    const long double lx = x;
    const long double ly = y;
    return {Origin.x + RoundPixel(lx * Cos - ly * Sin), Origin.y + RoundPixel(lx * Sin + ly * Cos)};
}

gdi::Point TMarkRenderer::Map(double x, double y) const {
    const long double lx = x;
    const long double ly = y;
    return {Origin.x + RoundPixel((lx * Cos - ly * Sin) * MarkPixelsPerMm),
            Origin.y + RoundPixel((lx * Sin + ly * Cos) * MarkPixelsPerMm)};
}

void TMarkRenderer::MoveTo(double x, double y) {
    if (!Active) return;
    const gdi::Point p = Map(x, y);
    DC->moveTo(p.x, p.y);
}

void TMarkRenderer::LineTo(double x, double y) {
    if (!Active) return;
    const gdi::Point p = Map(x, y);
    DC->lineTo(p.x, p.y);
}

void TMarkRenderer::Circle(double x, double y, double d) {
    if (!Active) return;
    const gdi::Point c = Map(x, y);
    const int32_t half = RoundPixel(d * MarkPixelsPerMm / 2);
    DC->ellipse(c.x - half, c.y - half, c.x + half, c.y + half);
}

void TMarkRenderer::Arc(double x, double y, double r, double a, double b) {
    if (!Active) return;
    const gdi::Point c = Map(x, y);
    const float radius = float(r * MarkPixelsPerMm);
    const int32_t j = RoundPixel(radius);
    auto onCircle = [&](double angle) {
        const long double px = radius * std::cos(angle);
        const long double py = radius * std::sin(angle);
        return gdi::Point{c.x + RoundPixel(px * Cos - py * Sin), c.y + RoundPixel(px * Sin + py * Cos)};
    };
    const gdi::Point from = onCircle(a);
    const gdi::Point to = onCircle(b);
    DC->arc(c.x - j, c.y - j, c.x + j, c.y + j, from.x, from.y, to.x, to.y);
}

void TMarkRenderer::FillPolygon(const gdi::Point* points, int count, gdi::COLORREF colour) {
    if (!Active || count < 3) return;
    std::vector<gdi::Point> turned(points, points + count);
    for (gdi::Point& p : turned)
        p = MapPixels(p.x, p.y);
    const gdi::Region region = gdi::Region::fromPolygon(turned.data(), count, gdi::WINDING);
    DC->fillRegion(region, gdi::createSolidBrush(colour));
}

void TMarkRenderer::TextCentred(std::string_view text, double x, double y) {
    if (!Active) return;
    const gdi::Size extent = DC->textExtent(text);
    if (extent.cy <= 0) return;
    const gdi::Point at = MapPixels(x, y);
    const int oldMode = DC->setBkMode(gdi::TRANSPARENT);
    const uint32_t oldAlign = DC->setTextAlign(gdi::TA_LEFT | gdi::TA_TOP);
    const gdi::COLORREF oldColour = DC->setTextColor(Colour);
    DC->textOut(at.x - extent.cx / 2, at.y - extent.cy / 2, text);
    DC->setTextColor(oldColour);
    DC->setTextAlign(oldAlign);
    DC->setBkMode(oldMode);
}

void SetMarkFont(gdi::DeviceContext& dc, int32_t angle) {
    gdi::LogFont log = dc.font() ? dc.font()->log() : gdi::LogFont{};
    log.height = MarkFontHeight;
    log.width = 0;
    log.escapement = log.orientation = RoundPixel(angle * 10.0L);
    log.weight = gdi::FW_NORMAL;
    log.italic = log.underline = log.strikeOut = false;
    log.pitchAndFamily = MarkPitchAndFamily;
    log.faceName = MarkFontFace;
    dc.selectFont(gdi::createFontIndirect(log));
}
