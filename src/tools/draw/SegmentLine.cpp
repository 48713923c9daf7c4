#include "tools/draw/SegmentLine.h"

#include "tools/base/Prompts.h"
#include "tools/base/ToolHost.h"
#include "tools/base/ToolResults.h"

#include "document/DrawingUtils.h"
#include "document/Geometry.h"
#include "document/Pens.h"

#include <cstdlib>

namespace {

const TStringTable Prompts{
    {TLine::StepStart, "Задайте начальную точку линии (Enter или лев.кнопка мыши)"},
    {TLine::StepOpen, "Задайте конечную точку линии (Enter - ОК, Esc - отказ)"},
};

constexpr gdi::COLORREF Black = 0x000000;

} // namespace

TSegmentLine::TSegmentLine() {
    DeclareOption(TOptionButton::Orthogonally, FOrthogonal);
}

TSegmentLine::TSegmentLine(bool open, gdi::Point point) : TSegmentLine() {
    m_subOpen = open;
    m_subPoint = point;
}

void TSegmentLine::Create() {
    TLine::Create();
    SetStep(StepStart);
}

void TSegmentLine::CreateFor(TTechBase* owner) {
    TTechBase::CreateFor(owner);
    PointerInside = true;
    CurPoint = FStart = FEnd = m_subPoint;
    SetStep(m_subOpen ? StepOpen : StepStart);
}

void TSegmentLine::Destroy() {
    TLine::Destroy();
    ToolHost().SetMeasureOrigin(NullPoint);
}

QString TSegmentLine::GetPrompt() {
    return Prompts.Load(Step);
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
    if (Step == StepStart) {
        FStart = point;
        if (FPointCapture) CaptureNearest(10);
        CurPoint = FEnd = FStart;
        SetStep(StepOpen);
    } else if (Step == StepOpen) {
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
    SetStep(StepStart);
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

bool TSegmentLine::OptionToggled(TOptionButton which, bool down) {
    const bool wasOrthogonal = FOrthogonal;
    if (!TLine::OptionToggled(which, down)) return false;
    if (FOrthogonal != wasOrthogonal) {
        FEnd = EndFor(CurPoint);
        PassResult(ResultMoved);
        Repaint();
    }
    return true;
}

void TSegmentLine::ShowMeasure() {
    ToolHost().SetMeasureOrigin(Step == StepOpen ? FStart : NullPoint);
}

void TSegmentLine::CaptureAlong(int32_t steps) {
    CaptureAlongDirection(FEnd.x - FStart.x, FEnd.y - FStart.y, steps);
}

void TSegmentLine::DrawCursor(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                              int32_t originY) {
    TLine::DrawCursor(dc, clientRect, originX, originY);
    if (Step != StepOpen) return;
    DrawXMarker(dc, Black, {FStart.x - originX, FStart.y - originY});
    if (FOrthogonal) DrawXMarker(dc, Black, {FEnd.x - originX, FEnd.y - originY});
}

void TSegmentLine::DrawPreview(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    TGdiState state;
    InitStateForPen(state, &dc, gdi::R2_COPYPEN, GreenPen);
    Render(state, nullptr, -originX, -originY);
}
