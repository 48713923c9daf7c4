#include "app/MainFormToolHost.h"

#include "app/Cursors.h"
#include "app/MainForm.h"
#include "tools/base/BttnStateStorage.h"
#include "tools/base/ToolSwitch.h"

#include <QAbstractButton>
#include <QAction>
#include <QCursor>
#include <QMenu>

namespace {

const char* optionButtonName(TOptionButton which) {
    switch (which) {
    case TOptionButton::PointCapt:
        return "PointCaptButton";
    case TOptionButton::Orthogonally:
        return "OrthogonallyToolButton";
    case TOptionButton::Transparent:
        return "TransparenToolButton";
    case TOptionButton::FreePoint1:
        return "FreePoint1Button";
    case TOptionButton::FreePoint2:
        return "FreePoint2Button";
    }
    return "";
}

const char* actionName(TMainAction which) {
    switch (which) {
    case TMainAction::Undo:
        return "UndoCmd";
    case TMainAction::Redo:
        return "RedoCmd";
    case TMainAction::SaveFragment:
        return "SaveFragmentCmd";
    case TMainAction::CompleteRight:
        return "CompleteRightCmd";
    case TMainAction::CompleteDown:
        return "CompleteDownCmd";
    case TMainAction::FreePoint1:
        return "FreePoint1";
    case TMainAction::FreePoint2:
        return "FreePoint2";
    }
    return "";
}

const char* popupName(TPopupMenu which) {
    switch (which) {
    case TPopupMenu::Copy:
        return "CopyPopup";
    case TPopupMenu::FourVertex:
        return "FourVertexPopup";
    case TPopupMenu::Rotate:
        return "RotatePopup";
    case TPopupMenu::Dopusk:
        return "DopuskPopup";
    case TPopupMenu::FreeLine:
        return "FreeLinePopup";
    }
    return "";
}

TShiftState shiftOf(const TSurfMouse& m) {
    return ShiftStateOf(m.Modifiers, m.Buttons, m.Double);
}

} // namespace

TMainFormToolHost::TMainFormToolHost(TMainForm& form) : m_form(form) {
    TTechDrawSurf* surf = m_form.DrawSurf;
    surf->OnMouseDown = [this, surf](const TSurfMouse& m) {
        if (m_surfaceTool) m_surfaceTool->SurfMouseDown(surf, m.Button, shiftOf(m), m.X, m.Y);
    };
    surf->OnMouseUp = [this, surf](const TSurfMouse& m) {
        if (m_surfaceTool) m_surfaceTool->SurfMouseUp(surf, m.Button, shiftOf(m), m.X, m.Y);
    };
    surf->OnMouseMove = [this, surf](const TSurfMouse& m) {
        if (m_surfaceTool) m_surfaceTool->SurfMouseMove(surf, shiftOf(m), m.X, m.Y);
    };
    surf->OnMouseEnter = [this](int x, int y) {
        if (m_surfaceTool) m_surfaceTool->SurfMouseEnter(x, y);
    };
    surf->OnMouseLeave = [this](int x, int y) {
        if (m_surfaceTool) m_surfaceTool->SurfMouseLeave(x, y);
    };
    BttnStateStorage = std::make_unique<TBttnStateStorage>();
    SetToolHost(this);
}

TMainFormToolHost::~TMainFormToolHost() {
    FreeCurrentTool();
    BttnStateStorage.reset();
    SetToolHost(nullptr);
    TTechDrawSurf* surf = m_form.DrawSurf;
    surf->OnMouseDown = nullptr;
    surf->OnMouseUp = nullptr;
    surf->OnMouseMove = nullptr;
    surf->OnMouseEnter = nullptr;
    surf->OnMouseLeave = nullptr;
}

void TMainFormToolHost::SetPromptText(const QString& text) {
    m_form.SetPromptText(text);
}

void TMainFormToolHost::ShowRadius(float value) {
    m_form.ShowRadius(value);
}

gdi::Point TMainFormToolHost::GetMeasureOrigin() const {
    return m_form.MeasureOrigin;
}

void TMainFormToolHost::SetMeasureOrigin(gdi::Point origin) {
    m_form.MeasureOrigin = origin;
}

void TMainFormToolHost::SetSurfaceCursor(int cursorId) {
    m_form.DrawSurf->setCursor(ProgramCursor(cursorId));
}

void TMainFormToolHost::BindSurfaceEvents(TTechBase* tool) {
    m_surfaceTool = tool;
}

void TMainFormToolHost::InvalidateSurface() {
    m_form.DrawSurf->update();
}

int TMainFormToolHost::Zoom() const {
    return m_form.ZoomFactor;
}

QPoint TMainFormToolHost::ScrollOffset() const {
    return {m_form.DrawSurf->ScrollX, m_form.DrawSurf->ScrollY};
}

QSize TMainFormToolHost::SurfaceClientSize() const {
    return m_form.DrawSurf->size();
}

QPoint TMainFormToolHost::SurfaceToScreen(QPoint client) const {
    return m_form.DrawSurf->mapToGlobal(client);
}

QPoint TMainFormToolHost::ScreenToSurface(QPoint screen) const {
    return m_form.DrawSurf->mapFromGlobal(screen);
}

QPoint TMainFormToolHost::PointerPos() const {
    return QCursor::pos();
}

void TMainFormToolHost::SetPointerPos(QPoint screen) {
    QCursor::setPos(screen);
}

QAbstractButton* TMainFormToolHost::OptionButton(TOptionButton which) {
    return m_form.findChild<QAbstractButton*>(QLatin1String(optionButtonName(which)));
}

QAction* TMainFormToolHost::MainAction(TMainAction which) {
    return m_form.findChild<QAction*>(QLatin1String(actionName(which)));
}

void TMainFormToolHost::PopupMenu(TPopupMenu which, QPoint screen) {
    if (QMenu* menu = m_form.findChild<QMenu*>(QLatin1String(popupName(which)))) menu->popup(screen);
}

QWidget* TMainFormToolHost::MainWindow() {
    return &m_form;
}

void TMainFormToolHost::ActivateMainWindow() {
    m_form.activateWindow();
}
