#include "tools/annotation/MarkCallouts.h"

#include "document/Geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// How far the value starts from the sign's foot: 18 pixels of the sign plus a gap.
constexpr int32_t RoughTextOffset = 20;
constexpr float Tolerance = 0.0001f;
constexpr double MinNumberRadius = 10;
constexpr int32_t EmptyDatumBox = 20;
// The clutch letter's place in pixels: local (9, -5) mm.
constexpr double ClutchLetterX = 34.0416;
constexpr double ClutchLetterY = -18.912;
// The datum leader stops short of the triangle's tip.
constexpr double DatumLeaderEnd = 2.5;

bool near(float a, float b) {
    return std::fabs(a - b) < Tolerance;
}

int32_t textAngle(float cs, float sn, float as) {
    float cc = std::fabs(cs);
    if ((near(std::fabs(cs), 1) || near(std::fabs(sn), 0)) && Sign(sn) != Sign(cs)) cc = -std::fabs(cs);
    const double degrees = std::atan2(double(cc), double(as)) * 180 / std::numbers::pi;
    return RoundPixel(degrees);
}

// The snapped direction of a surface number's leader: along the nearer axis.
void snapToAxis(float& c, float& s) {
    constexpr float diagonal = 0.70711f;
    if (s >= -diagonal && s <= diagonal) {
        s = 0;
        c = c >= 0 ? 1 : -1;
    } else if (c >= -diagonal && c <= diagonal) {
        c = 0;
        s = Sign(s);
    }
}

struct TDatumBox {
    int32_t W = EmptyDatumBox;
    int32_t H = EmptyDatumBox;
};

TDatumBox datumBox(const gdi::DeviceContext& dc, std::string_view text) {
    TDatumBox box;
    if (text.empty()) return box;
    const gdi::Size extent = dc.textExtent(text);
    if (extent.cy <= 0) return box;
    const bool single = text.size() == 1 || (text.size() == 2 && (uint8_t(text[0]) & 0xE0) == 0xC0);
    if (single) {
        box.W = box.H = extent.cy;
    } else {
        box.W = extent.cx + 2;
        box.H = extent.cy + 2;
    }
    return box;
}

// Where the leader meets the box, from the box centre, and the leader's final
// direction (c, s).
gdi::Point datumJoint(gdi::Point p, gdi::Point a, const TDatumBox& box, float& c, float& s) {
    const int32_t half = box.W / 2;
    const int32_t halfH = box.H / 2;
    if (std::abs(p.x - a.x) > half) {
        const int32_t side = c > 0 ? -half : half;
        const int32_t d = p.y - a.y;
        if (std::abs(d) <= half) {
            c = c > 0 ? 1 : -1;
            s = 0;
            return {side, 0};
        }
        return {side, d > half ? -halfH : halfH};
    }
    if (s > 0) {
        c = 0;
        s = 1;
        return {0, -halfH};
    }
    c = 0;
    s = -1;
    return {0, halfH};
}

// The box about centre, drawn in the upright frame through millimetres.
void frameBox(TMarkRenderer& renderer, gdi::Point centre, const TDatumBox& box) {
    const double half = box.W / 2 / MarkPixelsPerMm;
    const double halfH = box.H / 2 / MarkPixelsPerMm;
    renderer.SetOrigin(centre);
    renderer.SetRotation(1, 0);
    renderer.MoveTo(-half, -halfH);
    renderer.LineTo(half, -halfH);
    renderer.LineTo(half, halfH);
    renderer.LineTo(-half, halfH);
    renderer.LineTo(-half, -halfH);
}

} // namespace

