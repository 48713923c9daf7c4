#include "app/MainFormToolHost.h"

#include "app/Cursors.h"
#include "app/MainForm.h"
#include "tools/base/BttnStateStorage.h"
#include "tools/base/TechBase.h"
#include "tools/base/ToolSwitch.h"

#include <QAbstractButton>
#include <QAction>
#include <QCursor>
#include <QMenu>

#include <array>

namespace {

// Component names, in the order of the enumerations.
constexpr std::array<const char*, 5> ActionNames = {"SaveFragmentCmd", "CompleteRightCmd", "CompleteDownCmd",
                                                    "FreePoint1", "FreePoint2"};
constexpr std::array<const char*, 5> PopupNames = {"CopyPopup", "FourVertexPopup", "RotatePopup",
                                                   "DopuskPopup", "FreeLinePopup"};
static_assert(ActionNames.size() == size_t(TMainAction::FreePoint2) + 1);
static_assert(PopupNames.size() == size_t(TPopupMenu::FreeLine) + 1);

TShiftState shiftOf(const TSurfMouse& m) {
    return ShiftStateOf(m.Modifiers, m.Buttons, m.Double);
}

} // namespace

TMainFormToolHost::TMainFormToolHost(TMainForm& form) : m_form(form) {
    TTechDrawSurf* surf = m_form.DrawSurf;
    surf->OnMouseDown = [surf](const TSurfMouse& m) {
        if (TTechBase* tool = SurfaceEventTool()) tool->SurfMouseDown(surf, m.Button, shiftOf(m), m.X, m.Y);
    };
    surf->OnMouseUp = [surf](const TSurfMouse& m) {
        if (TTechBase* tool = SurfaceEventTool()) tool->SurfMouseUp(surf, m.Button, shiftOf(m), m.X, m.Y);
    };
    surf->OnMouseMove = [surf](const TSurfMouse& m) {
        if (TTechBase* tool = SurfaceEventTool()) tool->SurfMouseMove(surf, shiftOf(m), m.X, m.Y);
    };
    surf->OnMouseEnter = [](int x, int y) {
        if (TTechBase* tool = SurfaceEventTool()) tool->SurfMouseEnter(x, y);
    };
    surf->OnMouseLeave = [](int x, int y) {
        if (TTechBase* tool = SurfaceEventTool()) tool->SurfMouseLeave(x, y);
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

void TMainFormToolHost::ShowLineColor(gdi::COLORREF colour) {
    TMainForm::SetPanelColor(m_form.LinesColor, colour);
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
    return m_form.findChild<QAbstractButton*>(QLatin1String(OptionButtonName(which)));
}

QAction* TMainFormToolHost::MainAction(TMainAction which) {
    return m_form.findChild<QAction*>(QLatin1String(ActionNames[size_t(which)]));
}

void TMainFormToolHost::PopupMenu(TPopupMenu which, QPoint screen) {
    if (QMenu* menu = m_form.findChild<QMenu*>(QLatin1String(PopupNames[size_t(which)]))) menu->popup(screen);
}

QWidget* TMainFormToolHost::MainWindow() {
    return &m_form;
}

void TMainFormToolHost::ActivateMainWindow() {
    m_form.activateWindow();
}
