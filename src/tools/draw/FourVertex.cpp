#include "tools/draw/FourVertex.h"

#include "tools/base/CursorIds.h"
#include "tools/base/Prompts.h"
#include "tools/base/ToolGeometry.h"
#include "tools/base/ToolHost.h"

#include "document/DrawingUtils.h"
#include "document/Geometry.h"
#include "document/Pens.h"
#include "document/SavedDrawState.h"
#include "document/TechDocument.h"

#include "gdi/Region.h"

#include <QAction>
#include <QKeyEvent>

#include <cmath>

namespace {

// Keyed by step * 10 and what the step's prompt depends on: in the selecting step the
// element under the pointer, in the side step the edit mode.
const TStringTable Prompts{
    {20, "Выберите элемент для работы (Угол, сторону, весь. Закрепление кнопками ОК)"},
    {21, "Перемещение всего (Enter - активизировать)"},
    {22, "Сдвиг стороны (Enter - активизировать)"},
    {23, "Сдвиг угла (Enter - активизировать)"},
    {30, "Сдвигайте (Enter - закрепить, Ctrl+сдвиг - переместить)"},
    {42, "Сдвигайте сторону (Enter - Закрепить, без Ctrl - изменить длину)"},
    {43, "Изменяйте длину стороны (Enter - Закрепить)"},
    {50, "Сдвигайте угол (Enter - Закрепить)"},
};

constexpr gdi::COLORREF Blue = 0xFF0000;
constexpr gdi::COLORREF Magenta = 0xFF00FF;
constexpr gdi::COLORREF Red = 0x0000FF;
constexpr gdi::COLORREF Green = 0x00FF00;
// A corner is taken within this many pixels, a side within the other.
constexpr int32_t CornerReach = 8;
constexpr int32_t SideReach = 6;

void EnableAction(TMainAction which, bool enabled) {
    if (QAction* action = ToolHost().MainAction(which)) action->setEnabled(enabled);
}

gdi::Point Shifted(gdi::Point p, int32_t dx, int32_t dy) {
    return {p.x + dx, p.y + dy};
}

} // namespace

TFourVertex::TFourVertex() {
    for (uint8_t i = 1; i <= 4; ++i) {
        FSides[i].First = i;
        FSides[i].Second = uint8_t(i % 4 + 1);
    }
}

void TFourVertex::Create() {
    CursorId = MainCursor;
    TTechBase::Create();
    PointerInside = true;
    FSaved = DefaultFigure();
    Restart();
    Repaint();
}

TFourVertex::TCorners TFourVertex::DefaultFigure() const {
    TToolHost& host = ToolHost();
    const int zoom = host.Zoom() > 0 ? host.Zoom() : 1;
    const QPoint scroll = host.ScrollOffset();
    const QSize client = host.SurfaceClientSize();
    const gdi::Point c{(client.width() / 2 + scroll.x()) / zoom, (client.height() / 2 + scroll.y()) / zoom};
    return {gdi::Point{0, 0},
            {c.x - 100, c.y + 50},
            {c.x - 100, c.y - 50},
            {c.x + 100, c.y - 50},
            {c.x + 100, c.y + 50}};
}

void TFourVertex::Restart() {
    SetCursorId(MainCursor);
    FSelSide = -1;
    FSelCorner = -1;
    SetStep(StepSelect);
    SetSubStep(ModeSize);
    for (int i = 1; i <= 4; ++i)
        FPoints[i] = FSaved[i];
    FSaved = DefaultFigure();
    UpdateSides();
}

void TFourVertex::SetupControls() {
    TTechBase::SetupControls();
    EnableAction(TMainAction::CompleteRight, true);
    EnableAction(TMainAction::CompleteDown, true);
}

void TFourVertex::ReleaseControls() {
    TTechBase::ReleaseControls();
    EnableAction(TMainAction::CompleteRight, false);
    EnableAction(TMainAction::CompleteDown, false);
}

// ---- Geometry ------------------------------------------------------------------------

