#include "gdi/BlitGeometry.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace gdi {

namespace {

void orderRect(Rect& r) {
    if (r.left > r.right) std::swap(r.left, r.right);
    if (r.top > r.bottom) std::swap(r.top, r.bottom);
}

// v * num / den truncated toward zero, without overflowing on the way.
int32_t scale(int32_t v, int32_t num, int32_t den) {
    const int64_t q = int64_t(v) * num / den;
    return int32_t(std::clamp<int64_t>(q, INT32_MIN / 2, INT32_MAX / 2));
}

Rect offset(const Rect& r, int32_t dx, int32_t dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// Clipping of the line that pairs source positions (x) with destination positions (y)
// to the rectangle of visible positions, keeping the exact pixels the unclipped line
// would step through. `bias` shifts the decision on ties, as the stretch walk does.
struct LineClip {
    int64_t dx, dy; // absolute extents
    int64_t bias;
    bool xMajor;
    bool negativeSlope;
};

enum : unsigned { OutLeft = 1, OutRight = 2, OutTop = 4, OutBottom = 8 };

unsigned outcode(const Point& p, const Rect& clip) {
    unsigned out = 0;
    if (p.x < clip.left)
        out |= OutLeft;
    else if (p.x >= clip.right)
        out |= OutRight;
    if (p.y < clip.top)
        out |= OutTop;
    else if (p.y >= clip.bottom)
        out |= OutBottom;
    return out;
}

// Returns false when the line misses the rectangle; otherwise the first and last points
// of the line inside it.
bool clipLine(const Point& start, const Point& end, const Rect& clip, const LineClip& l, Point& p1,
              Point& p2) {
    p1 = start;
    p2 = end;
    unsigned startOut = outcode(start, clip), endOut = outcode(end, clip);
    const int64_t dx = l.dx, dy = l.dy, bias = l.bias, twoDx = 2 * dx, twoDy = 2 * dy;
    for (;;) {
        if (startOut == 0 && endOut == 0) return true;
        if (startOut & endOut) return false;
        int64_t m = 0, n = 0;
        if (startOut & (OutLeft | OutRight)) {
            // Move the start across to the left or right edge; find the row it lies on.
            m = (startOut & OutLeft) ? clip.left - start.x : start.x - clip.right + 1;
            n = l.xMajor ? (m * twoDy + bias + dx - 1) / twoDx : (m * twoDy - bias - dy) / twoDx + 1;
            if (l.negativeSlope) n = -n;
            if (startOut & OutLeft) {
                p1 = {clip.left, int32_t(start.y + n)};
            } else {
                p1 = {clip.right - 1, int32_t(start.y - n)};
            }
            startOut = outcode(p1, clip);
        } else if (startOut & (OutTop | OutBottom)) {
            n = (startOut & OutTop) ? clip.top - start.y : start.y - clip.bottom + 1;
            m = l.xMajor ? (n * twoDx - bias - dx) / twoDy + 1 : (n * twoDx + bias + dy - 1) / twoDy;
            if (l.negativeSlope) m = -m;
            if (startOut & OutTop) {
                p1 = {int32_t(start.x + m), clip.top};
            } else {
                p1 = {int32_t(start.x - m), clip.bottom - 1};
            }
            startOut = outcode(p1, clip);
        } else if (endOut & (OutLeft | OutRight)) {
            m = (endOut & OutLeft) ? clip.left - end.x : end.x - clip.right + 1;
            n = l.xMajor ? (m * twoDy - bias + dx) / twoDx : (m * twoDy + bias - dy - 1) / twoDx + 1;
            if (l.negativeSlope) n = -n;
            if (endOut & OutLeft) {
                p2 = {clip.left, int32_t(end.y + n)};
            } else {
                p2 = {clip.right - 1, int32_t(end.y - n)};
            }
            endOut = outcode(p2, clip);
        } else {
            n = (endOut & OutTop) ? clip.top - end.y : end.y - clip.bottom + 1;
            m = l.xMajor ? (n * twoDx + bias - dx - 1) / twoDy + 1 : (n * twoDx - bias + dy) / twoDy;
            if (l.negativeSlope) m = -m;
            if (endOut & OutTop) {
                p2 = {int32_t(end.x + m), clip.top};
            } else {
                p2 = {int32_t(end.x - m), clip.bottom - 1};
            }
            endOut = outcode(p2, clip);
        }
    }
}

} // namespace

Rect boundingRect(int32_t x, int32_t y, int32_t width, int32_t height) {
    Rect r{x, y, x + width, y + height};
    if (r.left > r.right) r = {r.right + 1, r.top, r.left + 1, r.bottom};
    if (r.top > r.bottom) r = {r.left, r.bottom + 1, r.right, r.top + 1};
    return r;
}

bool intersectVisibleRects(BlitCoords& dst, BlitCoords& src) {
    if (src.width == dst.width && src.height == dst.height) {
        const Rect mapped = offset(src.visible, dst.x - src.x, dst.y - src.y);
        const Rect common = mapped.intersected(dst.visible);
        if (common.isEmpty()) return false;
        dst.visible = common;
        src.visible = offset(common, src.x - dst.x, src.y - dst.y);
        return true;
    }

    // Map the source's visible part into the destination, with integer division as the
    // reference rounds it, and widen by a pixel each way against rounding.
    Rect r = offset(src.visible, -src.x - (src.width < 0 ? 1 : 0), -src.y - (src.height < 0 ? 1 : 0));
    r = {scale(r.left, dst.width, src.width), scale(r.top, dst.height, src.height),
         scale(r.right, dst.width, src.width), scale(r.bottom, dst.height, src.height)};
    orderRect(r);

    // A mirrored source that sticks out of its bitmap mirrors the part that is there:
    // the destination moves so that the flip stays where it was asked for.
    if (src.width < 0 && dst.width > 0 &&
        (src.x + src.width + 1 < src.visible.left || src.x > src.visible.right))
        dst.x += (dst.width - r.right) - r.left;
    else if (src.width > 0 && dst.width < 0 &&
             (src.x < src.visible.left || src.x + src.width > src.visible.right))
        dst.x -= r.right - (dst.width - r.left);
    if (src.height < 0 && dst.height > 0 &&
        (src.y + src.height + 1 < src.visible.top || src.y > src.visible.bottom))
        dst.y += (dst.height - r.bottom) - r.top;
    else if (src.height > 0 && dst.height < 0 &&
             (src.y < src.visible.top || src.y + src.height > src.visible.bottom))
        dst.y -= r.bottom - (dst.height - r.top);

    r = offset(r, dst.x, dst.y);
    r = {r.left - 1, r.top - 1, r.right + 1, r.bottom + 1};
    dst.visible = r.intersected(dst.visible);
    if (dst.visible.isEmpty()) return false;

    // And the destination's visible part back into the source.
    r = offset(dst.visible, -dst.x - (dst.width < 0 ? 1 : 0), -dst.y - (dst.height < 0 ? 1 : 0));
    r = {src.x + scale(r.left, src.width, dst.width), src.y + scale(r.top, src.height, dst.height),
         src.x + scale(r.right, src.width, dst.width), src.y + scale(r.bottom, src.height, dst.height)};
    orderRect(r);
    r = {r.left - 1, r.top - 1, r.right + 1, r.bottom + 1};
    src.visible = r.intersected(src.visible);
    return !src.visible.isEmpty();
}

bool axisStretch(int32_t dstStart, int32_t dstLength, int32_t dstVisStart, int32_t dstVisEnd,
                 int32_t srcStart, int32_t srcLength, int32_t srcVisStart, int32_t srcVisEnd,
                 AxisStretch& out) {
    // The walk is a Bresenham line from (srcStart, dstStart) to the far corner, clipped to
    // the visible spans, with a start error that centres the pairing on pixel middles.
    const int64_t dy = std::abs(int64_t(dstLength)), dx = std::abs(int64_t(srcLength));
    if (dx == 0 || dy == 0 || dx > (int64_t(1) << 28) || dy > (int64_t(1) << 28)) return false;
    out.srcInc = srcLength < 0 ? -1 : 1;
    out.dstInc = dstLength < 0 ? -1 : 1;
    LineClip l;
    l.dx = dx;
    l.dy = dy;
    l.xMajor = dx > dy;
    l.negativeSlope = (srcLength < 0) != (dstLength < 0);
    l.bias = dx > dy ? dy - dx : dx - dy;

    const Point start{srcStart, dstStart};
    const Point end{srcStart + srcLength, dstStart + dstLength};
    const Rect clip{srcVisStart, dstVisStart, srcVisEnd, dstVisEnd};
    Point first, last;
    if (!clipLine(start, end, clip, l, first, last)) return false;

    const int64_t m = std::abs(int64_t(first.x) - start.x), n = std::abs(int64_t(first.y) - start.y);
    if (dx > dy) {
        out.errStart = 3 * dy - 2 * dx + m * 2 * dy - n * 2 * dx;
        out.errAdd1 = 2 * dy - 2 * dx;
        out.errAdd2 = 2 * dy;
        out.length = std::abs(last.x - first.x);
        out.enlarging = false;
    } else {
        out.errStart = 3 * dx - 2 * dy + n * 2 * dx - m * 2 * dy;
        out.errAdd1 = 2 * dx - 2 * dy;
        out.errAdd2 = 2 * dx;
        out.length = std::abs(last.y - first.y);
        out.enlarging = true;
    }
    // The far corner itself is not part of the copy; a clipped end point is.
    if (last.x != end.x || last.y != end.y) {
        last.y += out.dstInc;
        ++out.length;
    }
    out.srcStart = first.x;
    out.dstStart = first.y;
    out.dstEnd = last.y;
    return true;
}

} // namespace gdi
