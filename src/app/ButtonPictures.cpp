#include "app/ButtonPictures.h"

#include "app/PictureDrawing.h"

#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace pictures {

void UsePen(QPainter& p, const QColor& color, qreal width, Qt::PenStyle style) {
    QPen pen(color, width, style, Qt::FlatCap, Qt::MiterJoin);
    p.setPen(pen);
}

void ArrowHead(QPainter& p, QPointF from, QPointF tip, const QColor& color, qreal length, qreal halfWidth) {
    const QPointF d = tip - from;
    const qreal norm = std::hypot(d.x(), d.y());
    if (norm == 0) return;
    const QPointF u = d / norm;
    const QPointF n(-u.y(), u.x());
    const QPointF base = tip - u * length;
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(base + n * halfWidth);
    head.lineTo(base - n * halfWidth);
    head.closeSubpath();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(head);
    p.restore();
}

void Sheet(QPainter& p, qreal left, qreal top, qreal right, qreal bottom) {
    const qreal fold = 3;
    QPainterPath page;
    page.moveTo(left, top);
    page.lineTo(right - fold, top);
    page.lineTo(right, top + fold);
    page.lineTo(right, bottom);
    page.lineTo(left, bottom);
    page.closeSubpath();
    UsePen(p, Outline);
    p.setBrush(Paper);
    p.drawPath(page);
    p.drawPolyline(QPolygonF(
        {QPointF(right - fold, top), QPointF(right - fold, top + fold), QPointF(right, top + fold)}));
}

