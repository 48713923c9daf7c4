#include "tools/transform/Marquee.h"

#include "tools/base/CursorIds.h"
#include "tools/base/Prompts.h"
#include "tools/base/ToolHost.h"

#include "document/SavedDrawState.h"
#include "document/TechDocument.h"

#include "gdi/Brush.h"
#include "gdi/Pen.h"

#include <QAction>
#include <QKeyEvent>

namespace {

constexpr gdi::COLORREF Navy = 0x800000;
constexpr gdi::COLORREF Magenta = 0xFF00FF;
constexpr gdi::COLORREF Black = 0x000000;
// Half the side of the rotation handle's square.
constexpr int32_t HandleReach = 4;

const TStringTable Prompts{
    {TMarquee::StepCorner, "Укажите положение одного из углов (Enter - точка)"},
    {TMarquee::StepWindow, "Задайте размеры окна для копирования (Enter - ОК, Esc - отказ)"},
    {TMarquee::StepFloating, "Нажмите левую кнопку мыши для сдвига, или правую для выбора других действий"},
    {TMarquee::StepDragged, "Сдвигайте копию (Enter - OK, Ctrl+сдвиг - масштабирование, Esc - меню)"},
    {TMarquee::StepFirstPoint, "Укажите первую точку на линии, которая должна стать %1"},
    {TMarquee::StepSecondPoint, "Укажите вторую точку на линии, которая должна стать %1"},
};

} // namespace

TMarquee::TMarquee() {
    DeclareOption(TOptionButton::Transparent, FTransparent);
}

void TMarquee::Create() {
    CursorId = CrossCursor;
    TTechBase::Create();
    FLines = std::make_unique<TRotateLines>();
    // The fragment follows the pointer even where the pointer leaves the surface.
    PointerInside = true;
    FFragment.Centre = {0, 0};
    Restart();
}

void TMarquee::Destroy() {
    Cancel();
    TTechBase::Destroy();
}

void TMarquee::Restart() {
    FFragment.Drop();
    FScaleCursor = false;
    SetStage(StageWindow, StepCorner);
    SetCursorId(CrossCursor);
}

void TMarquee::SetStage(TStep stage, TSubStep step) {
    SetStep(stage);
    SetSubStep(step);
}

// ---- Buttons and pointer -----------------------------------------------------------------

void TMarquee::LeftButton(gdi::Point point, TShiftState, bool released) {
    if (released) return;
    switch (SubStep) {
    case StepCorner:
        FFragment.SetSelection({point.x, point.y, point.x, point.y});
        SetSubStep(StepWindow);
        break;
    case StepWindow:
        FFragment.SetSelectionCorner(point);
        if (DocDC) FFragment.Take(*DocDC, FFragment.Selection());
        SetStage(StageFragment, StepFloating);
        UpdateCursor(point);
        break;
    case StepFloating:
        FloatingClick(point);
        break;
    case StepDragged:
        SetSubStep(StepFloating);
        UpdateCursor(point);
        break;
    default:
        PickLinePoint(point);
        break;
    }
    Repaint();
}

void TMarquee::FloatingClick(gdi::Point point) {
    if (FFragment.OnHandle(point)) {
        ToolHost().PopupMenu(TPopupMenu::Rotate, SketchToScreen(point));
    } else if (FFragment.Inside(point)) {
        FLastPoint = point;
        SetSubStep(StepDragged);
        UpdateCursor(point);
    }
}

void TMarquee::RightButton(gdi::Point point, TShiftState, bool released) {
    if (released) return;
    if (Step == StageLine) {
        SetStage(StageFragment, StepFloating);
        UpdateCursor(point);
        Repaint();
        return;
    }
    ToolHost().PopupMenu(TPopupMenu::Copy, SketchToScreen(point));
}

void TMarquee::PointerMove(gdi::Point point, TShiftState shift) {
    CurPoint = point;
    switch (SubStep) {
    case StepWindow:
        FFragment.SetSelectionCorner(point);
        break;
    case StepFloating:
        UpdateCursor(point);
        break;
    case StepDragged:
        DragTo(point, shift);
        break;
    default:
        FollowLinePoint(point);
        break;
    }
    Repaint();
}

void TMarquee::DragTo(gdi::Point point, TShiftState shift) {
    if (shift & ssCtrl)
        FFragment.ScaleStep(point.x - FLastPoint.x);
    else
        FFragment.MoveBy(float(point.x - FLastPoint.x), float(point.y - FLastPoint.y));
    FLastPoint = point;
}

void TMarquee::AppMessage(QEvent& message, bool& handled) {
    const bool press = message.type() == QEvent::KeyPress;
    if (Step == StageFragment && (press || message.type() == QEvent::KeyRelease) &&
        static_cast<const QKeyEvent&>(message).key() == Qt::Key_Control) {
        FScaleCursor = press;
        gdi::Point at = CurPoint;
        PointerSketchPos(at);
        UpdateCursor(at);
    }
    TTechBase::AppMessage(message, handled);
}

