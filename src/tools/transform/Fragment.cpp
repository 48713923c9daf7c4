#include "tools/transform/Fragment.h"

#include "tools/base/ToolDrawing.h"
#include "tools/base/ToolGeometry.h"

#include "document/RotateBitmap.h"
#include "document/SketchBitmap.h"
#include "document/TechDocument.h"

#include <cmath>
#include <optional>

namespace {

constexpr gdi::COLORREF White = 0xFFFFFF;
// Repeated spreading keeps thin dark lines dark in a turned picture.
constexpr int32_t RotationPasses = 5;

int32_t roundToInt(float value) {
    return int32_t(std::nearbyint(value));
}

// A new bitmap starts black; paper off the sketch's edge is white.
gdi::BitmapPtr whiteBitmap(int32_t width, int32_t height) {
    gdi::BitmapPtr bitmap = NewFragmentBitmap(width, height);
    if (bitmap) bitmap->fill(bitmap->colorToPixel(White));
    return bitmap;
}

} // namespace

gdi::BitmapPtr NewFragmentBitmap(int32_t width, int32_t height) {
    if (!IsSaneSketchSize(width, height)) return nullptr;
    if (DocDC && DocDC->bitmap()) return DocDC->bitmap()->createCompatible(width, height);
    return CreateSketchDib(width, height);
}

void TFragment::Take(const gdi::DeviceContext& source, gdi::Rect selection) {
    NormalizeRect(selection);
    m_selection = selection;
    HalfWidth = float(selection.width()) / 2;
    HalfHeight = float(selection.height()) / 2;
    Centre = {float(selection.right + selection.left) / 2, float(selection.bottom + selection.top) / 2};
    const int32_t width = selection.width(), height = selection.height();
    gdi::BitmapPtr bitmap = whiteBitmap(width, height);
    m_source.selectBitmap(bitmap);
    if (bitmap) m_source.bitBlt(0, 0, width, height, &source, selection.left, selection.top, gdi::SRCCOPY);
    BuildPicture();
}

void TFragment::BuildPicture() {
    const int32_t width = roundToInt(2 * HalfWidth), height = roundToInt(2 * HalfHeight);
    const gdi::BitmapPtr& source = m_source.bitmap();
    gdi::BitmapPtr picture = source ? NewFragmentBitmap(width, height) : nullptr;
    m_picture.selectBitmap(picture);
    if (picture)
        m_picture.stretchBlt(0, 0, width, height, &m_source, 0, 0, source->width(), source->height(),
                             gdi::SRCCOPY);
    if (picture && (Cos != 1 || Sin != 0)) {
        TRotateRequest request;
        request.DC = &m_picture;
        request.Cos = Cos;
        request.Sin = -Sin;
        request.Passes = RotationPasses;
        RotateBitmap(request);
    }
    const gdi::BitmapPtr& built = m_picture.bitmap();
    m_pictureRect = built ? built->bounds() : gdi::Rect{};
    UpdateCorners();
}

void TFragment::Drop() {
    Cos = 1;
    Sin = 0;
    m_selection = {};
    m_pictureRect = {};
}

void TFragment::SetSelectionCorner(gdi::Point corner) {
    m_selection.right = corner.x;
    m_selection.bottom = corner.y;
}

void TFragment::MoveBy(float dx, float dy) {
    Centre.x += dx;
    Centre.y += dy;
    UpdateCorners();
}

bool TFragment::ScaleStep(int32_t d) {
    if (m_selection.width() + d < 2 || m_selection.height() + d < 2) return false;
    const float factor = float(d) / 100 + 1;
    // A fast pull to the left would give no size, or a negative one, turning the
    // picture inside out.
    if (factor <= 0) return false;
    const float width = factor * HalfWidth, height = factor * HalfHeight;
    const bool taken = width <= MaxHalfSize && height <= MaxHalfSize;
    if (taken) {
        HalfWidth = width;
        HalfHeight = height;
    }
    BuildPicture();
    return taken;
}

void TFragment::TurnBy(float cosA, float sinA) {
    const float c = Cos, s = Sin;
    Cos = cosA * c + sinA * s;
    Sin = cosA * s - sinA * c;
    BuildPicture();
}

void TFragment::UpdateCorners() {
    // u along the fragment's own x axis, v along its y axis (downwards).
    const float ux = Cos, uy = Sin, vx = -Sin, vy = Cos;
    const float wx = HalfWidth * ux, wy = HalfWidth * uy, hx = HalfHeight * vx, hy = HalfHeight * vy;
    Corners[0] = {Centre.x - wx - hx, Centre.y - wy - hy};
    Corners[1] = {Centre.x + wx - hx, Centre.y + wy - hy};
    Corners[2] = {Centre.x + wx + hx, Centre.y + wy + hy};
    Corners[3] = {Centre.x - wx + hx, Centre.y - wy + hy};
}

gdi::Region TFragment::Outline(int32_t dx, int32_t dy) const {
    std::array<gdi::Point, 4> points;
    for (size_t i = 0; i < points.size(); ++i)
        points[i] = {roundToInt(Corners[i].x) + dx, roundToInt(Corners[i].y) + dy};
    return gdi::Region::fromPolygon(points.data(), int(points.size()), gdi::WINDING);
}

gdi::Point TFragment::Handle() const {
    return {roundToInt(Corners[1].x), roundToInt(Corners[1].y)};
}

bool TFragment::OnHandle(gdi::Point point) const {
    const gdi::Point handle = Handle();
    return std::abs(point.x - handle.x) <= 4 && std::abs(point.y - handle.y) <= 4;
}

bool TFragment::Inside(gdi::Point point) const {
    return Outline().contains(point.x, point.y);
}

void TFragment::Stamp(gdi::DeviceContext& dc, int32_t dx, int32_t dy, bool transparent) {
    const int32_t width = m_pictureRect.width(), height = m_pictureRect.height();
    if (width <= 0 || height <= 0 || !m_picture.bitmap()) return;
    // The corners are worked out at the shifted centre, as the outline is on the screen.
    const TPointF centre = Centre;
    MoveBy(float(dx), float(dy));
    const gdi::Region outline = Outline();
    const int32_t left = roundToInt(Centre.x - float(width) / 2);
    const int32_t top = roundToInt(Centre.y - float(height) / 2);
    const std::optional<gdi::Region> formerClip = dc.clipRegion();
    dc.selectClipRegion(&outline);
    if (transparent)
        TransparentCopy(dc, {left, top, left + width, top + height}, m_picture, White, m_pictureRect);
    else
        dc.bitBlt(left, top, width, height, &m_picture, 0, 0, gdi::SRCCOPY);
    dc.selectClipRegion(formerClip ? &*formerClip : nullptr);
    Centre = centre;
    UpdateCorners();
}
