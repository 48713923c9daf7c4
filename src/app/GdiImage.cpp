#include "app/GdiImage.h"

#include "gdi/ScreenCopy.h"

#include <QColor>

namespace {

constexpr uint32_t Opaque = 0xFF000000;

} // namespace

bool TGdiImage::Resize(int32_t width, int32_t height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (m_bitmap && m_bitmap->width() == width && m_bitmap->height() == height) return false;
    m_image = QImage();
    m_bitmap = gdi::Bitmap::create(width, height, 32);
    m_dc.selectBitmap(m_bitmap);
    m_opaque = false;
    if (width > 0 && height > 0) {
        // The layer keeps 0x00RRGGBB words, which is Qt's RGB32 layout once the top byte
        // is set.
        m_image = QImage(reinterpret_cast<uchar*>(m_bitmap->rgbRow(0)), width, height, qsizetype(width) * 4,
                         QImage::Format_RGB32);
    }
    return true;
}

void TGdiImage::StretchFrom(const gdi::DeviceContext& source, int32_t width, int32_t height) {
    if (IsEmpty() || !source.bitmap()) return;
    const bool whole = source.bitmap()->width() >= width && source.bitmap()->height() >= height;
    if (whole && gdi::stretchToScreen(gdi::ScreenPixels::of(*m_bitmap), 0, 0, Width(), Height(),
                                      *source.bitmap(), 0, 0, width, height)) {
        m_opaque = true;
        return;
    }
    DC().stretchBlt(0, 0, Width(), Height(), &source, 0, 0, width, height, gdi::SRCCOPY);
}

const QImage& TGdiImage::Image() {
    if (!m_opaque && m_bitmap) {
        for (int32_t y = 0; y < m_bitmap->height(); ++y) {
            uint32_t* row = m_bitmap->rgbRow(y);
            for (int32_t x = 0; x < m_bitmap->width(); ++x)
                row[x] |= Opaque;
        }
        m_opaque = true;
    }
    return m_image;
}

gdi::COLORREF ToColorRef(const QColor& color) {
    return gdi::RGB(color.red(), color.green(), color.blue());
}
