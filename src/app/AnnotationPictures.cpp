// Pictures of the annotation tools (text, dimensions, marks, tolerance frames) and of
// blocks and instruments.
#include "app/PictureDrawing.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace pictures {

namespace {

// A dimension line from a to b with an arrowhead at each end.
void dimensionLine(QPainter& p, QPointF a, QPointF b) {
    UsePen(p, Accent);
    p.drawLine(a, b);
    ArrowHead(p, b, a, Accent, 3.5, 1.8);
    ArrowHead(p, a, b, Accent, 3.5, 1.8);
}

// A capital letter drawn with strokes, so that it looks the same whatever fonts exist.
void letterA(QPainter& p) {
    p.setPen(QPen(Figure, 2.2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(2.5, 14.5), QPointF(8, 1.8), QPointF(13.5, 14.5)}));
    p.setPen(QPen(Figure, 1.8));
    p.drawLine(QPointF(4.8, 9.8), QPointF(11.2, 9.8));
}

void letterR(QPainter& p, QPointF at) {
    p.save();
    p.translate(at);
    QPainterPath r;
    r.moveTo(0, 6);
    r.lineTo(0, 0);
    r.lineTo(2.5, 0);
    r.cubicTo(4.3, 0, 4.3, 3, 2.5, 3);
    r.lineTo(0, 3);
    r.moveTo(2, 3);
    r.lineTo(4, 6);
    p.setPen(QPen(Figure, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(r);
    p.restore();
}

void leader(QPainter& p, bool arrowAtStart, bool arrowAtEnd) {
    const QPointF start(2, 14), bend(9, 5), end(15, 5);
    UsePen(p, Figure, 1.1);
    p.drawLine(start, bend);
    p.drawLine(bend, end);
    if (arrowAtStart) ArrowHead(p, bend, start, Attention, 4.5, 2.4);
    if (arrowAtEnd) ArrowHead(p, bend, end, Attention, 4.5, 2.4);
}

} // namespace

bool DrawAnnotationPicture(QPainter& p, TButtonPicture picture) {
    switch (picture) {
    case TButtonPicture::Text:
        letterA(p);
        return true;
    case TButtonPicture::Mark:
        // The surface finish sign: a tick with a bar over its long arm.
        p.setPen(QPen(Figure, 1.4, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(1.5, 7.5), QPointF(5.5, 14), QPointF(11, 2.5), QPointF(15, 2.5)}));
        return true;
    case TButtonPicture::Dopusk:
        // A tolerance frame: the sign (parallelism), the value, the datum.
        UsePen(p, Figure);
        p.setBrush(Paper);
        p.drawRect(QRectF(0.5, 4.5, 15, 7));
        p.drawLine(QPointF(5.5, 4.5), QPointF(5.5, 11.5));
        p.drawLine(QPointF(11.5, 4.5), QPointF(11.5, 11.5));
        p.drawLine(QPointF(1.5, 10), QPointF(3.5, 6));
        p.drawLine(QPointF(2.5, 10), QPointF(4.5, 6));
        UsePen(p, Accent);
        p.drawLine(QPointF(7, 8), QPointF(10, 8));
        p.drawLine(QPointF(13.5, 6), QPointF(13.5, 10));
        return true;
    case TButtonPicture::Block: {
        // A cube: a ready-made figure taken from the library.
        const QPolygonF top({QPointF(2, 5), QPointF(8, 2), QPointF(14, 5), QPointF(8, 8)});
        const QPolygonF left({QPointF(2, 5), QPointF(8, 8), QPointF(8, 15), QPointF(2, 12)});
        const QPolygonF right({QPointF(8, 8), QPointF(14, 5), QPointF(14, 12), QPointF(8, 15)});
        UsePen(p, Outline);
        p.setBrush(AccentLight);
        p.drawPolygon(top);
        p.setBrush(QColor(120, 160, 220));
        p.drawPolygon(left);
        p.setBrush(Accent);
        p.drawPolygon(right);
        return true;
    }
    case TButtonPicture::Instrument: {
        // A turning tool: the shank and the cutting insert at its end.
        UsePen(p, Outline);
        p.setBrush(Shade);
        p.drawRect(QRectF(5.5, 4.5, 10, 6));
        p.setBrush(QColor(212, 170, 40));
        p.drawPolygon(QPolygonF({QPointF(5.5, 4.5), QPointF(0.5, 14.5), QPointF(5.5, 10.5)}));
        return true;
    }
    case TButtonPicture::SizeLine:
        UsePen(p, Figure);
        p.drawLine(QPointF(1.5, 3), QPointF(1.5, 14));
        p.drawLine(QPointF(14.5, 3), QPointF(14.5, 14));
        dimensionLine(p, QPointF(1.5, 10.5), QPointF(14.5, 10.5));
        UsePen(p, Figure);
        p.drawLine(QPointF(6, 7.5), QPointF(10, 7.5));
        return true;
    case TButtonPicture::DiametralSize:
        UsePen(p, Figure);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
        dimensionLine(p, QPointF(3.4, 12.6), QPointF(12.6, 3.4));
        return true;
    case TButtonPicture::RadiusSize:
        UsePen(p, Figure);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(-10, 2, 24, 24), 0, 90 * 16);
        UsePen(p, Accent);
        p.drawLine(QPointF(2, 14), QPointF(10.2, 5.8));
        ArrowHead(p, QPointF(2, 14), QPointF(10.5, 5.5), Accent, 3.5, 1.8);
        letterR(p, QPointF(11, 0.5));
        return true;
    case TButtonPicture::RadialSize:
        // An angle between two lines with its arc dimension.
        UsePen(p, Figure);
        p.drawLine(QPointF(1.5, 14.5), QPointF(15, 14.5));
        p.drawLine(QPointF(1.5, 14.5), QPointF(12, 2));
        {
            QPainterPath arc;
            const QRectF r(-9.5, 3.5, 22, 22);
            arc.arcMoveTo(r, 0);
            arc.arcTo(r, 0, 50);
            UsePen(p, Accent);
            p.setBrush(Qt::NoBrush);
            p.drawPath(arc);
            const QPointF a0(12.5, 14.5);
            const QPointF a1 = arc.currentPosition();
            ArrowHead(p, a0 + QPointF(0, -3), a0, Accent, 3.2, 1.8);
            ArrowHead(p, a1 + QPointF(3, 2), a1, Accent, 3.2, 1.8);
        }
        return true;
    case TButtonPicture::FreeLine:
        // A diameter written on the shelf of a leader.
        leader(p, true, false);
        UsePen(p, Accent);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(12, 2.2), 1.7, 1.7);
        p.drawLine(QPointF(10, 4.2), QPointF(14, 0.2));
        return true;
    case TButtonPicture::FreePoint1:
        leader(p, true, false);
        return true;
    case TButtonPicture::FreePoint2:
        leader(p, false, true);
        return true;
    default:
        return false;
    }
}

} // namespace pictures
