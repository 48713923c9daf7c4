#pragma once
// What tool tests stand on. TTestHost is a main window reduced to what the tools may ask
// of it (a prompt, read-outs, a surface on the screen, the option buttons); TToolHarness
// adds a white sketch with the globals a tool draws through. The input functions drive
// whichever tool holds the surface, in sketch pixels, under any host (this one or the
// real main window). TSketchReference is the expected picture, drawn through the raster
// layer, and tells where the sketch first differs from it.

#include "tools/base/TechBase.h"
#include "tools/base/ToolHost.h"
#include "tools/base/ToolSwitch.h"

#include "document/DocumentHost.h"

#include "gdi/Bitmap.h"
#include "gdi/DeviceContext.h"
#include "gdi/Pen.h"

#include <QPoint>
#include <QSize>
#include <QStringList>

#include <memory>
#include <string>

class QAction;
class QToolBar;
class QToolButton;
class QWidget;

// ---- The host ---------------------------------------------------------------------------------

class TTestHost : public TToolHost {
  public:
    // Installs itself as the host; a window with a tool bar holds an action and a
    // button for every option button, disabled, as the main window starts them.
    TTestHost();
    // Frees the current tool and stops being the host.
    ~TTestHost() override;

    void SetPromptText(const QString& text) override;
    void ShowRadius(float value) override { Radius = value; }
    void ShowLineColor(gdi::COLORREF colour) override { LineColor = colour; }
    gdi::Point GetMeasureOrigin() const override { return Origin; }
    void SetMeasureOrigin(gdi::Point origin) override { Origin = origin; }
    void SetSurfaceCursor(int cursorId) override { Cursor = cursorId; }
    void InvalidateSurface() override { ++Invalidations; }
    int Zoom() const override { return ZoomFactor; }
    QPoint ScrollOffset() const override { return Scroll; }
    QSize SurfaceClientSize() const override { return ClientSize; }
    QPoint SurfaceToScreen(QPoint client) const override { return client + SurfaceOrigin; }
    QPoint ScreenToSurface(QPoint screen) const override { return screen - SurfaceOrigin; }
    QPoint PointerPos() const override { return Pointer; }
    void SetPointerPos(QPoint screen) override { Pointer = screen; }
    QAbstractButton* OptionButton(TOptionButton which) override;
    QAction* MainAction(TMainAction) override { return nullptr; }
    void PopupMenu(TPopupMenu which, QPoint screen) override {
        ++Popups;
        LastPopup = which;
        PopupAt = screen;
    }
    QWidget* MainWindow() override { return Window.get(); }
    void ActivateMainWindow() override { ++Activations; }

    QAction* OptionAction(TOptionButton which);
    // The user's click on an option button: the button toggles and the current tool is
    // told, as the main window does; a button no tool takes goes back up.
    void ToggleOption(TOptionButton which);

    // What the main window shows: the first status panel (after the prompt rules), the
    // radius read-out, the measurement origin and the surface cursor.
    QString Prompt;
    // Every text the first panel showed, in order.
    QStringList PromptHistory;
    float Radius = -1;
    gdi::COLORREF LineColor = 0;
    gdi::Point Origin;
    int Cursor = 1;
    int Invalidations = 0;
    int Activations = 0;
    // The pop-up menus opened: how many, the last one and where on the screen.
    int Popups = 0;
    TPopupMenu LastPopup = TPopupMenu::Copy;
    QPoint PopupAt;

    // The surface: at SurfaceOrigin on the screen, ClientSize big.
    int ZoomFactor = 1;
    QPoint Scroll;
    QSize ClientSize{300, 200};
    QPoint SurfaceOrigin{100, 50};
    QPoint Pointer{0, 0};

    std::unique_ptr<QWidget> Window;
    QToolBar* Bar = nullptr;
};

// What the document tells its window about undo.
class TTestDocumentHost : public TDocumentHost {
  public:
    void EnableUndoActions(bool canUndo, bool canRedo) override;

    bool CanUndo = false;
    bool CanRedo = false;
    int UndoRefreshes = 0;
};

// ---- The sketch -------------------------------------------------------------------------------

// A white sketch of the given size with its history, the shared pens and the option
// button store, all gone again with the harness; and a host.
class TToolHarness {
  public:
    explicit TToolHarness(int width = 200, int height = 150);
    ~TToolHarness();
    TToolHarness(const TToolHarness&) = delete;
    TToolHarness& operator=(const TToolHarness&) = delete;

    // Makes T the current tool, as its command does.
    template <class T> T& Select() {
        SelectTool(ToolClass<T>, nullptr, nullptr);
        return dynamic_cast<T&>(*CurrentTool);
    }

    TTestDocumentHost DocumentHost;
    TTestHost Host;
};

// ---- Input, in sketch pixels --------------------------------------------------------------------

// The pointer comes onto the surface at point.
void PointerEnter(gdi::Point point);
void PointerLeave();
// The pointer moves to point; the host's system pointer goes there too, so that Enter
// and Esc click there.
void PointerMove(gdi::Point point, TShiftState shift = {});
// A press and a release of button at point.
void Click(gdi::Point point, Qt::MouseButton button = Qt::LeftButton, TShiftState shift = {});
// A key press and release, through the application's message hook.
void Key(int key, Qt::KeyboardModifiers modifiers = {});
// Only the press, or only the release, for keys that are held (Ctrl).
void KeyDown(int key, Qt::KeyboardModifiers modifiers = {});
void KeyUp(int key, Qt::KeyboardModifiers modifiers = {});

// ---- The expected picture -------------------------------------------------------------------------

class TSketchReference {
  public:
    // A copy of the sketch as it is now.
    TSketchReference();

    gdi::DeviceContext& DC() { return m_dc; }
    // A segment drawn as the line tools draw theirs: from one end to the other with
    // pen, the line pen unless told otherwise.
    void Line(gdi::Point from, gdi::Point to, const gdi::PenPtr& pen = nullptr);
    // Where the sketch first differs from the picture, in reading order, with both
    // colours; empty when they are the same.
    std::string FirstDifference() const;

  private:
    gdi::BitmapPtr m_bitmap;
    mutable gdi::DeviceContext m_dc;
};
