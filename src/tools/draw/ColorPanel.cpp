#include "tools/draw/ColorPanel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include <cstdlib>

namespace {

QColor toQColor(gdi::COLORREF color) {
    return QColor(gdi::GetRValue(color), gdi::GetGValue(color), gdi::GetBValue(color));
}

} // namespace

gdi::COLORREF CaptionColorFor(gdi::COLORREF color) {
    // Half the colour taken from white: light on dark panels, dark on light ones.
    return 0x00FFFFFFu - color / 2;
}

TColorPanel::TColorPanel(int tag, const QString& caption, const QString& hint, gdi::COLORREF color,
                         QWidget* parent)
    : QFrame(parent), m_tag(tag), m_caption(caption), m_color(color) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setFixedSize(36, 22);
    setToolTip(hint);
    // The caption is the same on two panels; the hint tells them apart.
    setAccessibleName(hint);
    setAccessibleDescription(caption);
    setFocusPolicy(Qt::NoFocus);
}

void TColorPanel::SetColor(gdi::COLORREF color) {
    if (m_color == color) return;
    m_color = color;
    update();
}

void TColorPanel::SetFontColor(gdi::COLORREF color) {
    if (m_fontColor == color) return;
    m_fontColor = color;
    update();
}

void TColorPanel::paintEvent(QPaintEvent* event) {
    {
        QPainter p(this);
        p.fillRect(contentsRect(), toQColor(m_color));
        p.setPen(toQColor(m_fontColor));
        p.drawText(contentsRect(), Qt::AlignCenter, m_caption);
    }
    QFrame::paintEvent(event);
}

void TColorPanel::mousePressEvent(QMouseEvent* event) {
    m_dragStart = event->globalPosition().toPoint();
    if (OnMouseDown) OnMouseDown(this, event->button(), false);
}

void TColorPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    m_dragStart = event->globalPosition().toPoint();
    if (OnMouseDown) OnMouseDown(this, event->button(), true);
}

void TColorPanel::BeginDrag() {
    m_dragState = TDragState::Pending;
}

void TColorPanel::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragState == TDragState::None) return;
    const QPoint pos = event->globalPosition().toPoint();
    if (m_dragState == TDragState::Pending) {
        const QPoint moved = pos - m_dragStart;
        if (std::abs(moved.x()) < DragThreshold && std::abs(moved.y()) < DragThreshold) return;
        m_dragState = TDragState::Moving;
        QApplication::setOverrideCursor(Qt::ForbiddenCursor);
        m_cursorOverridden = true;
    }
    QApplication::changeOverrideCursor(DropTargetAt(pos) ? Qt::DragCopyCursor : Qt::ForbiddenCursor);
}

void TColorPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (m_dragState == TDragState::None) return;
    TColorPanel* target =
        m_dragState == TDragState::Moving ? DropTargetAt(event->globalPosition().toPoint()) : nullptr;
    if (target && target->OnDragDrop) target->OnDragDrop(target, this);
    EndDrag(target);
}

TColorPanel* TColorPanel::DropTargetAt(QPoint globalPos) {
    // Panels are dropped only within their own window, so the search stays there.
    for (TColorPanel* panel : window()->findChildren<TColorPanel*>()) {
        if (!panel->isVisible() || !panel->rect().contains(panel->mapFromGlobal(globalPos))) continue;
        return panel->OnDragOver && panel->OnDragOver(panel, this) ? panel : nullptr;
    }
    return nullptr;
}

void TColorPanel::EndDrag(TColorPanel* target) {
    m_dragState = TDragState::None;
    if (m_cursorOverridden) {
        QApplication::restoreOverrideCursor();
        m_cursorOverridden = false;
    }
    if (OnEndDrag) OnEndDrag(this, target);
}
