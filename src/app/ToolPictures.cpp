// Pictures of the drawing tools and their option buttons.
#include "app/PictureDrawing.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace pictures {

namespace {

void vertexMark(QPainter& p, QPointF at) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    p.drawRect(QRectF(at.x() - 1.5, at.y() - 1.5, 3, 3));
    p.restore();
}

void hexagon(QPainter& p, qreal startDegrees) {
    QPolygonF hex;
    for (int i = 0; i < 6; ++i) {
        const qreal a = (startDegrees + 60.0 * i) * std::numbers::pi / 180.0;
        hex << QPointF(8 + 6.6 * std::cos(a), 8 + 6.6 * std::sin(a));
    }
    UsePen(p, Figure, 1.2);
    p.setBrush(AccentLight);
    p.drawPolygon(hex);
    p.setPen(Qt::NoPen);
    p.setBrush(Figure);
    p.drawEllipse(QPointF(8, 8), 1, 1);
}

void eraser(QPainter& p, const QColor& body) {
    // A block lying on its edge, tilted.
    QPolygonF top({QPointF(5, 4), QPointF(10, 1), QPointF(15, 6), QPointF(10, 9)});
    QPolygonF front({QPointF(5, 4), QPointF(10, 9), QPointF(7, 13), QPointF(2, 8)});
    UsePen(p, Outline);
    p.setBrush(body);
    p.drawPolygon(top);
    p.setBrush(Paper);
    p.drawPolygon(front);
}

void circleCentre(QPainter& p, QPointF c) {
    UsePen(p, Accent);
    p.drawLine(c + QPointF(-2, 0), c + QPointF(2, 0));
    p.drawLine(c + QPointF(0, -2), c + QPointF(0, 2));
}

void triangle(QPainter& p, const QPolygonF& corners, bool filled) {
    UsePen(p, Figure);
    p.setBrush(filled ? Figure : Paper);
    p.drawPolygon(corners);
}

void axis(QPainter& p, QPointF a, QPointF b) {
    QPen pen(Attention, 1, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({3, 1.5, 1, 1.5});
    p.setPen(pen);
    p.drawLine(a, b);
}

void completeStep(QPainter& p, bool right) {
    // The rectangle being drawn, and the side it is completed towards.
    UsePen(p, Figure);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, 8, 8));
    UsePen(p, QColor(0, 140, 0), 2);
    if (right) {
        p.drawLine(QPointF(7, 12.5), QPointF(12, 12.5));
        ArrowHead(p, QPointF(7, 12.5), QPointF(15.5, 12.5), QColor(0, 140, 0), 4, 3);
    } else {
        p.drawLine(QPointF(12.5, 7), QPointF(12.5, 12));
        ArrowHead(p, QPointF(12.5, 7), QPointF(12.5, 15.5), QColor(0, 140, 0), 4, 3);
    }
}

} // namespace

