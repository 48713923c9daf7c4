#include "tools/base/BitmapImage.h"

#include "gdi/DeviceContext.h"

QImage ImageOfBitmap(const gdi::BitmapPtr& bitmap) {
    if (!bitmap) return {};
    gdi::DeviceContext dc;
    dc.selectBitmap(bitmap);
    QImage image(bitmap->width(), bitmap->height(), QImage::Format_RGB32);
    for (int32_t y = 0; y < bitmap->height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int32_t x = 0; x < bitmap->width(); ++x) {
            const gdi::COLORREF c = dc.getPixel(x, y);
            row[x] = qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
        }
    }
    return image;
}
