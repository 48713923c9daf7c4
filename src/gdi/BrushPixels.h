#pragma once
// The pixel values a brush lays on the bitmap of a device context: solid colours mapped to
// the bitmap (dithered on monochrome bitmaps), hatches in the brush colour over the
// background colour (or over nothing in transparent mode), pattern tiles. Patterns are
// aligned to the bitmap origin.

#include "gdi/Brush.h"

#include <cstdint>
#include <vector>

namespace gdi {

class DeviceContext;

class BrushPixels {
  public:
    BrushPixels(const DeviceContext& dc, const Brush& brush);

    // A null brush paints no pixel at all.
    bool paintsNothing() const { return m_kind == Kind::Nothing; }
    // The same pixel everywhere, with no gaps.
    bool isUniform() const { return m_kind == Kind::Uniform; }
    uint32_t uniformPixel() const { return m_fg; }

    // Pixels of row y from x on, n of them; painted[i] is 0 where the brush leaves the
    // destination alone.
    void row(int32_t y, int32_t x, int32_t n, uint32_t* values, uint8_t* painted) const;

  private:
    enum class Kind { Nothing, Uniform, Bits, Tile };

    Kind m_kind = Kind::Nothing;
    uint32_t m_fg = 0;       // pixel of set bits
    uint32_t m_bg = 0;       // pixel of clear bits
    bool m_bgPainted = true; // clear bits are painted
    int m_hatch = -1;        // hatch style, or -1 for a dither of m_color
    COLORREF m_color = 0;
    int32_t m_tileWidth = 0, m_tileHeight = 0;
    std::vector<uint32_t> m_tile; // pattern pixels already in the bitmap's kind
};

} // namespace gdi
