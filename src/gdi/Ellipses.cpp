#include "gdi/DeviceContext.h"
#include "gdi/EllipseGeometry.h"
#include "gdi/LineRaster.h"
#include "gdi/PenGeometry.h"
#include "gdi/WidePen.h"

namespace gdi {

namespace {

// Whether painting a pixel twice with the masks leaves it as painting it once.
bool paintsIdempotently(const RopMasks& m) {
    return (m.andMask & m.xorMask) == 0;
}

} // namespace

void DeviceContext::ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (!m_bitmap) return;
    const std::optional<Rect> box = penBox({left, top, right, bottom}, *m_pen);
    if (!box) return;
    // Too thin for a curve: the outline would be the box itself.
    if (box->width() <= 2 || box->height() <= 2) {
        rectangle(left, top, right, bottom);
        return;
    }

    // The interior region reaches one pixel beyond the outline's box at right and bottom;
    // the outline covers that edge where there is a pen.
    const std::vector<RowSpan> inside =
        m_brush->isNull() ? std::vector<RowSpan>{}
                          : ellipticRegionRows(box->left, box->top, box->right + 1, box->bottom + 1);

    const int32_t width = drawingWidth(*m_pen);
    if (width <= 1) {
        // A cosmetic pen draws over the filled interior.
        for (const RowSpan& r : inside)
            brushSpan(r.y, r.left, r.right, *m_brush, m_rop2);
        if (width == 0) return;
        const RopMasks ink = penMasks(m_pen->color());
        const int style = m_pen->style();
        if ((style == PS_SOLID || style == PS_INSIDEFRAME) && paintsIdempotently(ink)) {
            // Painted this way, a solid outline is just the set of its points: the upper
            // right quarter and its three mirror images, without building the chain. This
            // is the common case, and a large ellipse costs little more than its pixels.
            CosmeticLinePainter(*this).plotMirrored(ellipseQuarter(*box), *box);
        } else {
            const std::vector<Point> outline = ellipseOutline(*box);
            penLines(outline.data(), int(outline.size()), true);
        }
        return;
    }
    // A wide pen and the interior share no pixel, so that each is painted once.
    const std::vector<Point> outline = ellipseOutline(*box);
    const WidePenOutline pen(width, outline.data(), int(outline.size()), true, m_bitmap->bounds());
    for (const RowSpan& r : inside)
        pen.brushUncovered(*this, r.y, r.left, r.right, *m_brush, m_rop2);
    pen.paint(*this, penMasks(m_pen->color()));
}

void DeviceContext::arc(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t x1, int32_t y1,
                        int32_t x2, int32_t y2) {
    if (!m_bitmap || m_pen->isNull()) return;
    const std::optional<Rect> box = penBox({left, top, right, bottom}, *m_pen);
    if (!box) return;
    const Point centre{box->left + box->width() / 2, box->top + box->height() / 2};
    const std::vector<Point> chain =
        arcOutline(*box, {x1 - centre.x, y1 - centre.y}, {x2 - centre.x, y2 - centre.y});
    penLines(chain.data(), int(chain.size()), false);
}

} // namespace gdi
