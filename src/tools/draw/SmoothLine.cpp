#include "tools/draw/SmoothLine.h"

#include "tools/base/Prompts.h"

namespace {

const TStringTable Prompts{
    {TLine::StepStart, "Задайте начальную точку линии (Enter или лев.кнопка мыши)"},
    {TLine::StepOpen, "Укажите направление линии (Esc - отказ)"},
};

} // namespace

void TSmoothLine::Create() {
    TLine::Create();
    ShowPreview = false;
    SetStep(StepStart);
}

QString TSmoothLine::GetPrompt() {
    return Prompts.Load(Step);
}

void TSmoothLine::SurfMouseEnter(int32_t x, int32_t y) {
    // The stroke goes on from where the pointer came back, leaving a gap.
    FStart = FEnd = {x, y};
    TLine::SurfMouseEnter(x, y);
}

void TSmoothLine::SurfMouseLeave(int32_t, int32_t) {
    PointerInside = false;
    Repaint();
}

void TSmoothLine::LeftButton(gdi::Point point, TShiftState, bool released) {
    if (released) return;
    if (Step == StepStart) {
        RecordUndo();
        FStart = point;
        if (FPointCapture) CaptureNearest(10);
        CurPoint = FEnd = m_strokeStart = FStart;
        m_pieces = 0;
        SetStep(StepOpen);
    } else if (Step == StepOpen) {
        if (FPointCapture) CaptureAlong(10);
        Complete();
        SetStep(StepStart);
    }
    Repaint();
}

void TSmoothLine::RightButton(gdi::Point, TShiftState, bool released) {
    if (released) return;
    SetStep(StepStart);
    Repaint();
}

void TSmoothLine::PointerMove(gdi::Point point, TShiftState) {
    CurPoint = FEnd = point;
    if (PointerInside && Step == StepOpen) {
        Complete();
        FStart = point;
        FHistory[0] = FHistory[1];
        FHistory[1] = FHistory[2];
        FHistory[2] = FStart;
        if (m_pieces < 3) ++m_pieces;
    }
    Repaint();
}

void TSmoothLine::Complete() {
    DrawIntoSketch();
}

void TSmoothLine::CaptureAlong(int32_t steps) {
    gdi::Point from;
    gdi::Point to;
    if (m_pieces >= 3) {
        // From the oldest of the last three positions to the middle of the other two.
        from = FHistory[0];
        to = {(FHistory[1].x + FHistory[2].x) / 2, (FHistory[1].y + FHistory[2].y) / 2};
    } else {
        // A short stroke has no three positions of its own; the history would still
        // hold the last stroke's, so its direction is taken from where it began.
        from = m_strokeStart;
        to = FEnd;
    }
    CaptureAlongDirection(to.x - from.x, to.y - from.y, steps);
}
