#include "tools/base/GdiState.h"

void InitStateForPen(TGdiState& state, gdi::DeviceContext* dc, int32_t rop2, const gdi::PenPtr& pen) {
    state = TGdiState{};
    state.DC = dc;
    state.Flags = gsPen | gsRop2;
    state.Pen = pen;
    state.Rop2 = rop2;
    if (pen) state.LogPen = pen->log();
}

void InitStateForLogPen(TGdiState& state, gdi::DeviceContext* dc, int32_t rop2, gdi::COLORREF colour,
                        int32_t width, int32_t style) {
    state = TGdiState{};
    state.DC = dc;
    state.Flags = gsLogPen | gsRop2;
    state.LogPen = gdi::LogPen{style, width, colour};
    state.Rop2 = rop2;
}

bool ApplyState(TGdiState& state) {
    gdi::DeviceContext* dc = state.DC;
    if (!dc) return true;
    if (state.Flags & gsPen)
        state.Pen = dc->selectPen(state.Pen);
    else if (state.Flags & gsLogPen)
        state.Pen = dc->selectPen(gdi::createPenIndirect(state.LogPen));
    if (state.Flags & gsBrush) state.Brush = dc->selectBrush(state.Brush);
    if (state.Flags & gsFont) {
        state.Font = dc->selectFont(state.Font);
        state.TextColor = dc->setTextColor(state.TextColor);
    }
    if (state.Flags & gsRop2) state.Rop2 = dc->setROP2(state.Rop2);
    if (state.Flags & gsBkMode) state.BkMode = dc->setBkMode(state.BkMode);
    return true;
}

void RestoreState(TGdiState& state) {
    gdi::DeviceContext* dc = state.DC;
    if (!dc) return;
    if (state.Flags & gsBkMode) state.BkMode = dc->setBkMode(state.BkMode);
    if (state.Flags & gsRop2) state.Rop2 = dc->setROP2(state.Rop2);
    if (state.Flags & gsFont) {
        state.TextColor = dc->setTextColor(state.TextColor);
        state.Font = dc->selectFont(state.Font);
    }
    if (state.Flags & gsBrush) state.Brush = dc->selectBrush(state.Brush);
    if (state.Flags & gsPen) {
        state.Pen = dc->selectPen(state.Pen);
    } else if (state.Flags & gsLogPen) {
        // The pen made for the drawing goes with this reference.
        dc->selectPen(state.Pen);
        state.Pen.reset();
    }
}
