#include "document/RenderBuffer.h"

#include <algorithm>

TRenderBuffer::TRenderBuffer(gdi::DeviceContext& refDC) : m_refDC(refDC) {}

TRenderBuffer::~TRenderBuffer() {
    FreeBitmap();
}

void TRenderBuffer::SetSize(int32_t width, int32_t height) {
    m_width = width;
    m_height = height;
    Recreate();
}

void TRenderBuffer::Recreate() {
    FreeBitmap();
    // A surface smaller than one zoomed pixel gives a size of zero, never less.
    const int32_t width = std::max(m_width, 0);
    const int32_t height = std::max(m_height, 0);
    // Before any sketch exists the reference DC holds no bitmap; a memory DC then
    // stands for a monochrome one, and so does the buffer.
    const gdi::BitmapPtr& reference = m_refDC.bitmap();
    m_bitmap = reference ? reference->createCompatible(width, height) : gdi::Bitmap::create(width, height, 1);
    m_oldBitmap = m_dc.selectBitmap(m_bitmap);
}

void TRenderBuffer::FreeBitmap() {
    if (!m_bitmap) return;
    m_dc.selectBitmap(std::move(m_oldBitmap));
    m_bitmap.reset();
    m_oldBitmap.reset();
}

void TRenderBuffer::CopyFrom(const gdi::DeviceContext& source, const gdi::Point* origin) {
    if (!origin) return;
    m_dc.bitBlt(0, 0, m_width, m_height, &source, origin->x, origin->y, gdi::SRCCOPY);
}
