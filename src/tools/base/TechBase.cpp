#include "tools/base/TechBase.h"

#include "tools/base/AppMessageHook.h"
#include "tools/base/BttnStateStorage.h"
#include "tools/base/ButtonState.h"
#include "tools/base/Prompts.h"
#include "tools/base/ToolHost.h"
#include "tools/base/ToolSwitch.h"

#include "document/Geometry.h"
#include "document/TechDocument.h"

#include <QKeyEvent>

#include <typeinfo>

namespace {

// The tool the surface events go to.
TTechBase* g_surfaceTool = nullptr;

// The cursor of the surface while no tool holds it.
constexpr int16_t NoToolCursor = 1;

} // namespace

TTechBase* SurfaceEventTool() {
    return g_surfaceTool;
}

void TToolDeleter::operator()(TTechBase* tool) const noexcept {
    std::unique_ptr<TTechBase> owned(tool);
    try {
        tool->Destroy();
    } catch (...) {
    }
}

TTechBase::~TTechBase() {
    // Only a tool that never ran Destroy gets here still hooked; it must at least not
    // stay reachable.
    UnregisterTool(this);
    if (AppMessageTool() == this) HookAppMessages(nullptr);
    if (g_surfaceTool == this) g_surfaceTool = nullptr;
}

// ---- Making and freeing ----------------------------------------------------------------

void TTechBase::Create() {
    PointerInside = false;
    ShowCursor = true;
    ShowPreview = true;
    KeysSuspended = false;
    m_hooked = true;
    HookSurface(this);
    ToolHost().ShowRadius(0);
    RegisterTool(this);
    SetupControls();
}

void TTechBase::CreateFor(TTechBase* owner) {
    PointerInside = false;
    ShowCursor = true;
    ShowPreview = true;
    KeysSuspended = false;
    Owner = owner;
    m_hooked = true;
    HookSurface(this);
    RegisterTool(this);
}

void TTechBase::Destroy() {
    if (!m_hooked) return;
    m_hooked = false;
    if (!Owner) ReleaseControls();
    PointerInside = false;
    UnhookSurface();
    ShowMeasure();
    ToolHost().SetPromptText(QString::fromUtf8(EndOfObjectPrompt));
    UnregisterTool(this);
    Repaint();
}

// ---- Surface and hook ------------------------------------------------------------------

void TTechBase::HookSurface(TTechBase* tool) {
    TToolHost& host = ToolHost();
    host.SetSurfaceCursor(tool->CursorId);
    g_surfaceTool = tool;
    HookAppMessages(tool);
}

void TTechBase::UnhookSurface() {
    if (Owner) {
        HookSurface(Owner);
        return;
    }
    g_surfaceTool = nullptr;
    HookAppMessages(nullptr);
    ToolHost().SetSurfaceCursor(NoToolCursor);
}

void TTechBase::SetCursorId(int16_t id) {
    if (id == CursorId) return;
    CursorId = id;
    ToolHost().SetSurfaceCursor(id);
}

// ---- State, prompt, drawing --------------------------------------------------------------

void TTechBase::SetState(int which, uint8_t value) {
    if (which == 1)
        Step = value;
    else if (which == 2)
        SubStep = value;
    ShowPrompt();
}

void TTechBase::ShowPrompt() {
    ToolHost().SetPromptText(GetPrompt());
}

void TTechBase::ShowMeasure() {
    ToolHost().ShowRadius(0);
}

void TTechBase::Repaint() {
    ToolHost().InvalidateSurface();
}

void TTechBase::RecordUndo() {
    if (Document) Document->RecordUndo();
}

void TTechBase::Restart() {
    CurPoint = NullPoint;
    SetState(1, 0);
    SetState(2, 0);
}

// ---- Option buttons and sub-tool results ------------------------------------------------

void TTechBase::DeclareOption(TOptionButton button, bool& field) {
    m_options.push_back({button, &field});
}

void TTechBase::SetupControls() {
    TToolHost& host = ToolHost();
    for (const TToolOption& option : m_options) {
        QAbstractButton* button = host.OptionButton(option.Button);
        SetButtonEnabled(button, true);
        if (BttnStateStorage) BttnStateStorage->Restore(button, typeid(*this));
        *option.Field = IsButtonDown(button);
    }
}

