#pragma once
// Where the boxes of a tolerance frame go and how one box is drawn. A frame is a row of
// up to four cells (sign, value, datum 1, datum 2) or one boxed text line, measured in
// the symbol font. Neighbouring cells share their border line, and no box is narrower
// than it is high, so that a one-character cell comes out square. A frame that reads
// upwards is the same frame turned a quarter counter-clockwise about its first corner.

#include "gdi/DeviceContext.h"
#include "gdi/Types.h"

#include <array>
#include <string>
#include <string_view>

struct TDopuskCell {
    bool Empty = true;
    gdi::Rect Rect;
    std::string Text; // UTF-8
};

// Sign, value, datum 1, datum 2.
using TDopuskCells = std::array<TDopuskCell, 4>;

// Lays the cells out from position with the font selected in dc: a cell with text gets
// its box, a cell without is marked empty and has no width.
void LayOutCells(const gdi::DeviceContext& dc, gdi::Point position, TDopuskCells& cells);

// The box of a single text line at position, with the font selected in dc.
gdi::Rect LayOutTextLine(const gdi::DeviceContext& dc, gdi::Point position, std::string_view text);

// Writes text centred in box and draws the box with the pen and brush selected in dc;
// vertical turns both about corner first. Everything is shifted by offset.
void DrawBoxedText(gdi::DeviceContext& dc, const gdi::Rect& box, std::string_view text, bool vertical,
                   gdi::Point corner, gdi::Point offset);

// point turned a quarter counter-clockwise on the screen about corner.
gdi::Point TurnedUp(gdi::Point point, gdi::Point corner);
