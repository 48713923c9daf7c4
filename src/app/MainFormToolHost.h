#pragma once
// The main window as the tools see it: their host, made by the window's creation and
// freed with the window. It hands the surface's mouse events to whichever tool holds the
// surface, owns the option-button store, and finds the buttons, actions and pop-up
// menus the tools switch by their component names.

#include "tools/base/ToolHost.h"

class TMainForm;

class TMainFormToolHost final : public TToolHost {
  public:
    // Becomes the tools' host and makes the option-button store.
    explicit TMainFormToolHost(TMainForm& form);
    // Frees the current tool and the store, and stops being the host.
    ~TMainFormToolHost() override;
    TMainFormToolHost(const TMainFormToolHost&) = delete;
    TMainFormToolHost& operator=(const TMainFormToolHost&) = delete;

    void SetPromptText(const QString& text) override;
    void ShowRadius(float value) override;
    void ShowLineColor(gdi::COLORREF colour) override;
    gdi::Point GetMeasureOrigin() const override;
    void SetMeasureOrigin(gdi::Point origin) override;
    void SetSurfaceCursor(int cursorId) override;
    void InvalidateSurface() override;
    int Zoom() const override;
    QPoint ScrollOffset() const override;
    QSize SurfaceClientSize() const override;
    QPoint SurfaceToScreen(QPoint client) const override;
    QPoint ScreenToSurface(QPoint screen) const override;
    QPoint PointerPos() const override;
    void SetPointerPos(QPoint screen) override;
    QAbstractButton* OptionButton(TOptionButton which) override;
    QAction* MainAction(TMainAction which) override;
    void PopupMenu(TPopupMenu which, QPoint screen) override;
    QWidget* MainWindow() override;
    void ActivateMainWindow() override;

  private:
    TMainForm& m_form;
};
