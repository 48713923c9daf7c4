#pragma once
// What the tools may ask of the main window, and nothing more: the status prompt and
// read-outs, the drawing surface (cursor, events, repaint, zoom and scroll), the system
// pointer, the option buttons, actions and pop-up menus the tools switch, and the
// window that owns the option dialogs. The main window implements it; tests put a fake
// in its place. The tools never see the main window itself.

#include "tools/base/OptionButtons.h"

#include "gdi/Types.h"

#include <QPoint>
#include <QSize>
#include <QString>

class QAbstractButton;
class QAction;
class QWidget;
class TTechBase;

// Actions the tools enable, disable or check.
enum class TMainAction {
    SaveFragment,  // SaveFragmentCmd
    CompleteRight, // CompleteRightCmd
    CompleteDown,  // CompleteDownCmd
    FreePoint1,    // FreePoint1
    FreePoint2,    // FreePoint2
};

// The main window's pop-up menus that tools open.
enum class TPopupMenu { Copy, FourVertex, Rotate, Dopusk, FreeLine };

class TToolHost {
  public:
    virtual ~TToolHost() = default;

    // First status panel (the text goes through the prompt rules of the main window)
    // and the radius read-out, for a length in sketch pixels.
    virtual void SetPromptText(const QString& text) = 0;
    virtual void ShowRadius(float value) = 0;
    // The line-colour panel shows colour (the eyedropper took it from the sketch).
    virtual void ShowLineColor(gdi::COLORREF colour) = 0;
    // The point the X and Y read-outs count from, in sketch pixels.
    virtual gdi::Point GetMeasureOrigin() const = 0;
    virtual void SetMeasureOrigin(gdi::Point origin) = 0;

    // The drawing surface. Its mouse-down, -up, -move, -enter and -leave events go to
    // the Surf... operations of SurfaceEventTool() (TechBase.h), if there is one.
    virtual void SetSurfaceCursor(int cursorId) = 0;
    virtual void InvalidateSurface() = 0;
    // Screen pixels per sketch pixel, and the scroll position in screen pixels.
    virtual int Zoom() const = 0;
    virtual QPoint ScrollOffset() const = 0;
    virtual QSize SurfaceClientSize() const = 0;
    virtual QPoint SurfaceToScreen(QPoint client) const = 0;
    virtual QPoint ScreenToSurface(QPoint screen) const = 0;

    // The system pointer, in screen pixels.
    virtual QPoint PointerPos() const = 0;
    virtual void SetPointerPos(QPoint screen) = 0;

    // nullptr for a control the window does not have.
    virtual QAbstractButton* OptionButton(TOptionButton which) = 0;
    virtual QAction* MainAction(TMainAction which) = 0;
    virtual void PopupMenu(TPopupMenu which, QPoint screen) = 0;

    // Owner of the option dialogs; Enter in some dialogs gives it the focus back.
    virtual QWidget* MainWindow() = 0;
    virtual void ActivateMainWindow() = 0;
};

// The installed host, or one that does nothing when there is none (a tool then still
// works, unseen).
TToolHost& ToolHost();
void SetToolHost(TToolHost* host);
bool HasToolHost();

// The screen position of a sketch point: scaled by the zoom, less the scroll position,
// from the surface's client area to the screen.
QPoint SketchToScreen(gdi::Point point);
// The sketch position of the system pointer when it is inside the surface's client
// area; false (point unchanged) otherwise.
bool PointerSketchPos(gdi::Point& point);
