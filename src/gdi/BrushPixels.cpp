#include "gdi/BrushPixels.h"

#include "gdi/Color.h"
#include "gdi/DeviceContext.h"

namespace gdi {

BrushPixels::BrushPixels(const DeviceContext& dc, const Brush& brush) {
    const BitmapPtr& bm = dc.bitmap();
    if (!bm || brush.isNull()) return;
    const bool mono = bm->bitsPerPixel() == 1;
    switch (brush.style()) {
    case BrushStyle::Null:
        return;
    case BrushStyle::Solid:
        if (mono && monoBrushIsDithered(brush.color())) {
            m_kind = Kind::Bits;
            m_color = brush.color();
            m_fg = 1;
            m_bg = 0;
        } else {
            m_kind = Kind::Uniform;
            m_fg = dc.colorToPixel(brush.color());
        }
        return;
    case BrushStyle::Hatched:
        m_kind = Kind::Bits;
        m_hatch = brush.hatch();
        m_fg = dc.colorToPixel(brush.color());
        if (mono)
            m_bg = monoHatchBackground(m_fg, brush.color(), dc.bkColor());
        else
            m_bg = bm->colorToPixel(dc.bkColor());
        m_bgPainted = dc.bkMode() == OPAQUE;
        return;
    case BrushStyle::Pattern: {
        const Bitmap& pat = *brush.pattern();
        if (pat.width() <= 0 || pat.height() <= 0) return;
        m_kind = Kind::Tile;
        m_tileWidth = pat.width();
        m_tileHeight = pat.height();
        m_tile.resize(size_t(m_tileWidth) * size_t(m_tileHeight));
        // A monochrome tile paints its 0 bits in the text colour and its 1 bits in the
        // background colour; on a monochrome bitmap it is copied bit for bit.
        const uint32_t zero = bm->colorToPixel(dc.textColor()), one = bm->colorToPixel(dc.bkColor());
        for (int32_t ty = 0; ty < m_tileHeight; ++ty)
            for (int32_t tx = 0; tx < m_tileWidth; ++tx) {
                const uint32_t v = pat.pixel(tx, ty);
                uint32_t out;
                if (pat.bitsPerPixel() == 1)
                    out = mono ? v : (v ? one : zero);
                else
                    out = bm->colorToPixel(pat.pixelToColor(v));
                m_tile[size_t(ty) * m_tileWidth + tx] = out;
            }
        return;
    }
    }
}

void BrushPixels::row(int32_t y, int32_t x, int32_t n, uint32_t* values, uint8_t* painted) const {
    switch (m_kind) {
    case Kind::Nothing:
        for (int32_t i = 0; i < n; ++i)
            painted[i] = 0;
        return;
    case Kind::Uniform:
        for (int32_t i = 0; i < n; ++i) {
            values[i] = m_fg;
            painted[i] = 1;
        }
        return;
    case Kind::Bits: {
        const uint8_t bits = m_hatch >= 0 ? hatchRow(m_hatch, y & 7) : monoDitherRow(m_color, y);
        const uint8_t bgPainted = m_bgPainted ? 1 : 0;
        for (int32_t i = 0; i < n; ++i) {
            const bool on = bits & (0x80 >> ((x + i) & 7));
            values[i] = on ? m_fg : m_bg;
            painted[i] = on ? 1 : bgPainted;
        }
        return;
    }
    case Kind::Tile: {
        const int32_t ty = ((y % m_tileHeight) + m_tileHeight) % m_tileHeight;
        const uint32_t* tileRow = m_tile.data() + size_t(ty) * m_tileWidth;
        int32_t tx = ((x % m_tileWidth) + m_tileWidth) % m_tileWidth;
        for (int32_t i = 0; i < n; ++i) {
            values[i] = tileRow[tx];
            painted[i] = 1;
            if (++tx == m_tileWidth) tx = 0;
        }
        return;
    }
    }
}

} // namespace gdi
