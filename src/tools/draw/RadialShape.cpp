#include "tools/draw/RadialShape.h"

#include "tools/base/CursorIds.h"

#include "tools/base/ToolHost.h"
#include "tools/base/ToolResults.h"
#include "tools/draw/CentreMark.h"

#include "document/DrawingUtils.h"
#include "document/Geometry.h"
#include "document/Pens.h"
#include "document/TechDocument.h"

#include <QKeyEvent>

namespace {


} // namespace

void InitOutlineState(TGdiState& state, gdi::DeviceContext* dc, const gdi::PenPtr& pen) {
    InitStateForPen(state, dc, gdi::R2_COPYPEN, pen);
    state.Flags |= gsBrush | gsBkMode;
    state.Brush = gdi::stockNullBrush();
    state.BkMode = gdi::TRANSPARENT;
}

// ---- Making ----------------------------------------------------------------------------

void TRadialShape::SetUp() {
    PointerInside = true;
    FRadius = DefaultRadius;
    SetStep(StepCentre);
}

void TRadialShape::Create() {
    CursorId = CrossCursor;
    TTechBase::Create();
    SetUp();
}

void TRadialShape::CreateFor(TTechBase* owner) {
    CursorId = CrossCursor;
    TTechBase::CreateFor(owner);
    SetUp();
}

void TRadialShape::Destroy() {
    TTechBase::Destroy();
    ToolHost().ShowRadius(0);
}

void TRadialShape::Restart() {
    FCentre = NullPoint;
    FRadius = DefaultRadius;
    SetStep(StepCentre);
}

// ---- Events ----------------------------------------------------------------------------

void TRadialShape::LeftButton(gdi::Point, TShiftState, bool released) {
    if (released || !PointerInside || Step != StepCentre) return;
    if (Owner)
        PassResult(ResultFixed);
    else
        Complete();
    ShowMeasure();
    Repaint();
}

void TRadialShape::RightButton(gdi::Point point, TShiftState, bool released) {
    if (released || !PointerInside) return;
    Restart();
    FCentre = point;
    ShowMeasure();
    Repaint();
    PassResult(ResultEnded);
}

void TRadialShape::PointerMove(gdi::Point point, TShiftState) {
    if (!PointerInside) return;
    if (Step == StepCentre) {
        FCentre = point;
    } else if (Step == StepRadius) {
        // Only sideways movement counts, and the figure never shrinks to nothing.
        FRadius += point.x - FLastPointer.x;
        if (FRadius <= 0) FRadius = 1;
    }
    FLastPointer = point;
    PassResult(ResultMoved);
    CurPoint = point;
    ShowMeasure();
    Repaint();
}

bool TRadialShape::CtrlKey(const QEvent& message) {
    const auto& key = static_cast<const QKeyEvent&>(message);
    if (key.key() != Qt::Key_Control) return false;
    // The centre-mark question owns the keys while it is open.
    if (Step == StepMark) return true;
    if (message.type() == QEvent::KeyPress) {
        SetCursorId(RubberCursor);
        SetStep(StepRadius);
    } else if (Step == StepRadius) {
        // The pointer goes back onto the centre, where the next move finds it.
        FLastPointer = CurPoint;
        ToolHost().SetPointerPos(SketchToScreen(FCentre));
        SetCursorId(CrossCursor);
        SetStep(StepCentre);
    }
    return true;
}

void TRadialShape::AppMessage(QEvent& message, bool& handled) {
    const bool isKey = message.type() == QEvent::KeyPress || message.type() == QEvent::KeyRelease;
    if (isKey && CtrlKey(message)) return;
    if (!PointerInside) return;
    TTechBase::AppMessage(message, handled);
}

void TRadialShape::SurfMouseEnter(int32_t x, int32_t y) {
    if (Step != StepCentre) return;
    PointerInside = true;
    FCentre = CurPoint = {x, y};
    Repaint();
}

void TRadialShape::SurfMouseLeave(int32_t, int32_t) {
    if (Step != StepCentre) return;
    PointerInside = false;
    Repaint();
}

// ---- Read-outs, results and drawing ----------------------------------------------------

void TRadialShape::ShowMeasure() {
    ToolHost().ShowRadius(Step == StepMark ? 0.0f : float(FRadius));
}

void TRadialShape::PassResult(int32_t code) {
    ReportToOwner(code, TCircleResult{FCentre.x, FCentre.y, FRadius});
}

bool TRadialShape::Render(const TGdiState& state, const void*, int32_t dx, int32_t dy) {
    TGdiState copy = state;
    if (!ApplyState(copy) || !copy.DC) return false;
    DrawFigure(*copy.DC, dx, dy);
    RestoreState(copy);
    return true;
}

void TRadialShape::DrawCursor(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    if (Step == StepMark) return;
    const gdi::Rect bounds = dc.bitmap() ? dc.bitmap()->bounds() : gdi::Rect{};
    DrawCrossHair(dc, bounds, {FCentre.x - originX, FCentre.y - originY});
}

void TRadialShape::DrawPreview(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    TGdiState state;
    InitOutlineState(state, &dc, GreenPen);
    Render(state, nullptr, -originX, -originY);
}

void TRadialShape::Complete() {
    SetStep(StepMark);
    ShowMeasure();
    Repaint();
    TCentreMarkRequest request;
    if (AskCentreMark(request) && DocDC) {
        RecordUndo();
        TGdiState state;
        InitOutlineState(state, DocDC, LinePen);
        Render(state, nullptr, 0, 0);
        DrawCentreMark(*DocDC, request.Kind, FCentre, FRadius);
    }
    SetStep(StepCentre);
    ShowMeasure();
    Repaint();
}
