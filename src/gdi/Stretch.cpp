#include "gdi/Stretch.h"

#include "gdi/SourceRows.h"

#include <cstring>

namespace gdi {

namespace {

enum class Combine { Copy, And, Or };

Combine combineOf(int stretchMode) {
    switch (stretchMode) {
    case BLACKONWHITE:
        return Combine::And;
    case WHITEONBLACK:
        return Combine::Or;
    default:
        return Combine::Copy;
    }
}

template <class T> T combine(Combine c, T dst, T src) {
    switch (c) {
    case Combine::And:
        return T(dst & src);
    case Combine::Or:
        return T(dst | src);
    default:
        return src;
    }
}

template <class T> T* rowOf(Bitmap& bm, int32_t y) {
    if constexpr (sizeof(T) == 1)
        return bm.indexRow(y);
    else
        return bm.rgbRow(y);
}

// One destination row when enlarging: each destination pixel takes a source pixel,
// combined with what is there only when merging further source rows into it.
template <class T> void enlargeRow(T* dst, const T* src, const AxisStretch& h, Combine c, bool merge) {
    if (!merge) c = Combine::Copy;
    int64_t err = h.errStart;
    for (int32_t n = h.length; n > 0; --n) {
        *dst = combine(c, *dst, *src);
        dst += h.dstInc;
        if (err > 0) {
            src += h.srcInc;
            err += h.errAdd1;
        } else {
            err += h.errAdd2;
        }
    }
}

// One destination row when shrinking: the source pixels of a destination pixel are
// combined into it, starting afresh unless further source rows are being merged.
template <class T> void shrinkRow(T* dst, const T* src, const AxisStretch& h, Combine c, bool merge, T ones) {
    int64_t err = h.errStart;
    bool fresh = true;
    for (int32_t n = h.length; n > 0; --n) {
        if (fresh && !merge) *dst = c == Combine::And ? ones : T(0);
        *dst = combine(c, *dst, *src);
        fresh = false;
        src += h.srcInc;
        if (err > 0) {
            dst += h.dstInc;
            fresh = true;
            err += h.errAdd1;
        } else {
            err += h.errAdd2;
        }
    }
}

template <class T>
void run(const StretchPlan& plan, SourceRows& rows, Bitmap& target, int32_t originX, int32_t originY,
         const Rect& visible, int stretchMode) {
    const AxisStretch& h = plan.h;
    const AxisStretch& v = plan.v;
    const T ones = T(target.pixelMask());
    const int32_t srcLeft = rows.region().left;
    Combine c = combineOf(stretchMode);
    auto writeRow = [&](int32_t dy, int32_t sy, Combine how, bool merge) {
        T* dst = rowOf<T>(target, dy - originY) + (h.dstStart - originX);
        const T* src = rows.row<T>(sy) + (h.srcStart - srcLeft);
        if (h.enlarging)
            enlargeRow(dst, src, h, how, merge);
        else
            shrinkRow(dst, src, h, how, merge, ones);
    };

    int64_t err = v.errStart;
    int32_t dy = v.dstStart, sy = v.srcStart;
    if (v.enlarging) {
        // Rows that repeat a source row are copies of the row above (or below).
        if (h.enlarging) c = Combine::Copy;
        const size_t rowBytes = size_t(visible.width()) * sizeof(T);
        bool needRow = true;
        for (int32_t n = v.length; n > 0; --n) {
            if (needRow) {
                writeRow(dy, sy, c, false);
                needRow = false;
            } else {
                std::memcpy(rowOf<T>(target, dy - originY) + (visible.left - originX),
                            rowOf<T>(target, dy - v.dstInc - originY) + (visible.left - originX), rowBytes);
            }
            if (err > 0) {
                sy += v.srcInc;
                needRow = true;
                err += v.errAdd1;
            } else {
                err += v.errAdd2;
            }
            dy += v.dstInc;
        }
    } else {
        int32_t merged = 0;
        for (int32_t n = v.length; n > 0; --n) {
            if (c != Combine::Copy || merged == 0) writeRow(dy, sy, c, merged != 0);
            ++merged;
            if (err > 0) {
                dy += v.dstInc;
                merged = 0;
                err += v.errAdd1;
            } else {
                err += v.errAdd2;
            }
            sy += v.srcInc;
        }
    }
}

} // namespace

bool planStretch(BlitCoords& dst, const BlitCoords& src, StretchPlan& plan) {
    if (!axisStretch(dst.y, dst.height, dst.visible.top, dst.visible.bottom, src.y, src.height,
                     src.visible.top, src.visible.bottom, plan.v))
        return false;
    if (!axisStretch(dst.x, dst.width, dst.visible.left, dst.visible.right, src.x, src.width,
                     src.visible.left, src.visible.right, plan.h))
        return false;
    const Rect written = boundingRect(plan.h.dstStart, plan.v.dstStart, plan.h.dstEnd - plan.h.dstStart,
                                      plan.v.dstEnd - plan.v.dstStart);
    dst.visible = dst.visible.intersected(written);
    return !dst.visible.isEmpty();
}

void runStretch(const StretchPlan& plan, SourceRows& rows, Bitmap& target, int32_t originX, int32_t originY,
                const Rect& visible, int stretchMode) {
    if (target.isIndexed())
        run<uint8_t>(plan, rows, target, originX, originY, visible, stretchMode);
    else
        run<uint32_t>(plan, rows, target, originX, originY, visible, stretchMode);
}

} // namespace gdi
