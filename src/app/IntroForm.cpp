#include "app/IntroForm.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace {

// A turned shaft with a keyway section, its axis, a diameter and a length dimension:
// the kind of drawing an operation sketch holds.
void drawShaft(QPainter& p, const QRectF& area) {
    const QPen outline(QColor(0, 0, 0), 2);
    const QPen thin(QColor(0, 0, 0), 1);
    const QPen axis(QColor(0, 0, 0), 1, Qt::DashDotLine);
    const double x0 = area.left(), cy = area.center().y();

    struct Step {
        double length, radius;
    };
    const Step steps[] = {{40, 22}, {70, 34}, {30, 42}, {60, 30}, {40, 20}};
    QPainterPath body;
    double x = x0;
    body.moveTo(x, cy - steps[0].radius);
    for (const Step& s : steps) {
        body.lineTo(x, cy - s.radius);
        body.lineTo(x + s.length, cy - s.radius);
        x += s.length;
    }
    const double xEnd = x;
    for (int i = int(std::size(steps)) - 1; i >= 0; --i) {
        body.lineTo(x, cy + steps[i].radius);
        body.lineTo(x - steps[i].length, cy + steps[i].radius);
        x -= steps[i].length;
    }
    body.closeSubpath();
    p.setPen(outline);
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(body);

    // Shoulders between the steps.
    p.setPen(thin);
    x = x0;
    for (const Step& s : steps) {
        x += s.length;
        if (x < xEnd) p.drawLine(QPointF(x, cy - 42), QPointF(x, cy + 42));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(outline);
    x = x0;
    for (size_t i = 0; i + 1 < std::size(steps); ++i) {
        x += steps[i].length;
        const double r = std::min(steps[i].radius, steps[i + 1].radius);
        p.drawLine(QPointF(x, cy - r), QPointF(x, cy + r));
    }

    p.setPen(axis);
    p.drawLine(QPointF(x0 - 15, cy), QPointF(xEnd + 15, cy));

    // Length dimension under the part.
    p.setPen(thin);
    const double dimY = cy + 62;
    p.drawLine(QPointF(x0, cy + 24), QPointF(x0, dimY + 5));
    p.drawLine(QPointF(xEnd, cy + 22), QPointF(xEnd, dimY + 5));
    p.drawLine(QPointF(x0, dimY), QPointF(xEnd, dimY));
    auto arrow = [&p](QPointF tip, double dir) {
        QPainterPath head;
        head.moveTo(tip);
        head.lineTo(tip + QPointF(-12 * dir, -3));
        head.lineTo(tip + QPointF(-12 * dir, 3));
        head.closeSubpath();
        p.fillPath(head, QColor(0, 0, 0));
    };
    arrow(QPointF(x0, dimY), -1);
    arrow(QPointF(xEnd, dimY), 1);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    p.setFont(font);
    p.drawText(QRectF(x0, dimY - 17, xEnd - x0, 15), Qt::AlignHCenter | Qt::AlignBottom,
               QStringLiteral("240"));

    // Diameter of the collar.
    const double dx = x0 + 40 + 70 + 15;
    p.drawLine(QPointF(dx, cy - 42), QPointF(dx, cy - 70));
    p.drawText(QRectF(dx + 4, cy - 72, 60, 15), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("⌀84"));

    // Roughness mark on the long step.
    const double rx = x0 + 40 + 70 + 30 + 25, ry = cy - 30;
    p.drawLine(QPointF(rx - 6, ry - 10), QPointF(rx, ry));
    p.drawLine(QPointF(rx, ry), QPointF(rx + 12, ry - 20));
    p.drawLine(QPointF(rx + 12, ry - 20), QPointF(rx + 30, ry - 20));
    p.drawText(QRectF(rx + 10, ry - 36, 40, 15), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Ra 1,6"));
}

} // namespace

TIntroForm::TIntroForm()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_image(IntroImage()) {
    setObjectName(QStringLiteral("IntroForm"));
    setFixedSize(ImageWidth, ImageHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(ImageWidth / 2, ImageHeight / 2));
}

QImage TIntroForm::IntroImage() {
    QImage image(ImageWidth, ImageHeight, QImage::Format_RGB32);
    image.fill(QColor(255, 255, 255));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // A drawing sheet: a faint grid inside a frame with a title strip at the bottom.
    p.setPen(QColor(222, 230, 240));
    for (int x = 20; x < ImageWidth - 10; x += 19)
        p.drawLine(x, 10, x, ImageHeight - 80);
    for (int y = 10; y < ImageHeight - 80; y += 19)
        p.drawLine(10, y, ImageWidth - 10, y);
    p.setPen(QPen(QColor(0, 0, 0), 2));
    p.drawRect(QRectF(8, 8, ImageWidth - 16, ImageHeight - 16));
    p.fillRect(QRectF(9, ImageHeight - 80, ImageWidth - 18, 71), QColor(24, 56, 104));

    drawShaft(p, QRectF(120, 40, 320, 200));

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(32);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRectF(9, ImageHeight - 78, ImageWidth - 18, 44), Qt::AlignCenter,
               QStringLiteral("Вериграф технолога"));
    QFont sub(QStringLiteral("DejaVu Sans"));
    sub.setPixelSize(13);
    p.setFont(sub);
    p.setPen(QColor(200, 214, 235));
    p.drawText(QRectF(9, ImageHeight - 38, ImageWidth - 18, 24), Qt::AlignCenter,
               QStringLiteral("Операционные эскизы технологического процесса"));
    return image;
}

void TIntroForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, m_image);
}
