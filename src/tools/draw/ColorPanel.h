#pragma once
// A small coloured panel of the tool bars and tool windows that stands for one colour
// of the program (the line colour, the eraser's new and old colour, the fill colour, the
// block colour). Its caption is written in a colour of its own so that it stays readable
// on the panel's colour.
//
// The owner decides what a press means through OnMouseDown. A panel can be dragged onto
// another panel of the same window, which copies the colour from one role to another:
// after BeginDrag the drag really starts only once the pointer has moved DragThreshold
// pixels, so that a click is not taken for a drag.

#include "gdi/Types.h"

#include <QFrame>
#include <QPoint>

#include <functional>

class TColorPanel : public QFrame {
    Q_OBJECT
  public:
    static constexpr int DragThreshold = 3;

    TColorPanel(int tag, const QString& caption, const QString& hint, gdi::COLORREF color,
                QWidget* parent = nullptr);

    int Tag() const { return m_tag; }
    QString Caption() const { return m_caption; }
    gdi::COLORREF Color() const { return m_color; }
    void SetColor(gdi::COLORREF color);
    gdi::COLORREF FontColor() const { return m_fontColor; }
    void SetFontColor(gdi::COLORREF color);

    // A drag has been begun and not yet ended: pending until the threshold is passed.
    bool Dragging() const { return m_dragState != TDragState::None; }
    // The pointer has passed the threshold: the panel is being carried.
    bool DragMoving() const { return m_dragState == TDragState::Moving; }
    void BeginDrag();

    // A press of any button; double tells a double click.
    std::function<void(TColorPanel* sender, Qt::MouseButton button, bool isDouble)> OnMouseDown;
    // Whether this panel takes source as a drop.
    std::function<bool(TColorPanel* target, TColorPanel* source)> OnDragOver;
    std::function<void(TColorPanel* target, TColorPanel* source)> OnDragDrop;
    // The drag of this panel is over; target is the panel it was dropped on, or none.
    std::function<void(TColorPanel* source, TColorPanel* target)> OnEndDrag;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    enum class TDragState { None, Pending, Moving };

    // The panel of this window under a screen point that takes this panel, or none.
    TColorPanel* DropTargetAt(QPoint globalPos);
    void EndDrag(TColorPanel* target);

    int m_tag;
    QString m_caption;
    gdi::COLORREF m_color;
    gdi::COLORREF m_fontColor = 0;
    TDragState m_dragState = TDragState::None;
    QPoint m_dragStart;
    bool m_cursorOverridden = false;
};

// The caption colour that stays readable on a panel of the given colour.
gdi::COLORREF CaptionColorFor(gdi::COLORREF color);
