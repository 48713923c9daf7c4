#include "tools/transform/FragmentClipboard.h"

#include "tools/base/BitmapImage.h"
#include "tools/transform/Fragment.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <unordered_map>

namespace {

// The colour of a pixel laid over white paper.
gdi::COLORREF overWhite(QRgb argb) {
    const int alpha = qAlpha(argb);
    const auto channel = [alpha](int value) { return (value * alpha + 255 * (255 - alpha) + 127) / 255; };
    const int red = channel(qRed(argb)), green = channel(qGreen(argb)), blue = channel(qBlue(argb));
    return gdi::COLORREF(red | (green << 8) | (blue << 16));
}

} // namespace

bool ClipboardHoldsImage() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasImage();
}

gdi::BitmapPtr ClipboardSketchBitmap() {
    if (!ClipboardHoldsImage()) return nullptr;
    return SketchBitmapOfImage(QGuiApplication::clipboard()->image());
}

void PutOnClipboard(const gdi::BitmapPtr& bitmap) {
    if (!bitmap) return;
    QGuiApplication::clipboard()->setImage(ImageOfBitmap(bitmap));
}

gdi::BitmapPtr SketchBitmapOfImage(const QImage& image) {
    gdi::BitmapPtr bitmap = NewFragmentBitmap(image.width(), image.height());
    if (!bitmap || image.isNull()) return nullptr;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    // Pictures hold few distinct colours as a rule; each is looked up once.
    std::unordered_map<QRgb, uint32_t> nearest;
    for (int32_t y = 0; y < bitmap->height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int32_t x = 0; x < bitmap->width(); ++x) {
            auto [at, fresh] = nearest.try_emplace(row[x], 0);
            if (fresh) at->second = bitmap->colorToPixel(overWhite(row[x]));
            bitmap->setPixel(x, y, at->second);
        }
    }
    return bitmap;
}
