#pragma once
// The lettered parts of the special marks: the finish value written beside its sign,
// the clutch's power-drive letter, and the two callouts drawn on a leader from a point
// of the surface, the numbered circle of a surface number and the framed letter of a
// datum with its filled triangle. Text is UTF-8 and written in the mark font.

#include "tools/annotation/MarkRenderer.h"

#include "gdi/DeviceContext.h"
#include "gdi/Types.h"

#include <string_view>

// The finish value beside a sign at anchor whose direction is (dirCos, dirSin): along
// the sign, or upright for the sign of the rest of the surfaces.
void DrawRoughText(gdi::DeviceContext& dc, gdi::COLORREF colour, bool upright, std::string_view text,
                   gdi::Point anchor, float dirCos, float dirSin);

// The clutch letter upright beside the end of the clutch's stem; renderer has begun,
// with the clutch's origin and rotation.
void DrawClutchLetter(TMarkRenderer& renderer, std::string_view letter);

// A leader from the surface point a towards p, snapped to the nearest axis, ending in a
// circle with the number in it. Nothing when p is a.
void DrawSurfaceNumber(TMarkRenderer& renderer, gdi::DeviceContext& dc, gdi::COLORREF colour,
                       std::string_view text, gdi::Point p, gdi::Point a);

// A framed letter at p joined by a leader to a filled triangle standing on the surface
// point a. Nothing when p is a.
void DrawDatum(TMarkRenderer& renderer, gdi::DeviceContext& dc, gdi::COLORREF colour, std::string_view text,
               gdi::Point p, gdi::Point a);
