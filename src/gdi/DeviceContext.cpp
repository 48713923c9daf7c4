#include "gdi/DeviceContext.h"

#include "gdi/BrushPixels.h"
#include "gdi/Color.h"

#include <utility>
#include <vector>

namespace gdi {

namespace {

// Calls fn(a, b) for each part [a, b) of pixels [x1, x2) of row y inside the clip
// rectangles.
template <typename Fn>
void forEachClipRun(const std::vector<Rect>& clip, int32_t y, int32_t x1, int32_t x2, Fn fn) {
    for (const Rect& c : bandAt(clip, y)) {
        if (c.left >= x2) break;
        const int32_t a = std::max(x1, c.left);
        const int32_t b = std::min(x2, c.right);
        if (a < b) fn(a, b);
    }
}

// A dithered solid brush on a monochrome bitmap, painted in runs of equal pixels.
void ditheredSpan(DeviceContext& dc, int32_t y, int32_t x1, int32_t x2, const Brush& brush, int rop2) {
    const size_t n = size_t(x2 - x1);
    std::vector<uint32_t> values(n);
    std::vector<uint8_t> painted(n);
    BrushPixels(dc, brush).row(y, x1, int32_t(n), values.data(), painted.data());
    for (size_t i = 0; i < n;) {
        size_t j = i + 1;
        while (j < n && values[j] == values[i])
            ++j;
        dc.paintSpan(y, x1 + int32_t(i), x1 + int32_t(j), ropMasks(rop2, values[i], 1));
        i = j;
    }
}

} // namespace

RopMasks ropMasks(int rop2, uint32_t pixel, uint32_t pixelMask) {
    // The ROP2 code less one is a truth table indexed by (pen bit * 2 + destination bit).
    // For a fixed pen bit the result is 0, 1, D or ~D, that is (D & a) ^ x.
    const unsigned table = unsigned(rop2 - 1) & 0xF;
    auto bitsFor = [&](unsigned penBit, uint32_t& a, uint32_t& x) {
        const unsigned t0 = (table >> (penBit * 2)) & 1;
        const unsigned t1 = (table >> (penBit * 2 + 1)) & 1;
        a = (t0 ^ t1) ? 0xFFFFFFFFu : 0;
        x = t0 ? 0xFFFFFFFFu : 0;
    };
    uint32_t a0, x0, a1, x1;
    bitsFor(0, a0, x0);
    bitsFor(1, a1, x1);
    RopMasks m;
    m.andMask = ((pixel & a1) | (~pixel & a0)) & pixelMask;
    m.xorMask = ((pixel & x1) | (~pixel & x0)) & pixelMask;
    return m;
}

DeviceContext::DeviceContext()
    : m_pen(stockBlackPen()), m_brush(stockWhiteBrush()), m_font(stockSystemFont()) {}

BitmapPtr DeviceContext::selectBitmap(BitmapPtr bitmap) {
    std::swap(bitmap, m_bitmap);
    invalidateClip();
    return bitmap;
}

PenPtr DeviceContext::selectPen(PenPtr pen) {
    std::swap(pen, m_pen);
    return pen;
}

BrushPtr DeviceContext::selectBrush(BrushPtr brush) {
    std::swap(brush, m_brush);
    return brush;
}

FontPtr DeviceContext::selectFont(FontPtr font) {
    std::swap(font, m_font);
    return font;
}

int DeviceContext::setROP2(int rop2) {
    if (rop2 < R2_BLACK || rop2 > R2_WHITE) return 0;
    return std::exchange(m_rop2, rop2);
}
int DeviceContext::setBkMode(int mode) {
    return std::exchange(m_bkMode, mode);
}
COLORREF DeviceContext::setBkColor(COLORREF color) {
    return std::exchange(m_bkColor, color);
}
COLORREF DeviceContext::setTextColor(COLORREF color) {
    return std::exchange(m_textColor, color);
}
uint32_t DeviceContext::setTextAlign(uint32_t align) {
    return std::exchange(m_textAlign, align);
}
int32_t DeviceContext::setTextCharacterExtra(int32_t extra) {
    return std::exchange(m_charExtra, extra);
}
int DeviceContext::setPolyFillMode(int mode) {
    return std::exchange(m_polyFillMode, mode);
}
int DeviceContext::setStretchMode(int mode) {
    return std::exchange(m_stretchMode, mode);
}
Point DeviceContext::moveTo(int32_t x, int32_t y) {
    return std::exchange(m_position, Point{x, y});
}

void DeviceContext::selectClipRegion(const Region* region) {
    if (region)
        m_clip = *region;
    else
        m_clip.reset();
    invalidateClip();
}

const std::vector<Rect>& DeviceContext::clipRects() const {
    if (m_clipRectsValid) return m_clipRects;
    m_clipRects.clear();
    const Rect bounds = m_bitmap ? m_bitmap->bounds() : Rect{};
    if (!m_clip) {
        if (!bounds.isEmpty()) m_clipRects.push_back(bounds);
    } else {
        for (const Rect& r : m_clip->rects()) {
            Rect c = r.intersected(bounds);
            if (!c.isEmpty()) m_clipRects.push_back(c);
        }
    }
    m_clipRectsValid = true;
    return m_clipRects;
}

uint32_t DeviceContext::colorToPixel(COLORREF color) const {
    if (!m_bitmap) return 0;
    if (m_bitmap->bitsPerPixel() == 1) return monoForegroundPixel(m_bitmap->colorTable(), color, m_bkColor);
    return m_bitmap->colorToPixel(color);
}

RopMasks DeviceContext::penMasks(COLORREF color) const {
    return ropMasks(m_rop2, colorToPixel(color), m_bitmap ? m_bitmap->pixelMask() : 0);
}

void DeviceContext::paintSpan(int32_t y, int32_t x1, int32_t x2, const RopMasks& masks) {
    if (x1 >= x2 || !m_bitmap) return;
    Bitmap& bm = *m_bitmap;
    for (const Rect& c : bandAt(clipRects(), y)) {
        if (c.left >= x2) break;
        const int32_t a = std::max(x1, c.left);
        const int32_t b = std::min(x2, c.right);
        if (a >= b) continue;
        if (bm.isIndexed()) {
            uint8_t* row = bm.indexRow(y);
            if (masks.andMask == 0) {
                std::fill(row + a, row + b, uint8_t(masks.xorMask));
            } else {
                for (int32_t x = a; x < b; ++x)
                    row[x] = uint8_t(masks.apply(row[x]));
            }
        } else {
            uint32_t* row = bm.rgbRow(y);
            if (masks.andMask == 0) {
                std::fill(row + a, row + b, masks.xorMask);
            } else {
                for (int32_t x = a; x < b; ++x)
                    row[x] = masks.apply(row[x]);
            }
        }
    }
}

void DeviceContext::paintPixel(int32_t x, int32_t y, const RopMasks& masks) {
    if (!m_bitmap) return;
    if (rectAt(clipRects(), x, y)) m_bitmap->setPixel(x, y, masks.apply(m_bitmap->pixel(x, y)));
}

void DeviceContext::brushSpan(int32_t y, int32_t x1, int32_t x2, const Brush& brush, int rop2) {
    if (x1 >= x2 || !m_bitmap) return;
    const uint32_t mask = m_bitmap->pixelMask();
    switch (brush.style()) {
    case BrushStyle::Null:
        return;
    case BrushStyle::Solid:
        if (m_bitmap->bitsPerPixel() == 1 && monoBrushIsDithered(brush.color())) {
            ditheredSpan(*this, y, x1, x2, brush, rop2);
            return;
        }
        paintSpan(y, x1, x2, ropMasks(rop2, colorToPixel(brush.color()), mask));
        return;
    case BrushStyle::Hatched: {
        // The pattern is aligned to the bitmap origin. Each of its eight columns gets the
        // masks of the hatch or of the background; a transparent background keeps the pixel.
        const uint32_t fgPixel = colorToPixel(brush.color());
        const uint32_t bgPixel = m_bitmap->bitsPerPixel() == 1
                                     ? monoHatchBackground(fgPixel, brush.color(), m_bkColor)
                                     : m_bitmap->colorToPixel(m_bkColor);
        const RopMasks fg = ropMasks(rop2, fgPixel, mask);
        const RopMasks bg = m_bkMode == OPAQUE ? ropMasks(rop2, bgPixel, mask) : RopMasks{0xFFFFFFFFu, 0};
        const uint8_t bits = hatchRow(brush.hatch(), y & 7);
        RopMasks columns[8];
        for (int i = 0; i < 8; ++i)
            columns[i] = (bits & (0x80 >> i)) ? fg : bg;
        Bitmap& bm = *m_bitmap;
        forEachClipRun(clipRects(), y, x1, x2, [&](int32_t a, int32_t b) {
            if (bm.isIndexed()) {
                uint8_t* row = bm.indexRow(y);
                for (int32_t x = a; x < b; ++x)
                    row[x] = uint8_t(columns[x & 7].apply(row[x]));
            } else {
                uint32_t* row = bm.rgbRow(y);
                for (int32_t x = a; x < b; ++x)
                    row[x] = columns[x & 7].apply(row[x]);
            }
        });
        return;
    }
    case BrushStyle::Pattern: {
        const Bitmap& pat = *brush.pattern();
        if (pat.width() == 0 || pat.height() == 0) return;
        const int32_t py = ((y % pat.height()) + pat.height()) % pat.height();
        const bool mono = pat.bitsPerPixel() == 1;
        for (int32_t x = x1; x < x2; ++x) {
            const int32_t px = ((x % pat.width()) + pat.width()) % pat.width();
            const uint32_t v = pat.pixel(px, py);
            // A monochrome pattern paints its 0 bits in the text colour, its 1 bits in
            // the background colour.
            const COLORREF c = mono ? (v ? m_bkColor : m_textColor) : pat.pixelToColor(v);
            paintPixel(x, y, ropMasks(rop2, colorToPixel(c), mask));
        }
        return;
    }
    }
}

uint8_t hatchRow(int hatchStyle, int y) {
    static const uint8_t hatches[6][8] = {
        {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00}, // horizontal
        {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08}, // vertical
        {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}, // forward diagonal
        {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80}, // backward diagonal
        {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08}, // cross
        {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}, // diagonal cross
    };
    if (hatchStyle < 0 || hatchStyle > 5) return 0;
    return hatches[hatchStyle][y & 7];
}

void DeviceContext::fillRect(const Rect& rect, const BrushPtr& brush) {
    if (!brush || !m_bitmap) return;
    // Filling a rectangle is a pattern copy of its width and height: the ROP2 of the DC
    // does not apply, and a negative extent covers the pixels on the other side of the
    // start edge, both ends moved by one ([5, 2) paints 3, 4 and 5).
    Rect r = rect;
    if (r.left > r.right) r = {r.right + 1, r.top, r.left + 1, r.bottom};
    if (r.top > r.bottom) r = {r.left, r.bottom + 1, r.right, r.top + 1};
    r = r.intersected(m_bitmap->bounds());
    for (int32_t y = r.top; y < r.bottom; ++y)
        brushSpan(y, r.left, r.right, *brush, R2_COPYPEN);
}

COLORREF DeviceContext::setPixel(int32_t x, int32_t y, COLORREF color) {
    if (!m_bitmap) return CLR_INVALID;
    // A single pixel takes the nearest colour, also on monochrome bitmaps.
    const uint32_t value = m_bitmap->colorToPixel(color);
    // The pixel is painted like a pen's, under the ROP2 of the DC.
    paintPixel(x, y, ropMasks(m_rop2, value, m_bitmap->pixelMask()));
    return m_bitmap->pixelToColor(value);
}

COLORREF DeviceContext::getPixel(int32_t x, int32_t y) const {
    if (!m_bitmap || !m_bitmap->bounds().contains(x, y)) return CLR_INVALID;
    if (m_clip && !m_clip->contains(x, y)) return CLR_INVALID;
    return m_bitmap->pixelToColor(m_bitmap->pixel(x, y));
}

} // namespace gdi
