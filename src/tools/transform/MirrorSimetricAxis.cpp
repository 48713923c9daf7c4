#include "tools/transform/MirrorSimetricAxis.h"

#include "tools/base/Prompts.h"
#include "tools/transform/MirrorPixels.h"

#include "document/DrawingUtils.h"
#include "document/Pens.h"
#include "document/TechDocument.h"

namespace {

// Keyed by step * 10 + sub-step.
const TStringTable Prompts{
    {20, "Укажите положение одного из углов (Enter - точка)"},
    {30, "Задайте размеры окна для зеркального отображения (Enter - отобразить, Esc - отказ)"},
    {42, "Укажите первую точку оси симметрии (Enter - точка, Esc - отказ)"},
    {43, "Укажите вторую точку оси симметрии (Enter - точка, Esc - отказ)"},
};

constexpr gdi::COLORREF Green = 0x00FF00;
constexpr gdi::COLORREF Black = 0x000000;

void DrawDashDot(gdi::DeviceContext& dc, const TLineObj& line, gdi::COLORREF colour, int32_t dx, int32_t dy) {
    const int bkMode = dc.setBkMode(gdi::TRANSPARENT);
    line.Draw(dc, gdi::createPen(gdi::PS_DASHDOT, 1, colour), gdi::R2_COPYPEN, dx, dy);
    dc.setBkMode(bkMode);
}

} // namespace

void TMirrorSimetricAxis::Create() {
    TMirror::Create();
    PointerInside = true;
    ShowPreview = true;
    Restart();
}

void TMirrorSimetricAxis::Restart() {
    FAxis.P1 = FAxis.P2 = NullPoint;
    SetStep(StepAxis);
    SetSubStep(AxisFirst);
}

void TMirrorSimetricAxis::LeftButton(gdi::Point point, TShiftState shift, bool released) {
    if (Step != StepAxis) {
        TMirror::LeftButton(point, shift, released);
        return;
    }
    if (released) return;
    if (SubStep == AxisFirst) {
        FAxis.P1 = FAxis.P2 = point;
        SetSubStep(AxisSecond);
    } else {
        FAxis.P2 = point;
        SetStep(StepCorner);
        SetSubStep(0);
    }
    Repaint();
}

void TMirrorSimetricAxis::PointerMove(gdi::Point point, TShiftState shift) {
    if (Step != StepAxis) {
        TMirror::PointerMove(point, shift);
        return;
    }
    if (!PointerInside) return;
    FAxis.P2 = point;
    Repaint();
}

void TMirrorSimetricAxis::SurfMouseEnter(int32_t x, int32_t y) {
    if (Step != StepAxis) return;
    PointerInside = true;
    FAxis.P2 = {x, y};
    Repaint();
}

void TMirrorSimetricAxis::SurfMouseLeave(int32_t, int32_t) {
    if (Step != StepAxis || SubStep != AxisFirst) return;
    PointerInside = false;
    Repaint();
}

void TMirrorSimetricAxis::Complete() {
    if (Step != StepWindow) return;
    TMirror::Complete();
    if (DocDC) DrawDashDot(*DocDC, FAxis, LineLogPen.color, 0, 0);
    Repaint();
}

void TMirrorSimetricAxis::Transform(gdi::DeviceContext& copy, int32_t, int32_t) {
    AddMirrorImage(*DocDC, copy, FWindow.Get(), FAxis.P1, FAxis.P2);
}

void TMirrorSimetricAxis::DrawPreview(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX,
                                      int32_t originY) {
    if (Step == StepAxis && SubStep == AxisFirst) return;
    DrawDashDot(dc, FAxis, Green, -originX, -originY);
}

void TMirrorSimetricAxis::DrawCursor(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                                     int32_t originY) {
    if (Step != StepAxis) {
        TMirror::DrawCursor(dc, clientRect, originX, originY);
        return;
    }
    const gdi::Rect bounds = dc.bitmap() ? dc.bitmap()->bounds() : gdi::Rect{};
    DrawCrossHair(dc, bounds, {FAxis.P2.x - originX, FAxis.P2.y - originY});
    FAxis.DrawEndMarks(dc, Black, -originX, -originY);
}

QString TMirrorSimetricAxis::GetPrompt() {
    return Prompts.Load(Step * 10 + (Step == StepAxis ? SubStep : 0));
}