void TFourVertex::UpdateSide(int side) {
    TSide& s = FSides[side];
    const gdi::Point p = FPoints[s.First], q = FPoints[s.Second];
    const float length = Distance(p, q);
    if (!(length > 0)) return;
    s.Length = length;
    s.Cos = float(q.x - p.x) / length;
    s.Sin = float(q.y - p.y) / length;
    const bool nearZeroCos = s.Cos >= -0.342f && s.Cos <= 0.342f;
    const bool nearZeroSin = s.Sin >= -0.342f && s.Sin <= 0.342f;
    if ((s.Cos >= 0.94f || s.Cos <= -0.94f) && nearZeroSin)
        s.DirClass = 0;
    else if ((s.Sin >= 0.94f || s.Sin <= -0.94f) && nearZeroCos)
        s.DirClass = 1;
    else if ((s.Cos < 0) != (s.Sin < 0))
        s.DirClass = 2;
    else
        s.DirClass = 3;
}

void TFourVertex::UpdateSides() {
    for (int i = 1; i <= 4; ++i)
        UpdateSide(i);
}

void TFourVertex::Select(int32_t side, int32_t corner) {
    if (side == FSelSide && corner == FSelCorner) return;
    FSelSide = side;
    FSelCorner = corner;
    Repaint();
}

TFourVertex::THoverKind TFourVertex::HitTest(gdi::Point point) {
    for (int32_t i = 1; i <= 4; ++i) {
        const gdi::Point c = FPoints[i];
        if (point.x >= c.x - CornerReach && point.x < c.x + CornerReach && point.y >= c.y - CornerReach &&
            point.y < c.y + CornerReach) {
            Select(-1, i);
            return HoverCorner;
        }
    }
    for (int32_t i = 1; i <= 4; ++i) {
        const TSide& s = FSides[i];
        const gdi::Point p = FPoints[s.First], q = FPoints[s.Second];
        if (p == q) continue;
        const gdi::Point v = RoundPoint(MakePointF(SideReach * s.Cos, SideReach * s.Sin));
        const gdi::Point r{-v.y, v.x};
        const gdi::Point band[4] = {
            {p.x + r.x, p.y + r.y}, {p.x - r.x, p.y - r.y}, {q.x - r.x, q.y - r.y}, {q.x + r.x, q.y + r.y}};
        if (gdi::Region::fromPolygon(band, 4, gdi::WINDING).contains(point.x, point.y)) {
            Select(i, -1);
            return HoverSide;
        }
    }
    if (gdi::Region::fromPolygon(&FPoints[1], 4, gdi::WINDING).contains(point.x, point.y)) {
        // A corner highlighted a moment ago lets go as well.
        Select(0, -1);
        return HoverWhole;
    }
    Select(-1, -1);
    return HoverNone;
}

void TFourVertex::UpdateCursor() {
    static constexpr int16_t SideCursors[4] = {SizeWECursor, SizeNSCursor, SizeNESWCursor, SizeNWSECursor};
    const bool moving = SubStep == ModeMove;
    switch (FHoverKind) {
    case HoverWhole:
        SetCursorId(moving ? MoveCursor : ResizeCursor);
        return;
    case HoverSide:
        if (moving || FSelSide < 1) {
            SetCursorId(MoveCursor);
            return;
        }
        SetCursorId(SideCursors[FSides[FSelSide].DirClass & 3]);
        return;
    case HoverCorner:
        SetCursorId(MoveCursor);
        return;
    default:
        SetCursorId(MainCursor);
        return;
    }
}

// ---- Dragging ------------------------------------------------------------------------

void TFourVertex::DragTo(gdi::Point point) {
    const int32_t dx = point.x - FPoints[0].x;
    const int32_t dy = point.y - FPoints[0].y;
    const bool moving = SubStep == ModeMove;
    auto shift = [this](int corner, int32_t x, int32_t y) {
        FPoints[corner].x += x;
        FPoints[corner].y += y;
    };
    switch (Step) {
    case StepWhole:
        if (moving) {
            for (int i = 1; i <= 4; ++i)
                shift(i, dx, dy);
        } else {
            // The first side stays, the third follows the pointer and the height
            // grows on both sides of the middle.
            shift(1, 0, dy);
            shift(2, 0, -dy);
            shift(3, dx, -dy);
            shift(4, dx, dy);
        }
        break;
    case StepSide:
        if (FSelSide < 1) break;
        if (!moving) {
            // The length counts from where the edit began: the anchor stays.
            DragSideLength(dx, dy);
            return;
        }
        shift(FSides[FSelSide].First, dx, dy);
        shift(FSides[FSelSide].Second, dx, dy);
        break;
    case StepCorner:
        if (FSelCorner >= 1) shift(FSelCorner, dx, dy);
        break;
    default:
        break;
    }
    FPoints[0] = point;
}