void TurnArrow(QPainter& p, bool clockwise, const QColor& color) {
    // A half turn over the top, ending in a head that points down.
    QPainterPath arc;
    const QRectF circle(3.5, 3.5, 9, 9);
    if (clockwise) {
        arc.arcMoveTo(circle, 200);
        arc.arcTo(circle, 200, -200);
    } else {
        arc.arcMoveTo(circle, -20);
        arc.arcTo(circle, -20, 200);
    }
    p.save();
    p.setPen(QPen(color, 2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    p.restore();
    const QPointF end = arc.currentPosition();
    ArrowHead(p, end + QPointF(0, -3), end + QPointF(0, 2.5), color, 4.5, 3);
}

namespace {

void magnifier(QPainter& p, bool withPlus, bool withMinus) {
    p.setPen(QPen(Outline, 1.5));
    p.setBrush(AccentLight);
    p.drawEllipse(QPointF(6.5, 6.5), 4.8, 4.8);
    p.setPen(QPen(QColor(90, 60, 30), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10.2, 10.2), QPointF(14, 14));
    p.setPen(QPen(Figure, 1.4));
    if (withPlus || withMinus) p.drawLine(QPointF(4, 6.5), QPointF(9, 6.5));
    if (withPlus) p.drawLine(QPointF(6.5, 4), QPointF(6.5, 9));
}

void floppy(QPainter& p, qreal x, qreal y, qreal size) {
    const qreal s = size / 13;
    UsePen(p, QColor(20, 40, 90));
    p.setBrush(QColor(60, 100, 180));
    p.drawRect(QRectF(x, y, 13 * s, 13 * s));
    p.setBrush(Paper);
    p.drawRect(QRectF(x + 3 * s, y, 7 * s, 5 * s));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(x + 3 * s, y + 8 * s, 7 * s, 5 * s));
}

void folder(QPainter& p) {
    UsePen(p, QColor(120, 90, 20));
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
}

void dashedFrame(QPainter& p, const QRectF& r) {
    QPen pen(Figure, 1, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({2, 2});
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

// A small sheet with a dashed window on it: the fragment the marquee works on.
void fragment(QPainter& p) {
    Sheet(p, 1.5, 1.5, 10.5, 13.5);
    dashedFrame(p, QRectF(3.5, 5.5, 5, 5));
}

void scissors(QPainter& p) {
    UsePen(p, Outline, 1.2);
    p.drawLine(QPointF(4, 1.5), QPointF(10, 10.5));
    p.drawLine(QPointF(12, 1.5), QPointF(6, 10.5));
    p.setPen(QPen(Attention, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.5, 12.5), 2.2, 2.2);
    p.drawEllipse(QPointF(11.5, 12.5), 2.2, 2.2);
    p.setPen(Qt::NoPen);
    p.setBrush(Outline);
    p.drawEllipse(QPointF(8, 7.5), 0.9, 0.9);
}

void clipboard(QPainter& p) {
    UsePen(p, QColor(90, 60, 20));
    p.setBrush(QColor(196, 150, 80));
    p.drawRect(QRectF(1.5, 2.5, 10, 12));
    UsePen(p, Outline);
    p.setBrush(Shade);
    p.drawRect(QRectF(4.5, 1.5, 4, 2));
    Sheet(p, 6.5, 6.5, 14.5, 15.5);
    UsePen(p, Accent);
    p.drawLine(QPointF(8, 10.5), QPointF(12, 10.5));
    p.drawLine(QPointF(8, 12.5), QPointF(12, 12.5));
}

void crossOut(QPainter& p) {
    p.setPen(QPen(Attention, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

void helpMark(QPainter& p) {
    p.setPen(QPen(QColor(20, 60, 140), 1));
    p.setBrush(Accent);
    p.drawEllipse(QPointF(8, 8), 6.8, 6.8);
    QPainterPath hook;
    hook.moveTo(5.6, 6.2);
    hook.cubicTo(5.6, 3.2, 10.6, 3.2, 10.6, 6.0);
    hook.cubicTo(10.6, 7.8, 8.0, 8.0, 8.0, 10.0);
    p.setPen(QPen(Paper, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Paper);
    p.drawEllipse(QPointF(8, 12.3), 1.1, 1.1);
}

} // namespace

bool DrawCommandPicture(QPainter& p, TButtonPicture picture) {
    switch (picture) {
    case TButtonPicture::NewSketch:
        Sheet(p, 3.5, 1.5, 13.5, 14.5);
        UsePen(p, Figure);
        p.setBrush(Qt::NoBrush);
        // The title block in the corner of a fresh sheet.
        p.drawRect(QRectF(7.5, 10.5, 6, 4));
        p.drawLine(QPointF(7.5, 12.5), QPointF(13.5, 12.5));
        return true;
    case TButtonPicture::Open:
        folder(p);
        return true;
    case TButtonPicture::Save:
        floppy(p, 1.5, 1.5, 13);
        return true;
    case TButtonPicture::Print:
        UsePen(p, Outline);
        p.setBrush(Paper);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(Shade);
        p.drawRect(QRectF(1.5, 6.5, 13, 6));
        p.setBrush(Paper);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
        p.setPen(QColor(0, 160, 0));
        p.drawPoint(QPointF(12.5, 8.5));
        return true;
    case TButtonPicture::Cut:
        scissors(p);
        return true;
    case TButtonPicture::Copy:
        Sheet(p, 1.5, 1.5, 9.5, 10.5);
        Sheet(p, 6.5, 5.5, 14.5, 14.5);
        return true;
    case TButtonPicture::Paste:
        clipboard(p);
        return true;
    case TButtonPicture::Delete:
        crossOut(p);
        return true;
    case TButtonPicture::Marquee:
        dashedFrame(p, QRectF(1.5, 2.5, 13, 11));
        UsePen(p, Accent, 1.5);
        p.drawLine(QPointF(11, 11), QPointF(15, 15));
        return true;
    case TButtonPicture::Transparent: {
        // A pasted square through which the drawing below shows.
        UsePen(p, Figure, 1.5);
        p.drawLine(QPointF(1, 12), QPointF(15, 4));
        p.setPen(Qt::NoPen);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                if ((x + y) % 2 == 0)
                    p.fillRect(QRectF(4 + 2 * x, 4 + 2 * y, 2, 2), QColor(200, 200, 200, 170));
        dashedFrame(p, QRectF(3.5, 3.5, 9, 9));
        return true;
    }
    case TButtonPicture::Undo:
        TurnArrow(p, false, Accent);
        return true;
    case TButtonPicture::Redo:
        TurnArrow(p, true, Accent);
        return true;
    case TButtonPicture::ZoomIn:
        magnifier(p, true, false);
        return true;
    case TButtonPicture::ZoomOut:
        magnifier(p, false, true);
        return true;
    case TButtonPicture::ViewAll:
        Sheet(p, 2.5, 1.5, 13.5, 14.5);
        UsePen(p, Figure);
        p.drawLine(QPointF(4.5, 8), QPointF(11.5, 8));
        p.drawLine(QPointF(8, 4), QPointF(8, 12.5));
        ArrowHead(p, QPointF(8, 8), QPointF(4, 8), Figure, 2.5, 2);
        ArrowHead(p, QPointF(8, 8), QPointF(12, 8), Figure, 2.5, 2);
        ArrowHead(p, QPointF(8, 8), QPointF(8, 3.5), Figure, 2.5, 2);
        ArrowHead(p, QPointF(8, 8), QPointF(8, 13), Figure, 2.5, 2);
        return true;
    case TButtonPicture::LoadFragment:
        fragment(p);
        UsePen(p, QColor(0, 140, 0), 2);
        p.drawLine(QPointF(13, 2), QPointF(13, 9));
        ArrowHead(p, QPointF(13, 6), QPointF(13, 12), QColor(0, 140, 0), 4, 2.8);
        return true;
    case TButtonPicture::SaveFragment:
        fragment(p);
        floppy(p, 9.5, 9.5, 6);
        return true;
    case TButtonPicture::RotateImage:
        // The whole sheet, with the turn it is given.
        Sheet(p, 4.5, 6.5, 11.5, 15.5);
        TurnArrow(p, true, Attention);
        return true;
    case TButtonPicture::RotateByAngle:
        UsePen(p, Figure);
        p.drawLine(QPointF(2, 13.5), QPointF(14, 13.5));
        p.drawLine(QPointF(2, 13.5), QPointF(12, 3.5));
        p.setPen(QPen(Attention, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(-3, 6.5, 14, 14), 0, 45 * 16);
        return true;
    case TButtonPicture::Help:
        helpMark(p);
        return true;
    default:
        return false;
    }
}

} // namespace pictures

QIcon ButtonPicture(TButtonPicture picture) {
    if (picture == TButtonPicture::None) return QIcon();
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(16 * scale, 16 * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        if (!pictures::DrawCommandPicture(p, picture) && !pictures::DrawToolPicture(p, picture))
            pictures::DrawAnnotationPicture(p, picture);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
