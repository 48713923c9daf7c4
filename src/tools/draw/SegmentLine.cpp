#include "tools/draw/SegmentLine.h"

#include "tools/base/BttnStateStorage.h"
#include "tools/base/ButtonState.h"
#include "tools/base/Prompts.h"
#include "tools/base/ToolHost.h"
#include "tools/base/ToolResults.h"

#include "document/DrawingUtils.h"
#include "document/Geometry.h"
#include "document/Pens.h"

#include <cstdlib>
#include <typeindex>
#include <typeinfo>

namespace {

const TStringTable Prompts{
    {2, "Задайте начальную точку линии (Enter или лев.кнопка мыши)"},
    {3, "Задайте конечную точку линии (Enter - ОК, Esc - отказ)"},
};

constexpr gdi::COLORREF Black = 0x000000;

} // namespace

void TSegmentLine::Create() {
    TLine::Create();
    SetState(1, 2);
}

void TSegmentLine::CreateFor(TTechBase* owner) {
    TTechBase::CreateFor(owner);
    PointerInside = true;
    CurPoint = FStart = FEnd = m_subPoint;
    SetState(1, m_subOpen ? 3 : 2);
}

void TSegmentLine::Destroy() {
    TLine::Destroy();
    ToolHost().SetMeasureOrigin(NullPoint);
}

QString TSegmentLine::GetPrompt() {
    return Prompts.Load(Step);
}

void TSegmentLine::ReleaseControls() {
    TLine::ReleaseControls();
    QAbstractButton* button = ToolHost().OptionButton(TOptionButton::Orthogonally);
    if (!button) return;
    if (BttnStateStorage) BttnStateStorage->Store(button, std::type_index(typeid(*this)));
    SetButtonDown(button, false);
    SetButtonEnabled(button, false);
}

void TSegmentLine::SetupControls() {
    TLine::SetupControls();
    QAbstractButton* button = ToolHost().OptionButton(TOptionButton::Orthogonally);
    if (!button) {
        FOrthogonal = false;
        return;
    }
    SetButtonEnabled(button, true);
    if (BttnStateStorage) BttnStateStorage->Restore(button, std::type_index(typeid(*this)));
    FOrthogonal = IsButtonDown(button);
}

gdi::Point TSegmentLine::EndFor(gdi::Point point) const {
    if (!FOrthogonal) return point;
    const int32_t dx = point.x - FStart.x;
    const int32_t dy = point.y - FStart.y;
    // A diagonal pointer gives a horizontal segment.
    if (std::abs(dx) < std::abs(dy)) return {FStart.x, point.y};
    return {point.x, FStart.y};
}

void TSegmentLine::LeftButton(gdi::Point point, TShiftState, bool released) {
    if (released) return;
    if (Step == 2) {
        FStart = point;
        if (FPointCapture) CaptureNearest(10);
        CurPoint = FEnd = FStart;
        SetState(1, 3);
    } else if (Step == 3) {
        // The segment ends where the last move left FEnd, not at the click.
        if (Owner) {
            PassResult(ResultFixed);
        } else {
            if (FPointCapture) CaptureAlong(10);
            Complete();
        }
        FStart = FEnd;
    }
    Repaint();
    ShowMeasure();
}

void TSegmentLine::RightButton(gdi::Point, TShiftState, bool released) {
    if (released) return;
    SetState(1, 2);
    PassResult(ResultEnded);
    Repaint();
    ShowMeasure();
}

void TSegmentLine::PointerMove(gdi::Point point, TShiftState) {
    CurPoint = point;
    FEnd = EndFor(point);
    PassResult(ResultMoved);
    Repaint();
}

void TSegmentLine::SetOrthogonal(bool on) {
    if (on == FOrthogonal) return;
    FOrthogonal = on;
    FEnd = EndFor(CurPoint);
    PassResult(ResultMoved);
    Repaint();
}

void TSegmentLine::ShowMeasure() {
    ToolHost().SetMeasureOrigin(Step == 3 ? FStart : NullPoint);
}

void TSegmentLine::CaptureAlong(int32_t steps) {
    CaptureAlongDirection(FEnd.x - FStart.x, FEnd.y - FStart.y, steps);
}

void TSegmentLine::DrawCursor(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                              int32_t originY) {
    TLine::DrawCursor(dc, clientRect, originX, originY);
    if (Step != 3) return;
    DrawXMarker(dc, Black, {FStart.x - originX, FStart.y - originY});
    if (FOrthogonal) DrawXMarker(dc, Black, {FEnd.x - originX, FEnd.y - originY});
}

void TSegmentLine::DrawPreview(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    TGdiState state;
    InitStateForPen(state, &dc, gdi::R2_COPYPEN, GreenPen);
    Render(state, nullptr, -originX, -originY);
}