void TFourVertex::DragSideLength(int32_t dx, int32_t dy) {
    const TSide& s = FSides[FSelSide];
    gdi::Point& first = FPoints[s.First];
    gdi::Point& second = FPoints[s.Second];
    const gdi::Point m = MidPoint(first, second);
    const float along = s.DirClass == 3 ? float(dx + dy) : float(dy - dx);
    const float f = s.Length / 2 - along;
    first = RoundPoint(MakePointF(float(m.x) - f * s.Cos, float(m.y) - f * s.Sin));
    second = RoundPoint(MakePointF(float(m.x) + f * s.Cos, float(m.y) + f * s.Sin));
}

void TFourVertex::EndEdit() {
    UpdateSides();
    FSelCorner = -1;
    FSelSide = -1;
    SetStep(StepSelect);
}

void TFourVertex::SetEditMode(uint8_t mode) {
    SetSubStep(mode);
    UpdateCursor();
}

// ---- Events ----------------------------------------------------------------------------

void TFourVertex::LeftButton(gdi::Point point, TShiftState, bool released) {
    if (released || !PointerInside) return;
    switch (Step) {
    case StepSelect: {
        FPoints[0] = point;
        FHoverKind = HitTest(point);
        static constexpr uint8_t StepOfKind[4] = {StepSelect, StepWhole, StepSide, StepCorner};
        SetStep(StepOfKind[FHoverKind]);
        DragTo(point);
        if (FHoverKind != HoverNone) FSaved = FPoints;
        break;
    }
    case StepWhole:
    case StepSide:
    case StepCorner:
        EndEdit();
        break;
    case StepAxis:
        if (DocDC) {
            // The axis is part of the sketch from now on, so it is undone like any stroke.
            RecordUndo();
            DrawAxis(*DocDC, LineLogPen.color, 0, 0);
        }
        SetCursorId(MainCursor);
        SetStep(StepSelect);
        break;
    default:
        break;
    }
    Repaint();
}

void TFourVertex::RightButton(gdi::Point point, TShiftState, bool released) {
    if (released || !PointerInside) return;
    switch (Step) {
    case StepSelect:
        ToolHost().PopupMenu(TPopupMenu::FourVertex, SketchToScreen(point));
        break;
    case StepWhole:
    case StepSide:
    case StepCorner:
        EndEdit();
        break;
    case StepAxis:
        SetCursorId(MainCursor);
        SetStep(StepSelect);
        break;
    default:
        break;
    }
    Repaint();
}

void TFourVertex::PointerMove(gdi::Point point, TShiftState) {
    if (!PointerInside) return;
    switch (Step) {
    case StepSelect: {
        const THoverKind kind = HitTest(point);
        if (kind == FHoverKind) return;
        FHoverKind = kind;
        UpdateCursor();
        ShowPrompt();
        return;
    }
    case StepWhole:
    case StepSide:
    case StepCorner:
        DragTo(point);
        Repaint();
        return;
    case StepAxis:
        FAxisEnd = {point.x, FAxisStart.y};
        Repaint();
        return;
    default:
        return;
    }
}

void TFourVertex::AppMessage(QEvent& message, bool& handled) {
    const bool press = message.type() == QEvent::KeyPress;
    if ((press || message.type() == QEvent::KeyRelease) &&
        static_cast<const QKeyEvent&>(message).key() == Qt::Key_Control) {
        if (press && SubStep == ModeSize) {
            SetEditMode(ModeMove);
        } else if (!press && SubStep == ModeMove) {
            UpdateSides();
            SetEditMode(ModeSize);
        }
    }
    TTechBase::AppMessage(message, handled);
}

// ---- Commands --------------------------------------------------------------------------

bool TFourVertex::ToolCommand(int tag) {
    switch (tag) {
    case CmdUndoLastAction:
        Cancel();
        return true;
    case CmdDrawAxisLine:
        StartAxisLine();
        return true;
    case CmdCompleteRight:
        CompleteStep(TDirection::Right);
        return true;
    case CmdCompleteDown:
        CompleteStep(TDirection::Down);
        return true;
    default:
        return false;
    }
}

