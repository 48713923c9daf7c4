#include "AppIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The picture is designed on a 64 by 64 grid and scaled.
constexpr double Grid = 64.0;

void drawSheet(QPainter& p) {
    p.setPen(QPen(QColor(70, 70, 70), 2.0));
    p.setBrush(QColor(255, 255, 255));
    p.drawRoundedRect(QRectF(6, 3, 46, 58), 2, 2);
    // The frame and the title block of a sheet form.
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(10, 6, 39, 52));
    p.drawRect(QRectF(29, 49, 20, 9));
    p.drawLine(QPointF(29, 53.5), QPointF(49, 53.5));
    p.drawLine(QPointF(37, 49), QPointF(37, 58));
}

void drawPart(QPainter& p) {
    // A stepped shaft, as an operation sketch shows it.
    QPainterPath outline;
    outline.moveTo(14, 22);
    outline.lineTo(22, 22);
    outline.lineTo(22, 17);
    outline.lineTo(36, 17);
    outline.lineTo(36, 20);
    outline.lineTo(44, 20);
    outline.lineTo(44, 34);
    outline.lineTo(36, 34);
    outline.lineTo(36, 37);
    outline.lineTo(22, 37);
    outline.lineTo(22, 32);
    outline.lineTo(14, 32);
    outline.closeSubpath();
    p.setPen(QPen(QColor(0, 0, 160), 2.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(QColor(200, 215, 255));
    p.drawPath(outline);
    p.setPen(QPen(QColor(200, 0, 0), 1.2, Qt::DashDotLine));
    p.drawLine(QPointF(11, 27), QPointF(47, 27));
}

void drawPencil(QPainter& p) {
    p.save();
    p.translate(50, 40);
    p.rotate(40);
    p.setPen(QPen(QColor(60, 40, 0), 1.2));
    p.setBrush(QColor(240, 180, 20));
    p.drawRect(QRectF(-3.5, 0, 7, 20));
    p.setBrush(QColor(240, 210, 160));
    QPolygonF tip;
    tip << QPointF(-3.5, 0) << QPointF(3.5, 0) << QPointF(0, -8);
    p.drawPolygon(tip);
    p.setBrush(QColor(30, 30, 30));
    QPolygonF lead;
    lead << QPointF(-1.2, -5.3) << QPointF(1.2, -5.3) << QPointF(0, -8);
    p.drawPolygon(lead);
    p.restore();
}

} // namespace

QImage DrawAppIcon(int side) {
    QImage icon(side, side, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / Grid, side / Grid);
    drawSheet(p);
    drawPart(p);
    drawPencil(p);
    p.end();
    return icon;
}