void DrawRoughText(gdi::DeviceContext& dc, gdi::COLORREF colour, bool upright, std::string_view text,
                   gdi::Point anchor, float dirCos, float dirSin) {
    const float cs = upright ? 0.0f : dirCos;
    const float sn = upright ? -1.0f : dirSin;
    SetMarkFont(dc, textAngle(cs, sn, std::fabs(dirSin)));
    const gdi::Size extent = dc.textExtent(text);
    if (extent.cy <= 0) return;
    gdi::Point start{anchor.x + RoughTextOffset, anchor.y};
    if (Sign(sn) != 1 && near(cs, 1)) start = {anchor.x + RoughTextOffset + extent.cy, anchor.y - extent.cx};
    RotatePointCS(start, anchor, cs, sn);
    const int oldMode = dc.setBkMode(gdi::TRANSPARENT);
    const uint32_t oldAlign = dc.setTextAlign(gdi::TA_LEFT | gdi::TA_TOP);
    const gdi::COLORREF oldColour = dc.setTextColor(colour);
    dc.textOut(start.x, start.y, text);
    dc.setTextColor(oldColour);
    dc.setTextAlign(oldAlign);
    dc.setBkMode(oldMode);
}

void DrawClutchLetter(TMarkRenderer& renderer, std::string_view letter) {
    if (!renderer.Active) return;
    SetMarkFont(*renderer.DC, 0);
    renderer.TextCentred(letter, ClutchLetterX, ClutchLetterY);
}

void DrawSurfaceNumber(TMarkRenderer& renderer, gdi::DeviceContext& dc, gdi::COLORREF colour,
                       std::string_view text, gdi::Point p, gdi::Point a) {
    float c = 1;
    float s = 0;
    if (UnitVector(c, s, a, p) < 0) return;
    const double length = Distance(a, p);
    snapToAxis(c, s);
    renderer.Begin(dc, gdi::R2_COPYPEN, 1, colour);
    renderer.SetOrigin(a);
    renderer.SetRotation(c, s);
    renderer.MoveTo(0, 0);
    renderer.LineTo((length + 1) / MarkPixelsPerMm, 0);
    double q = MinNumberRadius;
    if (!text.empty()) {
        SetMarkFont(dc, 0);
        const gdi::Size extent = dc.textExtent(text);
        if (extent.cy > 0) {
            q = std::max(MinNumberRadius,
                         std::sqrt(double(extent.cx) * extent.cx + double(extent.cy) * extent.cy) / 2 + 1);
            renderer.TextCentred(text, length + q, 0);
        }
    }
    renderer.Circle((length + q) / MarkPixelsPerMm, 0, 2 * q / MarkPixelsPerMm);
    renderer.Finish();
}

void DrawDatum(TMarkRenderer& renderer, gdi::DeviceContext& dc, gdi::COLORREF colour, std::string_view text,
               gdi::Point p, gdi::Point a) {
    float c = 1;
    float s = 0;
    if (UnitVector(c, s, a, p) < 0) return;
    const float length = Distance(a, p);
    // The box is measured in the font the letter is written in.
    if (!text.empty()) SetMarkFont(dc, 0);
    const TDatumBox box = datumBox(dc, text);
    const gdi::Point joint = datumJoint(p, a, box, c, s);
    const gdi::Point centre{a.x + RoundPixel(length * c), a.y + RoundPixel(length * s)};
    renderer.Begin(dc, gdi::R2_COPYPEN, 1, colour);
    frameBox(renderer, centre, box);
    renderer.MoveTo(joint.x / MarkPixelsPerMm, joint.y / MarkPixelsPerMm);

    renderer.SetOrigin(a);
    renderer.SetRotation(c, s);
    renderer.LineTo(DatumLeaderEnd, 0);
    if (!text.empty()) renderer.TextCentred(text, length, 0);

    float tc = c;
    float ts = s;
    UnitVector(tc, ts, a, {centre.x + joint.x, centre.y + joint.y});
    renderer.SetRotation(tc, ts);
    const gdi::Point triangle[] = {{0, -9}, {0, 9}, {18, 0}};
    renderer.FillPolygon(triangle, 3, colour);
    renderer.Finish();
}
