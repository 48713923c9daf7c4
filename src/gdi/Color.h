#pragma once
// Colour matching against colour tables.

#include "gdi/Types.h"

#include <cstdint>
#include <vector>

namespace gdi {

// The index of the table entry nearest to the colour (an exact match wins, then the
// smallest squared distance, the first of equals).
uint32_t nearestColorIndex(const std::vector<COLORREF>& table, COLORREF color);

// nearestColorIndex for many colours against one table, as image conversion needs: each
// lookup only weighs the entries that can be nearest anywhere in the colour's 8 x 8 x 8
// cell, and recent colours are remembered.
class ColorMatcher {
  public:
    explicit ColorMatcher(std::vector<COLORREF> table);
    uint32_t nearest(COLORREF color);

  private:
    uint32_t search(COLORREF color);
    uint32_t cellCandidates(uint32_t cell);

    std::vector<COLORREF> m_table;
    std::vector<uint16_t> m_cells;   // per cell: bit i set where entry i may win; 0 = not known yet
    std::vector<uint32_t> m_memoKey; // colour | 0x80000000 once a slot holds an answer
    std::vector<uint8_t> m_memoIndex;
};

// Colours on monochrome bitmaps. A pen, hatch or text colour that is neither of the two
// table colours takes the entry opposite to the one nearest the background colour, unless
// it is the background colour itself, so that a coloured line stays visible.
uint32_t monoForegroundPixel(const std::vector<COLORREF>& table, COLORREF color, COLORREF bkColor);
// Where a hatch of that colour has gaps, they take the other pixel than its lines, unless
// the hatch is drawn in the background colour.
inline uint32_t monoHatchBackground(uint32_t foregroundPixel, COLORREF color, COLORREF bkColor) {
    return (color & 0xFFFFFF) != (bkColor & 0xFFFFFF) ? foregroundPixel ^ 1 : foregroundPixel;
}
// A solid brush of any other colour than black and white is dithered (8 x 8 ordered
// dither on its grey level, aligned to the bitmap origin): the bits of row y, bit (7 - x)
// set where the pixel is white.
bool monoBrushIsDithered(COLORREF color);
uint8_t monoDitherRow(COLORREF color, int32_t y);

// 0x00BBGGRR <-> 0x00RRGGBB.
constexpr uint32_t colorToRgbPixel(COLORREF c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr COLORREF rgbPixelToColor(uint32_t p) {
    return colorToRgbPixel(p);
}

} // namespace gdi
