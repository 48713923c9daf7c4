// Block copies: pattern fills, plain and stretched copies with ternary raster operations.
// A copy first brings the source into the destination's kind (SourceRows), stretches it
// if the extents differ (Stretch), then combines source, brush pattern and destination
// pixel by pixel inside the clip region.

#include "gdi/BlitGeometry.h"
#include "gdi/BrushPixels.h"
#include "gdi/DeviceContext.h"
#include "gdi/RasterOp.h"
#include "gdi/SourceRows.h"
#include "gdi/Stretch.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace gdi {

namespace {

template <class T> T* rowOf(Bitmap& bm, int32_t y) {
    if constexpr (sizeof(T) == 1)
        return bm.indexRow(y);
    else
        return bm.rgbRow(y);
}

// The visible part of a destination rectangle: the bitmap and the clip region's box.
Rect visibleInDestination(const DeviceContext& dc, const Rect& r) {
    Rect box = dc.bitmap()->bounds();
    if (dc.clipRegion()) box = box.intersected(dc.clipRegion()->bounds());
    return r.intersected(box);
}

// The reference paints the brush into its copy of the source with the brush origin moved
// by the distance between the two rectangles, the wrong way round; copies that went
// through a stretch or a conversion start at 0, 0.
Point patternShift(const Rect& dstArea, int32_t sourceLeft) {
    return {2 * (sourceLeft - dstArea.left), -2 * dstArea.top};
}

// Operations that ignore the brush, on whole rows.
template <class T> void sourceRow(uint8_t code, T* d, const T* s, int32_t n, T mask) {
    switch (code) {
    case rop3Code(SRCAND):
        for (int32_t i = 0; i < n; ++i)
            d[i] &= s[i];
        return;
    case rop3Code(SRCPAINT):
        for (int32_t i = 0; i < n; ++i)
            d[i] |= s[i];
        return;
    case rop3Code(SRCINVERT):
        for (int32_t i = 0; i < n; ++i)
            d[i] ^= s[i];
        return;
    default: {
        const unsigned table = code & 0x0F; // the half for pattern bits 0 is the whole story
        for (int32_t i = 0; i < n; ++i)
            d[i] = T(applyTable2(table, s[i], d[i]) & mask);
    }
    }
}

// Combines source pixels with the destination over `area` (destination coordinates);
// destination pixel (x, y) meets source pixel (x + dx, y + dy). Steps of the operation
// that paint the brush into the source see it moved by `shift` (see applyRop3Steps).
template <class T>
void combineRows(DeviceContext& dc, const Rect& area, SourceRows& source, Point offset, uint32_t rop,
                 Point shift) {
    Bitmap& bm = *dc.bitmap();
    const uint8_t code = rop3Code(rop);
    const T mask = T(bm.pixelMask());
    const bool usesPattern = ropUsesPattern(rop);
    const BrushPixels pattern(dc, dc.brush() ? *dc.brush() : *stockNullBrush());

    const size_t width = size_t(std::max(area.width(), 0));
    std::vector<T> src(width);
    std::vector<uint32_t> patDst(width), patSrc(width);
    std::vector<uint8_t> paintedDst(width), paintedSrc(width);
    for (const Rect& clip : dc.clipRects()) {
        const Rect r = clip.intersected(area);
        if (r.isEmpty()) continue;
        const int32_t n = r.width();
        for (int32_t y = r.top; y < r.bottom; ++y) {
            T* d = rowOf<T>(bm, y) + r.left;
            if (code == rop3Code(SRCCOPY)) {
                source.read(y + offset.y, r.left + offset.x, n, d);
                continue;
            }
            source.read(y + offset.y, r.left + offset.x, n, src.data());
            const T* s = src.data();
            if (!usesPattern) {
                sourceRow(code, d, s, n, mask);
            } else if (pattern.isUniform()) {
                const uint32_t p = pattern.uniformPixel();
                for (int32_t i = 0; i < n; ++i)
                    d[i] = T(applyRop3(code, p, s[i], d[i]) & mask);
            } else {
                pattern.row(y, r.left, n, patDst.data(), paintedDst.data());
                pattern.row(y + shift.y, r.left + shift.x, n, patSrc.data(), paintedSrc.data());
                for (int32_t i = 0; i < n; ++i)
                    d[i] = T(
                        applyRop3Steps(code, patSrc[i], paintedSrc[i], patDst[i], paintedDst[i], s[i], d[i]) &
                        mask);
            }
        }
    }
}

void combine(DeviceContext& dc, const Rect& area, SourceRows& source, Point offset, uint32_t rop,
             Point shift) {
    if (dc.bitmap()->isIndexed())
        combineRows<uint8_t>(dc, area, source, offset, rop, shift);
    else
        combineRows<uint32_t>(dc, area, source, offset, rop, shift);
}

// Whether the area lies inside one clip rectangle, so that it can be written directly.
bool unclipped(const DeviceContext& dc, const Rect& area) {
    for (const Rect& c : dc.clipRects())
        if (c.intersected(area) == area) return true;
    return false;
}

} // namespace

