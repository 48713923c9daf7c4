#include "tools/draw/Line.h"

#include "tools/base/CursorIds.h"
#include "tools/base/ToolResults.h"

#include "document/DrawingUtils.h"
#include "document/Pens.h"
#include "document/TechDocument.h"

#include <cmath>

namespace {

// The cross cursor of the program's cursor table.
constexpr gdi::COLORREF White = 0xFFFFFF;

bool IsInk(int32_t x, int32_t y) {
    return DocDC && DocDC->getPixel(x, y) != White;
}

} // namespace

TLine::TLine() {
    DeclareOption(TOptionButton::PointCapt, FPointCapture);
}

void TLine::Create() {
    CursorId = CrossCursor;
    TTechBase::Create();
}

void TLine::SurfMouseEnter(int32_t x, int32_t y) {
    PointerInside = true;
    CurPoint = {x, y};
    Repaint();
}

void TLine::SurfMouseLeave(int32_t, int32_t) {}

bool TLine::Render(const TGdiState& state, const void*, int32_t dx, int32_t dy) {
    if (Step != StepOpen) return false;
    TGdiState copy = state;
    ApplyState(copy);
    if (copy.DC) {
        copy.DC->moveTo(FStart.x + dx, FStart.y + dy);
        copy.DC->lineTo(FEnd.x + dx, FEnd.y + dy);
    }
    RestoreState(copy);
    return true;
}

void TLine::PassResult(int32_t code) {
    if (!Owner) return;
    TLineResult record;
    record.EndX = FEnd.x;
    record.EndY = FEnd.y;
    record.StartX = FStart.x;
    record.StartY = FStart.y;
    record.PenStyle = uint8_t(LineLogPen.style & 0xFF);
    record.PenWidth = uint8_t(LineLogPen.width & 0xFF);
    ReportToOwner(code, record);
}

void TLine::DrawCursor(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    const gdi::Rect bounds = dc.bitmap() ? dc.bitmap()->bounds() : gdi::Rect{};
    DrawCrossHair(dc, bounds, {CurPoint.x - originX, CurPoint.y - originY});
}

void TLine::Complete() {
    RecordUndo();
    DrawIntoSketch();
}

void TLine::DrawIntoSketch() {
    if (!DocDC) return;
    TGdiState state;
    InitStateForPen(state, DocDC, gdi::R2_COPYPEN, LinePen);
    Render(state, nullptr, 0, 0);
    Repaint();
}

void TLine::CaptureNearest(int32_t radius) {
    // Each square is scanned whole, column by column, so a tie goes to the leftmost
    // column and then the topmost row of the smallest square that touches ink.
    for (int32_t r = 0; r <= radius; ++r)
        for (int32_t x = FStart.x - r; x <= FStart.x + r; ++x)
            for (int32_t y = FStart.y - r; y <= FStart.y + r; ++y)
                if (IsInk(x, y)) {
                    FStart = {x, y};
                    return;
                }
}

void TLine::CaptureAlongDirection(int32_t dx, int32_t dy, int32_t steps) {
    const float len = std::sqrt(float(dx) * float(dx) + float(dy) * float(dy));
    if (len == 0.0f) return;
    const float cosA = float(dx) / len;
    const float sinA = float(dy) / len;
    for (int32_t k = 0; k <= steps; ++k) {
        // Ties round to even, as the default rounding mode does.
        const int32_t x = FEnd.x + int32_t(std::nearbyint(float(k) * cosA));
        const int32_t y = FEnd.y + int32_t(std::nearbyint(float(k) * sinA));
        if (IsInk(x, y)) {
            FEnd = {x, y};
            return;
        }
    }
}