bool DrawToolPicture(QPainter& p, TButtonPicture picture) {
    switch (picture) {
    case TButtonPicture::SegmentLine: {
        const QPolygonF chain(
            {QPointF(1.5, 13.5), QPointF(5.5, 4.5), QPointF(10.5, 11.5), QPointF(14.5, 2.5)});
        UsePen(p, Figure, 1.2);
        p.drawPolyline(chain);
        for (int i = 1; i < 3; ++i)
            vertexMark(p, chain[i]);
        return true;
    }
    case TButtonPicture::SmoothLine: {
        QPainterPath curve;
        curve.moveTo(1.5, 12.5);
        curve.cubicTo(4, 0, 9, 2, 8, 8);
        curve.cubicTo(7, 14, 13, 14, 14.5, 3.5);
        UsePen(p, Figure, 1.3);
        p.setBrush(Qt::NoBrush);
        p.drawPath(curve);
        return true;
    }
    case TButtonPicture::PointCapture: {
        // A magnet pulling the end of a line onto a point.
        QPainterPath magnet;
        magnet.moveTo(3, 1.5);
        magnet.lineTo(3, 6);
        magnet.arcTo(QRectF(3, 1.5, 9, 9), 180, 180);
        magnet.lineTo(12, 1.5);
        p.setPen(QPen(Attention, 2.6, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(magnet);
        p.setPen(QPen(Shade, 2.6, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(3, 1), QPointF(3, 3));
        p.drawLine(QPointF(12, 1), QPointF(12, 3));
        UsePen(p, Figure);
        p.drawLine(QPointF(1, 15), QPointF(7.5, 13.5));
        p.setPen(Qt::NoPen);
        p.setBrush(Accent);
        p.drawEllipse(QPointF(7.5, 13.5), 1.8, 1.8);
        return true;
    }
    case TButtonPicture::Orthogonally:
        UsePen(p, Figure, 1.4);
        p.drawLine(QPointF(3.5, 1.5), QPointF(3.5, 12.5));
        p.drawLine(QPointF(3.5, 12.5), QPointF(14.5, 12.5));
        UsePen(p, Accent);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(3.5, 8.5, 4, 4));
        return true;
    case TButtonPicture::SixVertexNormal:
        hexagon(p, 0);
        return true;
    case TButtonPicture::SixVertexRotated:
        hexagon(p, 90);
        return true;
    case TButtonPicture::Rubber:
        eraser(p, QColor(232, 110, 130));
        return true;
    case TButtonPicture::SmartRubber:
        // The eraser over a swatch half in the old colour, half in the new.
        p.fillRect(QRectF(1, 10, 7, 5), Attention);
        p.fillRect(QRectF(8, 10, 7, 5), Accent);
        UsePen(p, Outline);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 9.5, 15, 6));
        p.save();
        p.translate(1, -1);
        p.scale(0.75, 0.75);
        eraser(p, QColor(120, 190, 120));
        p.restore();
        return true;
    case TButtonPicture::Circle:
        UsePen(p, Figure, 1.2);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
        circleCentre(p, QPointF(8, 8));
        return true;
    case TButtonPicture::Arc:
        UsePen(p, Figure, 1.2);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(1.5, 3.5, 13, 13), 0, 180 * 16);
        circleCentre(p, QPointF(8, 10));
        vertexMark(p, QPointF(1.5, 10));
        vertexMark(p, QPointF(14.5, 10));
        return true;
    case TButtonPicture::CircleByPart:
        UsePen(p, Figure, 1.1);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
        for (int i = 0; i < 6; ++i) {
            const qreal a = (90 + 60.0 * i) * std::numbers::pi / 180.0;
            const QPointF on(8 + 6.5 * std::cos(a), 8 - 6.5 * std::sin(a));
            UsePen(p, Accent);
            p.drawLine(QPointF(8, 8), on);
            p.setPen(Qt::NoPen);
            p.setBrush(Attention);
            p.drawEllipse(on, 1.3, 1.3);
        }
        return true;
    case TButtonPicture::ManyCircles:
        UsePen(p, Accent);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(8, 8), 5, 5);
        UsePen(p, Figure, 1.1);
        for (int i = 0; i < 4; ++i) {
            const qreal a = (45 + 90.0 * i) * std::numbers::pi / 180.0;
            p.drawEllipse(QPointF(8 + 5 * std::cos(a), 8 - 5 * std::sin(a)), 2.3, 2.3);
        }
        return true;
    case TButtonPicture::EyeDropper: {
        // A pipette, bulb up, with a drop of the picked colour at its tip.
        p.save();
        p.translate(8, 8);
        p.rotate(45);
        UsePen(p, Outline);
        p.setBrush(QColor(60, 60, 60));
        p.drawRoundedRect(QRectF(-2.5, -8, 5, 5), 1.5, 1.5);
        p.drawRect(QRectF(-3, -3.5, 6, 1.5));
        p.setBrush(AccentLight);
        p.drawRect(QRectF(-1.5, -2, 3, 7));
        p.drawPolygon(QPolygonF({QPointF(-1.5, 5), QPointF(1.5, 5), QPointF(0, 8)}));
        p.restore();
        p.setPen(Qt::NoPen);
        p.setBrush(Attention);
        p.drawEllipse(QPointF(2.5, 13.5), 1.6, 1.6);
        return true;
    }
    case TButtonPicture::Filling:
        UsePen(p, Figure, 1.2);
        p.setBrush(Paper);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.save();
        p.setClipRect(QRectF(2, 2, 12, 12));
        UsePen(p, Figure);
        for (int k = -12; k <= 12; k += 4)
            p.drawLine(QPointF(2 + k, 14), QPointF(14 + k, 2));
        p.restore();
        return true;
    case TButtonPicture::MirrorUpDown:
        axis(p, QPointF(0.5, 8), QPointF(15.5, 8));
        triangle(p, QPolygonF({QPointF(3, 6.5), QPointF(13, 6.5), QPointF(3, 1.5)}), true);
        triangle(p, QPolygonF({QPointF(3, 9.5), QPointF(13, 9.5), QPointF(3, 14.5)}), false);
        return true;
    case TButtonPicture::MirrorLeftRight:
        axis(p, QPointF(8, 0.5), QPointF(8, 15.5));
        triangle(p, QPolygonF({QPointF(6.5, 3), QPointF(6.5, 13), QPointF(1.5, 13)}), true);
        triangle(p, QPolygonF({QPointF(9.5, 3), QPointF(9.5, 13), QPointF(14.5, 13)}), false);
        return true;
    case TButtonPicture::MirrorDiagonal: {
        // A window turned a quarter round.
        UsePen(p, Figure);
        p.setBrush(Paper);
        p.drawRect(QRectF(1.5, 6.5, 8, 8));
        p.setBrush(Figure);
        p.drawRect(QRectF(1.5, 6.5, 3, 3));
        QPainterPath turn;
        const QRectF round(2.5, 1.5, 10, 10);
        turn.arcMoveTo(round, 90);
        turn.arcTo(round, 90, -75);
        p.setPen(QPen(Attention, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(turn);
        ArrowHead(p, QPointF(12.4, 4), QPointF(12.4, 9.5), Attention, 3.5, 2.5);
        return true;
    }
    case TButtonPicture::MirrorAxis:
        axis(p, QPointF(1, 15), QPointF(15, 1));
        triangle(p, QPolygonF({QPointF(1.5, 1.5), QPointF(8, 1.5), QPointF(1.5, 8)}), true);
        triangle(p, QPolygonF({QPointF(14.5, 14.5), QPointF(8, 14.5), QPointF(14.5, 8)}), false);
        return true;
    case TButtonPicture::FourVertex:
        UsePen(p, Figure, 1.2);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(2.5, 3.5, 11, 9));
        for (QPointF c : {QPointF(2.5, 3.5), QPointF(13.5, 3.5), QPointF(13.5, 12.5), QPointF(2.5, 12.5)})
            vertexMark(p, c);
        return true;
    case TButtonPicture::CompleteRight:
        completeStep(p, true);
        return true;
    case TButtonPicture::CompleteDown:
        completeStep(p, false);
        return true;
    default:
        return false;
    }
}

} // namespace pictures
