#pragma once
// The pens every tool shares, made at start-up and deleted at shut-down, and the two
// colours of the recolour tool.

#include "gdi/Pen.h"
#include "gdi/Types.h"

// Previews and construction lines: solid, one pixel wide.
extern gdi::PenPtr GreenPen;
extern gdi::PenPtr MagentaPen;
extern gdi::PenPtr RedPen;
// The line the user chose in the main window: its description and the pen made of it.
extern gdi::LogPen LineLogPen;
extern gdi::PenPtr LinePen;

extern gdi::COLORREF RubberNewColor;
extern gdi::COLORREF RubberOldColor;

// Makes the three preview pens and a black solid line pen of width 1.
void CreateSharedPens();
// Lets all four pens go; LineLogPen keeps its last description.
void DeleteSharedPens();
// Replaces LinePen by a pen made of LineLogPen.
void RecreateLinePen();