bool DeviceContext::patBlt(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t rop) {
    if (!m_bitmap || ropUsesSource(rop) || !saneBlitValues({x, y, width, height})) return false;
    const Rect area = visibleInDestination(*this, boundingRect(x, y, width, height));
    if (area.isEmpty()) return true;
    const int rop2 = rop2OfPatternRop(rop);
    if (rop2 == R2_BLACK || rop2 == R2_WHITE || rop2 == R2_NOT || rop2 == R2_NOP) {
        // These ignore the brush.
        if (rop2 == R2_NOP) return true;
        const RopMasks masks = ropMasks(rop2, 0, m_bitmap->pixelMask());
        for (int32_t row = area.top; row < area.bottom; ++row)
            paintSpan(row, area.left, area.right, masks);
        return true;
    }
    if (!m_brush) return true;
    for (int32_t row = area.top; row < area.bottom; ++row)
        brushSpan(row, area.left, area.right, *m_brush, rop2);
    return true;
}

bool DeviceContext::bitBlt(int32_t x, int32_t y, int32_t width, int32_t height, const DeviceContext* source,
                           int32_t sx, int32_t sy, uint32_t rop) {
    return stretchBlt(x, y, width, height, source, sx, sy, width, height, rop);
}

bool DeviceContext::stretchBlt(int32_t x, int32_t y, int32_t width, int32_t height,
                               const DeviceContext* source, int32_t sx, int32_t sy, int32_t sw, int32_t sh,
                               uint32_t rop) {
    if (!ropUsesSource(rop)) return patBlt(x, y, width, height, rop);
    if (!m_bitmap || !source || !source->bitmap() || !saneBlitValues({x, y, width, height, sx, sy, sw, sh}))
        return false;
    const Bitmap& srcBitmap = *source->bitmap();

    BlitCoords dst{x, y, width, height, visibleInDestination(*this, boundingRect(x, y, width, height))};
    BlitCoords src{sx, sy, sw, sh, boundingRect(sx, sy, sw, sh).intersected(srcBitmap.bounds())};
    if (dst.visible.isEmpty() || src.visible.isEmpty()) return true;
    if (!intersectVisibleRects(dst, src)) return true;
    // Shrinking to a single column or row drops the last source column or row.
    if (dst.width == 1 && src.width > 1) --src.width;
    if (dst.height == 1 && src.height > 1) --src.height;

    SourceRows rows(srcBitmap, src.visible, *m_bitmap, source->bkColor(), m_textColor, m_bkColor);
    if (src.width == dst.width && src.height == dst.height) {
        Rect area = dst.visible;
        area.right = std::min(area.right, area.left + src.visible.width());
        area.bottom = std::min(area.bottom, area.top + src.visible.height());
        const Point offset{src.visible.left - dst.visible.left, src.visible.top - dst.visible.top};
        combine(*this, area, rows, offset, rop, patternShift(area, rows.isDirect() ? src.visible.left : 0));
        return true;
    }

    StretchPlan plan;
    if (!planStretch(dst, src, plan)) return false;
    if (rop == SRCCOPY && &srcBitmap != m_bitmap.get() && unclipped(*this, dst.visible)) {
        // The common case, a plain copy: stretch straight into the bitmap.
        runStretch(plan, rows, *m_bitmap, 0, 0, dst.visible, m_stretchMode);
        return true;
    }
    const BitmapPtr stretched = m_bitmap->createCompatible(dst.visible.width(), dst.visible.height());
    runStretch(plan, rows, *stretched, dst.visible.left, dst.visible.top, dst.visible, m_stretchMode);
    SourceRows stretchedRows(*stretched, stretched->bounds(), *m_bitmap, m_bkColor, m_textColor, m_bkColor);
    combine(*this, dst.visible, stretchedRows, {-dst.visible.left, -dst.visible.top}, rop,
            patternShift(dst.visible, 0));
    return true;
}

} // namespace gdi
