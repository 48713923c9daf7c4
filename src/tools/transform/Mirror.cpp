#include "tools/transform/Mirror.h"

#include "tools/base/CursorIds.h"
#include "tools/transform/MirrorPixels.h"

#include "document/TechDocument.h"

namespace {

constexpr gdi::COLORREF White = 0xFFFFFF;
const char* const CornerPrompt = "Укажите положение одного из углов (Enter - точка)";
const char* const MirrorWindowPrompt =
    "Задайте размеры окна для зеркального отображения (Enter - отобразить, Esc - отказ)";
const char* const TurnWindowPrompt =
    "Задайте размеры окна для поворота на 90 градусов (Enter - повернуть, Esc - отказ)";

} // namespace

void TMirror::Create() {
    CursorId = CrossCursor;
    TTechBase::Create();
    PointerInside = true;
    // The frame is the tool's only figure, and it belongs to the cursor layer.
    ShowPreview = false;
    SetStep(StepCorner);
}

void TMirror::Restart() {
    SetStep(StepCorner);
    SetSubStep(0);
}

void TMirror::LeftButton(gdi::Point point, TShiftState, bool released) {
    if (released || !PointerInside) return;
    if (Step == StepCorner) {
        FAnchor = point;
        FWindow.Set(point.x, point.y, point.x, point.y);
        SetStep(StepWindow);
    } else if (Step == StepWindow) {
        Complete();
        Restart();
    }
    Repaint();
}

void TMirror::RightButton(gdi::Point, TShiftState, bool released) {
    if (released) return;
    Restart();
    Repaint();
}

void TMirror::PointerMove(gdi::Point point, TShiftState) {
    if (!PointerInside || Step != StepWindow) return;
    FWindow.Set(FAnchor.x, FAnchor.y, point.x, point.y);
    Repaint();
}

void TMirror::Complete() {
    if (Step != StepWindow) return;
    RecordUndo();
    FWindow.Normalize();
    ApplyToWindow();
    FWindow.MakeEmpty();
    Repaint();
}

void TMirror::ApplyToWindow() {
    const gdi::Rect window = FWindow.Get();
    const int32_t width = window.width(), height = window.height();
    if (!DocDC || !DocDC->bitmap() || width <= 0 || height <= 0) return;
    gdi::DeviceContext copy;
    gdi::BitmapPtr bitmap = DocDC->bitmap()->createCompatible(width, height);
    // A window reaching past the sketch finds blank paper there, not the black of a
    // fresh bitmap.
    bitmap->fill(bitmap->colorToPixel(White));
    copy.selectBitmap(bitmap);
    copy.bitBlt(0, 0, width, height, DocDC, window.left, window.top, gdi::SRCCOPY);
    Transform(copy, width, height);
}

void TMirror::DrawCursor(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    if (Step == StepWindow) FWindow.Draw(dc, -originX, -originY);
}

QString TMirror::WindowPrompt(const char* window) const {
    if (Step == StepCorner) return QString::fromUtf8(CornerPrompt);
    if (Step == StepWindow) return QString::fromUtf8(window);
    return {};
}

// ---- Flips and the quarter turn -------------------------------------------------------------

void TMirrorUpDown::Transform(gdi::DeviceContext& copy, int32_t width, int32_t height) {
    const gdi::Rect window = FWindow.Get();
    DocDC->stretchBlt(window.left, window.top, width, height, &copy, 0, height - 1, width, -height,
                      gdi::SRCCOPY);
}

QString TMirrorUpDown::GetPrompt() {
    return WindowPrompt(MirrorWindowPrompt);
}

void TMirrorLeftRight::Transform(gdi::DeviceContext& copy, int32_t width, int32_t height) {
    const gdi::Rect window = FWindow.Get();
    DocDC->stretchBlt(window.left, window.top, width, height, &copy, width - 1, 0, -width, height,
                      gdi::SRCCOPY);
}

QString TMirrorLeftRight::GetPrompt() {
    return WindowPrompt(MirrorWindowPrompt);
}

void TMirrorDiagonal::PointerMove(gdi::Point point, TShiftState) {
    if (!PointerInside || Step != StepWindow) return;
    const int32_t k = ((point.x + point.y) - (FAnchor.x + FAnchor.y)) / 2;
    const gdi::Rect r = FWindow.Get();
    FWindow.Set(r.left, r.top, r.right + k, r.bottom + k);
    FAnchor = point;
    Repaint();
}

void TMirrorDiagonal::Transform(gdi::DeviceContext& copy, int32_t width, int32_t) {
    const gdi::Rect window = FWindow.Get();
    TurnQuarter(*DocDC, copy, {window.left, window.top}, width);
}

QString TMirrorDiagonal::GetPrompt() {
    return WindowPrompt(TurnWindowPrompt);
}
