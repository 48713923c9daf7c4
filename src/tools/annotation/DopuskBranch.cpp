#include "tools/annotation/DopuskBranch.h"

#include "document/Geometry.h"

#include <array>

namespace {

// The marks in their own frame: pointing along +x with the branch's start at the origin.
constexpr std::array<gdi::Point, 4> ArrowOutline = {{{-15, -3}, {-12, 0}, {-15, 3}, {0, 0}}};
constexpr std::array<gdi::Point, 3> TriangleOutline = {{{0, -9}, {0, 9}, {-18, 0}}};

template <size_t N>
std::array<gdi::Point, N> Placed(const std::array<gdi::Point, N>& outline, gdi::Point at, float cos,
                                 float sin) {
    std::array<gdi::Point, N> placed = outline;
    for (gdi::Point& p : placed) {
        RotateVector(p, cos, sin);
        p = {at.x + p.x, at.y + p.y};
    }
    return placed;
}

} // namespace

void DrawBranch(gdi::DeviceContext& dc, gdi::Point start, gdi::Point end, uint8_t kind,
                gdi::COLORREF fillColour, gdi::Point offset) {
    const gdi::Point from{start.x + offset.x, start.y + offset.y};
    dc.moveTo(from.x, from.y);
    dc.lineTo(end.x + offset.x, end.y + offset.y);
    float ux = 0;
    float uy = 0;
    if (kind == BranchPlain || UnitVector(ux, uy, start, end) < 0) return;
    // Turned by the reverse direction, the arrow points at the part with its barbs along
    // the line, and the triangle's apex lies on the line towards the frame.
    if (kind == BranchArrow) {
        dc.moveTo(from.x, from.y);
        for (const gdi::Point& p : Placed(ArrowOutline, from, -ux, -uy))
            dc.lineTo(p.x, p.y);
    } else if (kind == BranchTriangle) {
        const auto corners = Placed(TriangleOutline, from, -ux, -uy);
        gdi::BrushPtr old = dc.selectBrush(gdi::createSolidBrush(fillColour));
        dc.polygon(corners.data(), int(corners.size()));
        dc.selectBrush(std::move(old));
    }
}
