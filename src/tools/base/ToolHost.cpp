#include "tools/base/ToolHost.h"

namespace {

class TNullToolHost final : public TToolHost {
  public:
    void SetPromptText(const QString&) override {}
    void ShowRadius(float) override {}
    void ShowLineColor(gdi::COLORREF) override {}
    gdi::Point GetMeasureOrigin() const override { return m_origin; }
    void SetMeasureOrigin(gdi::Point origin) override { m_origin = origin; }
    void SetSurfaceCursor(int) override {}
    void InvalidateSurface() override {}
    int Zoom() const override { return 1; }
    QPoint ScrollOffset() const override { return {}; }
    QSize SurfaceClientSize() const override { return {}; }
    QPoint SurfaceToScreen(QPoint client) const override { return client; }
    QPoint ScreenToSurface(QPoint screen) const override { return screen; }
    QPoint PointerPos() const override { return {}; }
    void SetPointerPos(QPoint) override {}
    QAbstractButton* OptionButton(TOptionButton) override { return nullptr; }
    QAction* MainAction(TMainAction) override { return nullptr; }
    void PopupMenu(TPopupMenu, QPoint) override {}
    QWidget* MainWindow() override { return nullptr; }
    void ActivateMainWindow() override {}

  private:
    gdi::Point m_origin;
};

TToolHost* g_host = nullptr;

} // namespace

TToolHost& ToolHost() {
    static TNullToolHost nullHost;
    return g_host ? *g_host : nullHost;
}

void SetToolHost(TToolHost* host) {
    g_host = host;
}

bool HasToolHost() {
    return g_host != nullptr;
}

QPoint SketchToScreen(gdi::Point point) {
    TToolHost& host = ToolHost();
    const int zoom = host.Zoom();
    const QPoint scroll = host.ScrollOffset();
    return host.SurfaceToScreen(QPoint(point.x * zoom - scroll.x(), point.y * zoom - scroll.y()));
}

bool PointerSketchPos(gdi::Point& point) {
    TToolHost& host = ToolHost();
    const QPoint client = host.ScreenToSurface(host.PointerPos());
    const QSize size = host.SurfaceClientSize();
    if (client.x() < 0 || client.y() < 0 || client.x() >= size.width() || client.y() >= size.height())
        return false;
    const int zoom = host.Zoom() > 0 ? host.Zoom() : 1;
    const QPoint scroll = host.ScrollOffset();
    point = {(client.x() + scroll.x()) / zoom, (client.y() + scroll.y()) / zoom};
    return true;
}
