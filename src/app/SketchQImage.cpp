#include "app/SketchQImage.h"

#include <cstring>

QImage BitmapToQImage(const gdi::Bitmap& bitmap) {
    const int w = bitmap.width(), h = bitmap.height();
    if (!bitmap.isIndexed()) {
        QImage image(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            std::memcpy(image.scanLine(y), bitmap.rgbRow(y), size_t(w) * 4);
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
