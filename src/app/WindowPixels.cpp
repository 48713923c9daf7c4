#include "app/WindowPixels.h"

#include "gdi/ScreenCopy.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QWidget>

namespace {

// The backing store image the painter draws into, if it is one we can write words to.
QImage* windowImage(QPainter& painter) {
    QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster) return nullptr;
    QPaintDevice* device = engine->paintDevice();
    if (!device || device->devType() != QInternal::Image) return nullptr;
    auto* image = static_cast<QImage*>(device);
    // Opaque 0xFFRRGGBB words mean the same in both formats.
    if (image->format() != QImage::Format_RGB32 && image->format() != QImage::Format_ARGB32_Premultiplied)
        return nullptr;
    if (image->devicePixelRatio() != 1.0) return nullptr;
    return image;
}

} // namespace

bool StretchOntoWindow(QPainter& painter, const QWidget& widget, const gdi::Bitmap& source,
                       int32_t sourceWidth, int32_t sourceHeight) {
    if (!painter.isActive() || !source.isIndexed()) return false;
    if (source.width() < sourceWidth || source.height() < sourceHeight) return false;
    QImage* image = windowImage(painter);
    if (!image) return false;
    // The widget's place in the window is where the painter's origin lies on the device.
    const QTransform toDevice = painter.deviceTransform();
    if (toDevice.type() > QTransform::TxTranslate) return false;
    const QPoint at(int(toDevice.dx()), int(toDevice.dy()));
    if (at != widget.mapTo(widget.window(), QPoint(0, 0))) return false;
    const QRect widgetArea = QRect(at, widget.size()).intersected(image->rect());
    if (widgetArea.size() != widget.size()) return false;

    // Only the region the paint was given: elsewhere the window shows other widgets.
    const QRegion clip = painter.paintEngine()->systemClip();
    const QRegion region = clip.isEmpty() ? QRegion(widgetArea) : clip.intersected(widgetArea);
    auto* bits = reinterpret_cast<uint32_t*>(image->bits());
    const std::ptrdiff_t stride = image->bytesPerLine() / 4;
    for (const QRect& r : region) {
        const gdi::ScreenPixels part{bits + r.top() * stride + r.left(), stride, r.width(), r.height()};
        if (!gdi::stretchToScreen(part, at.x() - r.left(), at.y() - r.top(), widget.width(), widget.height(),
                                  source, 0, 0, sourceWidth, sourceHeight))
            return false;
    }
    return true;
}