void TMarquee::UpdateCursor(gdi::Point point) {
    if (Step != StageFragment) {
        SetCursorId(CrossCursor);
        return;
    }
    if (SubStep == StepFloating && FFragment.OnHandle(point))
        SetCursorId(RotateCursor);
    else if (SubStep == StepFloating && !FFragment.Inside(point))
        SetCursorId(CrossCursor);
    else
        SetCursorId(FScaleCursor ? ResizeCursor : MoveCursor);
}

// ---- Turning to a picked line ----------------------------------------------------------------

void TMarquee::FollowLinePoint(gdi::Point point) {
    if (SubStep == StepFirstPoint)
        FLines->SetFirstPoint(point);
    else if (SubStep == StepSecondPoint)
        FLines->SetSecondPoint(point);
}

void TMarquee::PickLinePoint(gdi::Point point) {
    if (SubStep == StepFirstPoint) {
        FLines->SetFirstPoint(point);
        SetSubStep(StepSecondPoint);
        return;
    }
    if (SubStep != StepSecondPoint) return;
    FLines->SetSecondPoint(point);
    float cosA = 1, sinA = 0;
    // A second point on the first gives no direction: the question stands.
    if (!FLines->GetRotation(cosA, sinA)) return;
    FFragment.TurnBy(cosA, sinA);
    SetStage(StageFragment, StepFloating);
    UpdateCursor(point);
}

QString TMarquee::LineModeText() const {
    // Spelled as the program has always shown it.
    return QString::fromUtf8(FLines && FLines->Mode == TRotateLines::Vertical ? "вертикльной"
                                                                              : "горизонтальной");
}

// ---- Controls ------------------------------------------------------------------------------

void TMarquee::ReleaseControls() {
    TTechBase::ReleaseControls();
    if (QAction* save = ToolHost().MainAction(TMainAction::SaveFragment)) save->setEnabled(false);
}

void TMarquee::SetupControls() {
    if (QAction* save = ToolHost().MainAction(TMainAction::SaveFragment)) save->setEnabled(true);
    TTechBase::SetupControls();
}

bool TMarquee::OptionToggled(TOptionButton which, bool down) {
    if (which != TOptionButton::Transparent) return false;
    SetTransparent(down);
    return true;
}

void TMarquee::SetTransparent(bool on) {
    if (on == FTransparent) return;
    FTransparent = on;
    Repaint();
}

// ---- Drawing -------------------------------------------------------------------------------

bool TMarquee::Render(const TGdiState& state, const void*, int32_t dx, int32_t dy) {
    if (!state.DC) return false;
    FFragment.Stamp(*state.DC, dx, dy, FTransparent);
    return true;
}

void TMarquee::DrawPreview(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    if (Step == StageWindow) return;
    TGdiState state;
    state.DC = &dc;
    Render(state, nullptr, -originX, -originY);
}

void TMarquee::DrawCursor(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    TSavedDrawState saved(dc);
    dc.setROP2(gdi::R2_COPYPEN);
    if (Step == StageWindow) {
        if (SubStep != StepWindow) return;
        const gdi::Rect& window = FFragment.Selection();
        dc.selectPen(gdi::createPen(gdi::PS_SOLID, 1, Navy));
        dc.selectBrush(gdi::stockNullBrush());
        dc.rectangle(window.left - originX, window.top - originY, window.right - originX,
                     window.bottom - originY);
        return;
    }
    if (Step == StageLine && FLines) FLines->DrawGuides(dc, gdi::R2_COPYPEN, true, -originX, -originY);
    DrawFrame(dc, -originX, -originY);
}

void TMarquee::DrawFrame(gdi::DeviceContext& dc, int32_t dx, int32_t dy) const {
    dc.frameRegion(FFragment.Outline(dx, dy), gdi::createSolidBrush(Navy), 1, 1);
    const gdi::Point handle = FFragment.Handle();
    dc.selectPen(gdi::createPen(gdi::PS_SOLID, 1, Black));
    dc.selectBrush(gdi::createSolidBrush(Magenta));
    dc.rectangle(handle.x - HandleReach + dx, handle.y - HandleReach + dy, handle.x + HandleReach + dx,
                 handle.y + HandleReach + dy);
}

// ---- Ending ----------------------------------------------------------------------------------

void TMarquee::Cancel() {
    Restart();
    Repaint();
}

void TMarquee::Complete() {
    RecordUndo();
    if (DocDC) {
        TGdiState state;
        state.DC = DocDC;
        Render(state, nullptr, 0, 0);
    }
    Restart();
    Repaint();
}

QString TMarquee::GetPrompt() {
    // The stage changes before its step: only the line steps' own texts take the mode.
    if (SubStep == StepFirstPoint || SubStep == StepSecondPoint)
        return Prompts.Load(SubStep).arg(LineModeText());
    return Prompts.Load(SubStep);
}
