#include "app/Ruler.h"

#include <QPainter>

#include <cmath>
#include <string>

namespace {

// Rounding to the nearest, ties to even, in extended precision as the scale was always
// computed.
int roundPos(long double v) {
    return int(std::nearbyintl(v));
}

gdi::FontPtr numberFont() {
    gdi::LogFont log;
    log.height = -11;
    log.faceName = "MS Sans Serif";
    return gdi::createFontIndirect(log);
}

} // namespace

TRuler::TRuler(TRulerOrientation orientation, QWidget* parent) : QWidget(parent), m_orientation(orientation) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

void TRuler::SetOffset(int value) {
    if (value == m_offset) return;
    m_offset = value;
    DrawScale();
}

void TRuler::SetZoom(int value) {
    if (value == m_zoom) return;
    m_zoom = value;
    DrawScale();
}

void TRuler::SetRulerOrientation(TRulerOrientation value) {
    if (value == m_orientation) return;
    m_orientation = value;
    DrawScale();
}

void TRuler::SetMin(float value) {
    if (value == m_min) return;
    m_min = value;
    update();
}

void TRuler::SetMarker(int pos) {
    EnsureScale();
    if (pos == m_marker) return;
    m_previousMarker = m_markerOnBitmap ? m_marker : -1;
    m_marker = pos;
    PaintMarker();
}

const QImage& TRuler::ScaleImage() {
    EnsureScale();
    return m_scale.Image();
}

void TRuler::resizeEvent(QResizeEvent*) {
    DrawScale();
}

void TRuler::EnsureScale() {
    if (m_scale.Width() != width() || m_scale.Height() != height()) DrawScale();
}

void TRuler::Tick(int along, int length) {
    gdi::DeviceContext& dc = m_scale.DC();
    if (m_orientation == roHorizontal) {
        const int h = m_scale.Height();
        dc.moveTo(along, h);
        dc.lineTo(along, h - length);
    } else {
        const int w = m_scale.Width();
        dc.moveTo(w, along);
        dc.lineTo(w - length, along);
    }
}

void TRuler::DrawScale() {
    m_scale.Resize(width(), height());
    m_markerOnBitmap = false;
    if (m_scale.IsEmpty()) return;
    gdi::DeviceContext& dc = m_scale.DC();
    dc.fillRect({0, 0, m_scale.Width(), m_scale.Height()}, gdi::stockWhiteBrush());
    gdi::PenPtr oldPen = dc.selectPen(gdi::stockBlackPen());
    const int oldRop = dc.setROP2(gdi::R2_COPYPEN);
    gdi::FontPtr oldFont = dc.selectFont(numberFont());
    dc.setBkMode(gdi::TRANSPARENT);
    dc.setTextColor(0);
    dc.setTextAlign(gdi::TA_LEFT | gdi::TA_TOP);

    const long double zoom = m_zoom, offset = m_offset;
    const long double u = zoom * PixelsPerCm;
    const int length = m_orientation == roHorizontal ? m_scale.Width() : m_scale.Height();
    const int first = int(std::truncl(offset / u));
    const int last = roundPos((length + offset) / u);
    for (int n = first; n <= last; ++n) {
        for (int i = 0; i <= 10; ++i)
            Tick(roundPos((n * PixelsPerCm + i * PixelsPerMm) * zoom - offset), 3);
        Tick(roundPos(zoom * n * PixelsPerCm - offset), 10);
        const int textAlong = roundPos(zoom * n * PixelsPerCm - offset + 2);
        const std::string number = std::to_string(n);
        if (m_orientation == roHorizontal)
            dc.textOut(textAlong, m_scale.Height() - 15, number);
        else
            dc.textOut(m_scale.Width() - 15, textAlong, number);
        Tick(roundPos(zoom * (n + 0.5L) * PixelsPerCm - offset), 5);
    }

    dc.selectFont(std::move(oldFont));
    dc.setROP2(oldRop);
    dc.selectPen(std::move(oldPen));
    PaintMarker();
}

void TRuler::MarkerLine(int pos) {
    gdi::DeviceContext& dc = m_scale.DC();
    if (m_orientation == roHorizontal) {
        dc.moveTo(pos, 0);
        dc.lineTo(pos, m_scale.Height());
    } else {
        dc.moveTo(0, pos);
        dc.lineTo(m_scale.Width(), pos);
    }
}

void TRuler::PaintMarker() {
    if (!m_scale.IsEmpty()) {
        gdi::DeviceContext& dc = m_scale.DC();
        gdi::PenPtr oldPen = dc.selectPen(gdi::stockBlackPen());
        const int oldRop = dc.setROP2(gdi::R2_NOTXORPEN);
        if (m_markerOnBitmap) MarkerLine(m_previousMarker);
        MarkerLine(m_marker);
        m_previousMarker = m_marker;
        m_markerOnBitmap = true;
        dc.setROP2(oldRop);
        dc.selectPen(std::move(oldPen));
    }
    update();
}

void TRuler::paintEvent(QPaintEvent*) {
    EnsureScale();
    QPainter p(this);
    if (!m_scale.IsEmpty()) p.drawImage(0, 0, m_scale.Image());
}
