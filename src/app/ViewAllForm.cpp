#include "app/ViewAllForm.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <cmath>

TViewAllForm::TViewAllForm(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("ViewAllForm"));
    setWindowTitle(QStringLiteral("Увидеть всё"));
    // Without a window manager a maximised window would keep its default size.
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(Qt::WindowMaximized);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool TViewAllForm::SetSource(const gdi::DeviceContext* dc, int32_t width, int32_t height) {
    if (!dc || width == 0 || height == 0) return false;
    m_source = dc;
    m_sourceWidth = width;
    m_sourceHeight = height;
    update();
    return true;
}

void TViewAllForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    update();
}

const QImage& TViewAllForm::Picture() {
    Render();
    return m_picture.Image();
}

void TViewAllForm::Render() {
    m_picture.Resize(width(), height());
    if (m_picture.IsEmpty()) return;
    gdi::DeviceContext& dc = m_picture.DC();
    const int32_t cw = m_picture.Width(), ch = m_picture.Height();
    dc.fillRect({0, 0, cw, ch}, gdi::createSolidBrush(ToColorRef(palette().color(QPalette::Window))));
    if (m_source && m_sourceWidth > 0 && m_sourceHeight > 0) {
        const float s = std::min(float(ch) / float(m_sourceHeight), float(cw) / float(m_sourceWidth));
        const float w = float(m_sourceWidth) * s, h = float(m_sourceHeight) * s;
        // Shrinking keeps the black lines: the layer's default stretch mode merges the
        // rows and columns it drops into the ones it keeps.
        dc.stretchBlt(int32_t(std::nearbyint((float(cw) - w) / 2)),
                      int32_t(std::nearbyint((float(ch) - h) / 2)), int32_t(std::nearbyint(w)),
                      int32_t(std::nearbyint(h)), m_source, 0, 0, m_sourceWidth, m_sourceHeight,
                      gdi::SRCCOPY);
    }
    const gdi::Rect client{0, 0, cw, ch};
    dc.frameRegion(gdi::Region(client), gdi::stockBlackBrush(), 1, 1);
}

void TViewAllForm::paintEvent(QPaintEvent*) {
    Render();
    QPainter p(this);
    if (!m_picture.IsEmpty()) p.drawImage(0, 0, m_picture.Image());
}
