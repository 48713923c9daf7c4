#include "app/ButtonPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int Size = 16;

void sheet(QPainter& p) {
    QPainterPath page;
    page.moveTo(3.5, 1.5);
    page.lineTo(10.5, 1.5);
    page.lineTo(13.5, 4.5);
    page.lineTo(13.5, 14.5);
    page.lineTo(3.5, 14.5);
    page.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(page);
    p.drawLine(QPointF(10.5, 1.5), QPointF(10.5, 4.5));
    p.drawLine(QPointF(10.5, 4.5), QPointF(13.5, 4.5));
}

void magnifier(QPainter& p, bool withPlus, bool withMinus) {
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.setBrush(QColor(220, 236, 255));
    p.drawEllipse(QPointF(6.5, 6.5), 4.8, 4.8);
    p.setPen(QPen(QColor(90, 60, 30), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10.2, 10.2), QPointF(14, 14));
    p.setPen(QPen(QColor(0, 0, 0), 1.4));
    if (withPlus || withMinus) p.drawLine(QPointF(4, 6.5), QPointF(9, 6.5));
    if (withPlus) p.drawLine(QPointF(6.5, 4), QPointF(6.5, 9));
}

void draw(QPainter& p, TButtonPicture picture) {
    switch (picture) {
    case TButtonPicture::NewSketch:
        sheet(p);
        p.setPen(QPen(QColor(0, 0, 0), 1));
        p.drawLine(QPointF(5.5, 12.5), QPointF(11.5, 12.5));
        p.drawRect(QRectF(5.5, 6.5, 4, 3));
        break;
    case TButtonPicture::Open: {
        p.setPen(QPen(QColor(120, 90, 20), 1));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(1.5, 4.5, 11, 9));
        p.drawRect(QRectF(1.5, 3.5, 5, 1));
        QPainterPath flap;
        flap.moveTo(3.5, 7.5);
        flap.lineTo(15.5, 7.5);
        flap.lineTo(12.5, 13.5);
        flap.lineTo(1.5, 13.5);
        flap.closeSubpath();
        p.setBrush(QColor(252, 224, 130));
        p.drawPath(flap);
        break;
    }
    case TButtonPicture::Save:
        p.setPen(QPen(QColor(20, 40, 90), 1));
        p.setBrush(QColor(60, 100, 180));
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(QColor(255, 255, 255));
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(4.5, 9.5, 7, 5));
        break;
    case TButtonPicture::Print:
        p.setPen(QPen(QColor(50, 50, 50), 1));
        p.setBrush(QColor(255, 255, 255));
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(170, 170, 170));
        p.drawRect(QRectF(1.5, 6.5, 13, 6));
        p.setBrush(QColor(255, 255, 255));
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
        p.setPen(QColor(0, 160, 0));
        p.drawPoint(QPointF(12.5, 8.5));
        break;
    case TButtonPicture::ZoomIn:
        magnifier(p, true, false);
        break;
    case TButtonPicture::ZoomOut:
        magnifier(p, false, true);
        break;
    case TButtonPicture::ViewAll:
        sheet(p);
        p.setPen(QPen(QColor(0, 0, 0), 1));
        p.drawLine(QPointF(5, 8), QPointF(12, 8));
        p.drawLine(QPointF(8.5, 4), QPointF(8.5, 13));
        p.drawLine(QPointF(5, 8), QPointF(6.5, 6.5));
        p.drawLine(QPointF(5, 8), QPointF(6.5, 9.5));
        p.drawLine(QPointF(12, 8), QPointF(10.5, 6.5));
        p.drawLine(QPointF(12, 8), QPointF(10.5, 9.5));
        break;
    }
}

} // namespace

QIcon ButtonPicture(TButtonPicture picture) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(Size * scale, Size * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p, picture);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
