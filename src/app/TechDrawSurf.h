#pragma once
// The drawing surface: shows the sketch (painted by its owner through OnDraw) and hands
// mouse events on in sketch pixels, whatever the zoom and scroll position.

#include <QWidget>

#include <functional>

// One mouse event in sketch pixels.
struct TSurfMouse {
    Qt::MouseButton Button = Qt::NoButton; // the button pressed or released; none for moves
    Qt::MouseButtons Buttons;              // buttons held during the event
    Qt::KeyboardModifiers Modifiers;
    bool Double = false; // the press is the second of a double click
    int X = 0;
    int Y = 0;
};

class TTechDrawSurf : public QWidget {
    Q_OBJECT
  public:
    explicit TTechDrawSurf(QWidget* parent = nullptr);

    // Sketch position of a client point: integer division toward zero, in 32 bits.
    QPoint SketchPoint(int clientX, int clientY) const;

    // Every paint of the surface; the handler paints the whole client area.
    std::function<void(TTechDrawSurf*)> OnDraw;
    int ZoomFactor = 1;
    // The pointer entered, at this sketch position; left (always with 0, 0).
    std::function<void(int, int)> OnMouseEnter;
    std::function<void(int, int)> OnMouseLeave;
    // Every move, in client coordinates, before it is turned into sketch pixels.
    std::function<void(TTechDrawSurf*, int, int)> OnPreMouseMove;
    // Scroll position in screen pixels.
    int ScrollX = 0;
    int ScrollY = 0;

    // The tools' events, in sketch pixels. The second press of a double click is a
    // press with Double set.
    std::function<void(const TSurfMouse&)> OnMouseDown;
    std::function<void(const TSurfMouse&)> OnMouseUp;
    std::function<void(const TSurfMouse&)> OnMouseMove;

  protected:
    void paintEvent(QPaintEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    TSurfMouse sketchEvent(const QMouseEvent& event) const;
};

// The surface of the main window, for the tools (set by the main window).
extern TTechDrawSurf* DrawSurf;
