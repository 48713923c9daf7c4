#include "app/SketchQImage.h"

#include <cstring>

QImage BitmapToQImage(const gdi::Bitmap& bitmap) {
    const int w = bitmap.width(), h = bitmap.height();
    if (!bitmap.isIndexed()) {
        // Qt's RGB32 wants the top byte of every word set; the bitmap keeps it 0.
        QImage image(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y) {
            auto* out = reinterpret_cast<uint32_t*>(image.scanLine(y));
            const uint32_t* in = bitmap.rgbRow(y);
            for (int x = 0; x < w; ++x)
                out[x] = in[x] | 0xFF000000;
        }
        return image;
    }
    QImage image(w, h, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (gdi::COLORREF c : bitmap.colorTable())
        table.append(qRgb(gdi::GetRValue(c), gdi::GetGValue(c), gdi::GetBValue(c)));
    image.setColorTable(table);
    for (int y = 0; y < h; ++y)
        std::memcpy(image.scanLine(y), bitmap.indexRow(y), size_t(w));
    return image;
}
