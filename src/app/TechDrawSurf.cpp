#include "app/TechDrawSurf.h"

#include <QCursor>
#include <QInputMethodEvent>
#include <QMouseEvent>

TTechDrawSurf* DrawSurf = nullptr;

TTechDrawSurf::TTechDrawSurf(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("DrawSurf"));
    setAccessibleName(QStringLiteral("DrawSurf"));
    // The owner paints every pixel of the client area each time.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    // Text composed by an input method (the text tool's typing) comes to the widget
    // with the focus: a click on the surface gives it the focus, and it takes such text.
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
}

QVariant TTechDrawSurf::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImEnabled) return true;
    if (query == Qt::ImCursorRectangle) return QRect(mapFromGlobal(QCursor::pos()), QSize(1, 1));
    return QWidget::inputMethodQuery(query);
}

void TTechDrawSurf::inputMethodEvent(QInputMethodEvent* event) {
    // The tools read the committed text through the message hook.
    event->accept();
}

QPoint TTechDrawSurf::SketchPoint(int clientX, int clientY) const {
    const int zoom = ZoomFactor > 0 ? ZoomFactor : 1;
    return {(clientX + ScrollX) / zoom, (clientY + ScrollY) / zoom};
}

namespace {

// Only the left and right buttons reach the tools.
bool isToolButton(const QMouseEvent& event) {
    return event.button() == Qt::LeftButton || event.button() == Qt::RightButton;
}

} // namespace

TSurfMouse TTechDrawSurf::sketchEvent(const QMouseEvent& event) const {
    const QPoint client = event.position().toPoint();
    const QPoint sketch = SketchPoint(client.x(), client.y());
    TSurfMouse m;
    m.Button = event.button();
    m.Buttons = event.buttons();
    m.Modifiers = event.modifiers();
    m.X = sketch.x();
    m.Y = sketch.y();
    return m;
}

void TTechDrawSurf::paintEvent(QPaintEvent*) {
    if (OnDraw) OnDraw(this);
}

void TTechDrawSurf::mousePressEvent(QMouseEvent* event) {
    if (!isToolButton(*event)) return;
    if (OnMouseDown) OnMouseDown(sketchEvent(*event));
}

void TTechDrawSurf::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!isToolButton(*event)) return;
    TSurfMouse m = sketchEvent(*event);
    m.Double = true;
    if (OnMouseDown) OnMouseDown(m);
}

void TTechDrawSurf::mouseReleaseEvent(QMouseEvent* event) {
    if (!isToolButton(*event)) return;
    if (OnMouseUp) OnMouseUp(sketchEvent(*event));
}

void TTechDrawSurf::mouseMoveEvent(QMouseEvent* event) {
    const QPoint client = event->position().toPoint();
    if (OnPreMouseMove) OnPreMouseMove(this, client.x(), client.y());
    if (OnMouseMove) OnMouseMove(sketchEvent(*event));
}

void TTechDrawSurf::enterEvent(QEnterEvent* event) {
    if (OnMouseEnter) {
        const QPoint client = event->position().toPoint();
        const QPoint sketch = SketchPoint(client.x(), client.y());
        OnMouseEnter(sketch.x(), sketch.y());
    }
    QWidget::enterEvent(event);
}

void TTechDrawSurf::leaveEvent(QEvent* event) {
    if (OnMouseLeave) OnMouseLeave(0, 0);
    QWidget::leaveEvent(event);
}
