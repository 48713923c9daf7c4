#include "document/CrossedRect.h"

#include "document/SavedDrawState.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

constexpr gdi::COLORREF FrameColor = 0xC0C0C0;
constexpr int32_t Overhang = 10;

} // namespace

void TRectClass::Set(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    m_rect = {left, top, right, bottom};
    RectChanged();
}

void TRectClass::Set(const gdi::Rect& rect) {
    m_rect = rect;
    RectChanged();
}

void TRectClass::Offset(int32_t dx, int32_t dy) {
    m_rect.left += dx;
    m_rect.right += dx;
    m_rect.top += dy;
    m_rect.bottom += dy;
}

void TRectClass::MakeEmpty() {
    m_rect = {};
}

void TRectClass::Normalize() {
    if (m_rect.left > m_rect.right) std::swap(m_rect.left, m_rect.right);
    if (m_rect.top > m_rect.bottom) std::swap(m_rect.top, m_rect.bottom);
}

void TCrossedRect::RectChanged() {
    const gdi::Rect& r = m_rect;
    const int32_t minX = std::min(r.left, r.right), maxX = std::max(r.left, r.right);
    const int32_t minY = std::min(r.top, r.bottom), maxY = std::max(r.top, r.bottom);
    const int32_t midX = minX + std::abs((r.right - r.left) / 2);
    const int32_t midY = minY + std::abs((r.bottom - r.top) / 2);
    VertFrom = {midX, minY - Overhang};
    VertTo = {midX, maxY + Overhang};
    HorzFrom = {minX - Overhang, midY};
    HorzTo = {maxX + Overhang, midY};
}

void TCrossedRect::Draw(gdi::DeviceContext& dc, int32_t dx, int32_t dy) {
    // The lines follow a rectangle that was offset or normalised since it was set.
    RectChanged();
    TSavedDrawState saved(dc);
    dc.selectBrush(gdi::stockNullBrush());
    dc.selectPen(gdi::createPen(gdi::PS_SOLID, 1, FrameColor));
    dc.setROP2(gdi::R2_NOTXORPEN);
    dc.rectangle(m_rect.left + dx, m_rect.top + dy, m_rect.right + dx, m_rect.bottom + dy);
    dc.moveTo(VertFrom.x + dx, VertFrom.y + dy);
    dc.lineTo(VertTo.x + dx, VertTo.y + dy);
    dc.moveTo(HorzFrom.x + dx, HorzFrom.y + dy);
    dc.lineTo(HorzTo.x + dx, HorzTo.y + dy);
}
