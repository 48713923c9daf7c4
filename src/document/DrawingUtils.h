#pragma once
// The small figures every tool and the paint cycle draw: the cross-hair, point markers,
// the X marker and the barbed arrow. Each draws with a solid pen one pixel wide made for
// the call and leaves the DC's pen, brush and raster mode as it found them.

#include "gdi/DeviceContext.h"
#include "gdi/Types.h"

#include <cstdint>

// Not-xor, so that drawing the cross-hair a second time in the same place removes it.
inline constexpr gdi::COLORREF CrossHairColor = 0x008000;
inline constexpr int CrossHairROP = gdi::R2_NOTXORPEN;

// A horizontal line across bounds at y and a vertical one at x.
void DrawCrossHair(gdi::DeviceContext& dc, const gdi::Rect& bounds, gdi::Point point);

enum TPointMarkerShape : uint8_t { PointMarkerCircle = 0, PointMarkerSquare = 1 };

// A filled circle or square of half-size a about centre; other shapes draw nothing.
void DrawPointMarker(gdi::DeviceContext& dc, gdi::COLORREF color, gdi::Point centre, int32_t a,
                     uint8_t shape);

// Two diagonal strokes from centre - 5 to centre + 5.
void DrawXMarker(gdi::DeviceContext& dc, gdi::COLORREF color, gdi::Point centre);

// A barbed arrow 15 pixels long and 6 wide with its tip at tip, pointing along the
// direction (cos, sin); with the shaft, a 20-pixel line runs back from the tip.
void DrawArrow(gdi::DeviceContext& dc, gdi::COLORREF color, gdi::Point tip, float cos, float sin,
               bool withShaft);
