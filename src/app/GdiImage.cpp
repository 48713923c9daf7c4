#include "app/GdiImage.h"

#include <QColor>

bool TGdiImage::Resize(int32_t width, int32_t height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (m_bitmap && m_bitmap->width() == width && m_bitmap->height() == height) return false;
    m_image = QImage();
    m_bitmap = gdi::Bitmap::create(width, height, 32);
    m_dc.selectBitmap(m_bitmap);
    if (width > 0 && height > 0) {
        // The layer keeps 0x00RRGGBB words, which is Qt's RGB32 layout; the unused top
        // byte is ignored by Qt for that format.
        m_image = QImage(reinterpret_cast<uchar*>(m_bitmap->rgbRow(0)), width, height, qsizetype(width) * 4,
                         QImage::Format_RGB32);
    }
    return true;
}

gdi::COLORREF ToColorRef(const QColor& color) {
    return gdi::RGB(color.red(), color.green(), color.blue());
}
