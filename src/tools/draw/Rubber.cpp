#include "tools/draw/Rubber.h"

#include "tools/base/CursorIds.h"
#include "tools/base/Prompts.h"
#include "tools/base/ToolDrawing.h"
#include "tools/base/ToolHost.h"

#include "document/Pens.h"
#include "document/TechDocument.h"

#include <QKeyEvent>

#include <algorithm>

namespace {

const TStringTable Prompts{
    {TRubber::StepActive, "Прекратить стирание (Esc или правая кнопка мыши)"},
    {TRubber::StepInactive,
     "Активизируйте резинку (Enter или лев.кнопка мыши, Ctrl+сдвиг - изменение размера)"},
};

constexpr gdi::COLORREF White = 0xFFFFFF;
constexpr gdi::COLORREF Red = 0x0000FF;
constexpr gdi::COLORREF Green = 0x00FF00;
constexpr int32_t DefaultHalfSide = 20;
constexpr int32_t SmallestSide = 2;
constexpr int32_t LargestSide = 101;

} // namespace

// ---- The eraser ----------------------------------------------------------------------------------

void TRubber::Create() {
    CursorId = NoCursor;
    TTechBase::Create();
    FSquare = {-DefaultHalfSide, -DefaultHalfSide, DefaultHalfSide, DefaultHalfSide};
    ShowPreview = false;
    SetStep(StepInactive);
}

QString TRubber::GetPrompt() {
    return Prompts.Load(Step);
}

void TRubber::LeftButton(gdi::Point, TShiftState, bool released) {
    if (released || !PointerInside) return;
    if (Step == StepInactive) {
        // One undo step covers everything the square does until it is switched off.
        RecordUndo();
        Erase();
        SetStep(StepActive);
    } else if (Step == StepActive) {
        SetStep(StepInactive);
    }
    Repaint();
}

void TRubber::RightButton(gdi::Point, TShiftState, bool released) {
    if (released || !PointerInside) return;
    SetStep(StepInactive);
    Repaint();
}

void TRubber::PointerMove(gdi::Point point, TShiftState shift) {
    if (!PointerInside) return;
    if (shift & ssCtrl) {
        Grow(point.x - CurPoint.x);
    } else {
        const int32_t dx = point.x - FCentre.x, dy = point.y - FCentre.y;
        FSquare = {FSquare.left + dx, FSquare.top + dy, FSquare.right + dx, FSquare.bottom + dy};
        FCentre = point;
    }
    CurPoint = point;
    if (Step == StepActive) Erase();
    Repaint();
}

void TRubber::AppMessage(QEvent& message, bool& handled) {
    const auto& key = static_cast<const QKeyEvent&>(message);
    if (key.key() == Qt::Key_Control) {
        if (message.type() == QEvent::KeyPress)
            FRecentre = true;
        else if (message.type() == QEvent::KeyRelease)
            Recentre();
    }
    TTechBase::AppMessage(message, handled);
}

void TRubber::Recentre() {
    if (!FRecentre) return;
    FCentre = {FSquare.left + FSquare.width() / 2, FSquare.top + FSquare.height() / 2};
    // The next move finds the pointer on the centre, so the square stays where it is.
    ToolHost().SetPointerPos(SketchToScreen(FCentre));
    FRecentre = false;
}

void TRubber::SurfMouseEnter(int32_t, int32_t) {
    PointerInside = true;
    Repaint();
}

void TRubber::SurfMouseLeave(int32_t, int32_t) {
    PointerInside = false;
    Repaint();
}

void TRubber::Grow(int32_t dx) {
    const int32_t side = std::clamp(FSquare.width() + 2 * dx, SmallestSide, LargestSide);
    const int32_t half = side / 2;
    FSquare = {FCentre.x - half, FCentre.y - half, FCentre.x + half, FCentre.y + half};
}

void TRubber::Erase() {
    if (DocDC) DocDC->fillRect(FSquare, gdi::createSolidBrush(White));
}

void TRubber::DrawCursor(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    TGdiState state;
    InitStateForLogPen(state, &dc, gdi::R2_COPYPEN, Step == StepActive ? Red : Green, 1, gdi::PS_SOLID);
    state.Brush = gdi::stockNullBrush();
    state.Flags |= gsBrush;
    ApplyState(state);
    dc.rectangle(FSquare.left - originX, FSquare.top - originY, FSquare.right - originX,
                 FSquare.bottom - originY);
    RestoreState(state);
}

// ---- Recolouring ---------------------------------------------------------------------------------

void TSmartRubber::Create() {
    TRubber::Create();
    MakeCopyBitmap();
}

void TSmartRubber::Grow(int32_t dx) {
    TRubber::Grow(dx);
    MakeCopyBitmap();
}

void TSmartRubber::MakeCopyBitmap() {
    if (!DocDC || !DocDC->bitmap()) return;
    const int32_t side = FSquare.width();
    if (m_copy && m_copy->width() == side) return;
    m_copy = DocDC->bitmap()->createCompatible(side, side);
    m_copyDC.selectBitmap(m_copy);
}

void TSmartRubber::Erase() {
    if (!DocDC || !m_copy) return;
    const int32_t side = FSquare.width();
    m_copyDC.bitBlt(0, 0, side, side, DocDC, FSquare.left, FSquare.top, gdi::SRCCOPY);
    DocDC->fillRect(FSquare, gdi::createSolidBrush(RubberNewColor));
    // Where the saved pixel had the old colour the new colour stays; elsewhere the saved
    // pixel goes back.
    TransparentCopy(*DocDC, FSquare, m_copyDC, RubberOldColor, {0, 0, side, side});
}