void TTechBase::ReleaseControls() {
    TToolHost& host = ToolHost();
    for (const TToolOption& option : m_options) {
        QAbstractButton* button = host.OptionButton(option.Button);
        if (BttnStateStorage) BttnStateStorage->Store(button, typeid(*this));
        SetButtonDown(button, false);
        SetButtonEnabled(button, false);
    }
}

bool TTechBase::OptionToggled(TOptionButton which, bool down) {
    for (const TToolOption& option : m_options)
        if (option.Button == which) {
            *option.Field = down;
            return true;
        }
    return false;
}

bool TTechBase::ToolCommand(int) {
    return false;
}

void TTechBase::ReportToOwner(int32_t code, const TToolResult& result) {
    if (Owner && Owner->OnResult) Owner->OnResult(code, result);
}

// ---- Events ------------------------------------------------------------------------------

void TTechBase::SurfMouseDown(QObject*, Qt::MouseButton button, TShiftState shift, int32_t x, int32_t y) {
    if (button == Qt::LeftButton)
        LeftButton({x, y}, shift, false);
    else if (button == Qt::RightButton)
        RightButton({x, y}, shift, false);
}

void TTechBase::SurfMouseUp(QObject*, Qt::MouseButton button, TShiftState shift, int32_t x, int32_t y) {
    if (button == Qt::LeftButton)
        LeftButton({x, y}, shift, true);
    else if (button == Qt::RightButton)
        RightButton({x, y}, shift, true);
}

void TTechBase::SurfMouseMove(QObject*, TShiftState shift, int32_t x, int32_t y) {
    PointerMove({x, y}, shift);
}

void TTechBase::AppMessage(QEvent& message, bool&) {
    if (message.type() != QEvent::KeyPress || KeysSuspended) return;
    const auto& key = static_cast<const QKeyEvent&>(message);
    KeyEmulation(key.key(), key.modifiers());
}

void TTechBase::KeyEmulation(int key, Qt::KeyboardModifiers modifiers) {
    TToolHost& host = ToolHost();
    const TShiftState shift = ShiftStateOf(modifiers);
    gdi::Point at;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (CurrentDialog && CurrentDialog->EnterActivatesMain && CurrentDialog->isActiveWindow()) {
            host.ActivateMainWindow();
            return;
        }
        if (PointerSketchPos(at)) {
            SurfMouseDown(nullptr, Qt::LeftButton, shift | ssLeft, at.x, at.y);
            SurfMouseUp(nullptr, Qt::LeftButton, shift, at.x, at.y);
        }
        return;
    case Qt::Key_Escape:
        if (PointerSketchPos(at)) {
            SurfMouseDown(nullptr, Qt::RightButton, shift | ssRight, at.x, at.y);
            SurfMouseUp(nullptr, Qt::RightButton, shift, at.x, at.y);
        }
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        // One sketch pixel is zoom screen pixels.
        const int zoom = host.Zoom();
        const QPoint step = key == Qt::Key_Left    ? QPoint(-zoom, 0)
                            : key == Qt::Key_Right ? QPoint(zoom, 0)
                            : key == Qt::Key_Up    ? QPoint(0, -zoom)
                                                   : QPoint(0, zoom);
        host.SetPointerPos(host.PointerPos() + step);
        return;
    }
    default:
        return;
    }
}

// ---- What the base leaves to the tools -----------------------------------------------------

void TTechBase::LeftButton(gdi::Point, TShiftState, bool) {}
void TTechBase::RightButton(gdi::Point, TShiftState, bool) {}
void TTechBase::PointerMove(gdi::Point, TShiftState) {}
void TTechBase::SurfMouseEnter(int32_t, int32_t) {}
void TTechBase::SurfMouseLeave(int32_t, int32_t) {}
void TTechBase::Changed() {}
bool TTechBase::Render(const TGdiState&, const void*, int32_t, int32_t) {
    return false;
}
void TTechBase::PassResult(int32_t) {}
void TTechBase::DrawCursor(gdi::DeviceContext&, const gdi::Rect&, int32_t, int32_t) {}
void TTechBase::DrawPreview(gdi::DeviceContext&, const gdi::Rect&, int32_t, int32_t) {}
void TTechBase::Cancel() {}
void TTechBase::Complete() {}
