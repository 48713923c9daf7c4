#pragma once
// The GDI state record: what a caller wants selected and set in a DC while a tool's
// Render draws. Render copies the caller's record, applies the copy, draws through the
// copy's DC and restores the copy, so the caller's record can be used again and the DC
// is left exactly as it was.

#include "gdi/DeviceContext.h"
#include "gdi/Types.h"

#include <cstdint>

// Which members of the record apply.
enum TGdiStateFlag : int32_t {
    gsBkMode = 1,
    gsBrush = 2,
    gsFont = 4,   // the font and the text colour
    gsLogPen = 8, // a pen made from LogPen for the drawing, and let go afterwards
    gsPen = 16,   // the given Pen; wins over gsLogPen
    gsRop2 = 32,
};

struct TGdiState {
    gdi::DeviceContext* DC = nullptr;
    int32_t BkMode = 0;
    gdi::BrushPtr Brush;
    int32_t Flags = 0;
    gdi::FontPtr Font;
    gdi::COLORREF TextColor = 0;
    gdi::LogPen LogPen{0, 0, 0};
    gdi::PenPtr Pen;
    int32_t Rop2 = 0;
};

// A record that selects pen with the raster operation; LogPen describes the pen.
void InitStateForPen(TGdiState& state, gdi::DeviceContext* dc, int32_t rop2, const gdi::PenPtr& pen);
// A record that makes a pen of (style, width, colour) for the drawing.
void InitStateForLogPen(TGdiState& state, gdi::DeviceContext* dc, int32_t rop2, gdi::COLORREF colour,
                        int32_t width, int32_t style);

// Selects and sets the flagged members in the order pen, brush, font and text colour,
// raster operation, background mode; each member then holds what it replaced. Always
// true (a record without a DC changes nothing).
bool ApplyState(TGdiState& state);
// Puts the replaced values back in the reverse order; a pen made from LogPen is let go.
void RestoreState(TGdiState& state);

// Applies a copy of a record for as long as it lives and restores it at the end of the
// scope, however the drawing leaves it: the pairing every Render needs.
class TAppliedState {
  public:
    explicit TAppliedState(const TGdiState& state) : m_state(state) { ApplyState(m_state); }
    ~TAppliedState() { RestoreState(m_state); }
    TAppliedState(const TAppliedState&) = delete;
    TAppliedState& operator=(const TAppliedState&) = delete;

    gdi::DeviceContext* DC() const { return m_state.DC; }
    // The applied record; its members hold what they replaced.
    const TGdiState& State() const { return m_state; }

  private:
    TGdiState m_state;
};
