#pragma once
// Colour matching against colour tables.

#include "gdi/Types.h"

#include <cstdint>
#include <vector>

namespace gdi {

// The index of the table entry nearest to the colour (an exact match wins, then the
// smallest squared distance, the first of equals).
uint32_t nearestColorIndex(const std::vector<COLORREF>& table, COLORREF color);

// 0x00BBGGRR <-> 0x00RRGGBB.
constexpr uint32_t colorToRgbPixel(COLORREF c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr COLORREF rgbPixelToColor(uint32_t p) { return colorToRgbPixel(p); }

} // namespace gdi