void TFourVertex::Cancel() {
    Restart();
    Repaint();
}

void TFourVertex::Complete() {
    if (!DocDC) return;
    // Recorded here rather than by the caller, so that the main window's finish
    // command is undone like the stamps.
    RecordUndo();
    TGdiState state;
    InitStateForPen(state, DocDC, gdi::R2_COPYPEN, LinePen);
    state.Brush = gdi::stockNullBrush();
    state.Flags |= gsBrush;
    Render(state, nullptr, 0, 0);
    Repaint();
}

void TFourVertex::CompleteStep(TDirection direction) {
    if (Step != StepSelect) return;
    Complete();
    TCorners& c = FPoints;
    if (direction == TDirection::Down) {
        const int32_t height = c[1].y - c[2].y;
        for (int i = 1; i <= 4; ++i)
            c[i].y += height;
    } else {
        const TCorners old = c;
        c[1] = old[4];
        c[2] = old[3];
        c[3] = {2 * old[3].x - old[2].x, old[3].y};
        c[4] = {old[4].x + old[3].x - old[2].x, old[4].y};
    }
    Repaint();
}

void TFourVertex::StartAxisLine() {
    FAxisStart = MidPoint(FPoints[1], FPoints[2]);
    FAxisEnd = FAxisStart;
    SetCursorId(CrossCursor);
    SetStep(StepAxis);
    Repaint();
}

// ---- Drawing ---------------------------------------------------------------------------

bool TFourVertex::Render(const TGdiState& state, const void*, int32_t, int32_t) {
    TGdiState copy = state;
    ApplyState(copy);
    if (copy.DC) copy.DC->polygon(&FPoints[1], 4);
    RestoreState(copy);
    return true;
}

void TFourVertex::DrawAxis(gdi::DeviceContext& dc, gdi::COLORREF colour, int32_t dx, int32_t dy) const {
    TSavedDrawState saved(dc);
    const int bkMode = dc.setBkMode(gdi::TRANSPARENT);
    dc.selectPen(gdi::createPen(gdi::PS_DASHDOT, 1, colour));
    dc.setROP2(gdi::R2_COPYPEN);
    dc.moveTo(FAxisStart.x + dx, FAxisStart.y + dy);
    dc.lineTo(FAxisEnd.x + dx, FAxisEnd.y + dy);
    dc.setBkMode(bkMode);
}

void TFourVertex::DrawPreview(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    TSavedDrawState saved(dc);
    dc.setROP2(gdi::R2_COPYPEN);
    for (int32_t i = 1; i <= 4; ++i) {
        const bool plain = Step == StepAxis || (FSelSide != 0 && FSelSide != i);
        dc.selectPen(plain ? GreenPen : Step == StepSelect ? MagentaPen : RedPen);
        const gdi::Point p = Shifted(FPoints[FSides[i].First], -originX, -originY);
        const gdi::Point q = Shifted(FPoints[FSides[i].Second], -originX, -originY);
        dc.moveTo(p.x, p.y);
        dc.lineTo(q.x, q.y);
    }
    if (Step == StepAxis) DrawAxis(dc, Green, -originX, -originY);
}

void TFourVertex::DrawCursor(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    for (int32_t i = 1; i <= 4; ++i) {
        gdi::COLORREF colour = Blue;
        if (i == FSelCorner && Step == StepSelect) colour = Magenta;
        if (i == FSelCorner && Step == StepCorner) colour = Red;
        DrawPointMarker(dc, colour, Shifted(FPoints[i], -originX, -originY), 2, PointMarkerSquare);
    }
    const gdi::Point mid = Shifted(MidPoint(FPoints[1], FPoints[2]), -originX, -originY);
    TSavedDrawState saved(dc);
    dc.selectPen(GreenPen);
    dc.setROP2(gdi::R2_COPYPEN);
    dc.moveTo(mid.x - 5, mid.y);
    dc.lineTo(mid.x + 5, mid.y);
}

QString TFourVertex::GetPrompt() {
    switch (Step) {
    case StepSelect:
        return Prompts.Load(20 + FHoverKind);
    case StepWhole:
        return Prompts.Load(30);
    case StepSide:
        return Prompts.Load(40 + SubStep);
    case StepCorner:
        return Prompts.Load(50);
    default:
        return {};
    }
}
