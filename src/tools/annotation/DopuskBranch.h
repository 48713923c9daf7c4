#pragma once
// The leader branch of a tolerance frame: a line from the part to the frame with a mark
// at the part's end, the first point the user gave. The mark faces back along the line:
// an arrow whose tip touches the part, or a filled datum triangle whose base lies across
// the line there and whose apex points towards the frame.

#include "gdi/DeviceContext.h"
#include "gdi/Types.h"

#include <cstdint>

enum TBranchKind : uint8_t { BranchPlain = 0, BranchArrow = 1, BranchTriangle = 2 };

// Draws the branch from start to end, shifted by offset, with the pen selected in dc;
// the triangle is filled in fillColour. A branch of no length has no direction, so it
// gets no mark.
void DrawBranch(gdi::DeviceContext& dc, gdi::Point start, gdi::Point end, uint8_t kind,
                gdi::COLORREF fillColour, gdi::Point offset);
