#include "tools/transform/PreviewPane.h"

#include <QPainter>

TPreviewPane::TPreviewPane(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("PreviewPane"));
    setAccessibleName(QStringLiteral("Просмотр"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFixedSize(PaneWidth, PaneHeight);
}

gdi::BitmapPtr TPreviewPane::SetPicture(gdi::BitmapPtr bitmap) {
    m_image = bitmap ? PreviewImage(*bitmap) : QImage();
    std::swap(m_bitmap, bitmap);
    update();
    return bitmap;
}

void TPreviewPane::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (m_image.isNull()) return;
    QPainter painter(this);
    const QRect client = contentsRect();
    painter.setClipRect(client);
    painter.drawImage(client.topLeft(), m_image);
}

QImage PreviewImage(const gdi::Bitmap& bitmap) {
    QImage image(bitmap.width(), bitmap.height(), QImage::Format_RGB32);
    for (int32_t y = 0; y < bitmap.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int32_t x = 0; x < bitmap.width(); ++x) {
            const gdi::COLORREF c = bitmap.pixelToColor(bitmap.pixel(x, y));
            row[x] = qRgb(gdi::GetRValue(c), gdi::GetGValue(c), gdi::GetBValue(c));
        }
    }
    return image;
}
