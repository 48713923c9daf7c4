#pragma once
// Where a block copy reads and writes: the rectangles of both sides clipped to what each
// side has, and for stretched copies the Bresenham walk that pairs destination pixels
// with source pixels along each axis.

#include "gdi/Types.h"

#include <cstdint>
#include <initializer_list>

namespace gdi {

// One side of a block copy: the origin and extents as given (negative extents mirror)
// and the part that may be touched.
struct BlitCoords {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    Rect visible;
};

// The pixels covered by an origin and signed extents. A negative extent covers the pixels
// before the origin, the origin included.
Rect boundingRect(int32_t x, int32_t y, int32_t width, int32_t height);

// Coordinates and extents far beyond any bitmap are refused rather than risk overflow.
inline bool saneBlitValues(std::initializer_list<int32_t> values) {
    for (int32_t v : values)
        if (v <= -(1 << 28) || v >= (1 << 28)) return false;
    return true;
}

// Restricts each side's visible rectangle to what the other side can supply or receive.
// Returns false when nothing is left.
bool intersectVisibleRects(BlitCoords& dst, BlitCoords& src);

// One axis of a stretched copy, clipped: `length` steps from the start points. When
// enlarging (or copying one to one) every step writes a destination pixel and the source
// advances when the error term is positive; when shrinking every step reads a source
// pixel and the destination advances when it is positive.
struct AxisStretch {
    int32_t dstStart = 0;
    int32_t srcStart = 0;
    int32_t dstEnd = 0; // one step past the last pixel written
    int64_t errStart = 0;
    int64_t errAdd1 = 0; // when the error term was positive
    int64_t errAdd2 = 0; // otherwise
    int32_t length = 0;
    int32_t dstInc = 1;
    int32_t srcInc = 1;
    bool enlarging = false;
};

// Works out one axis from the signed extents and the visible spans [start, end) of both
// sides. Returns false when the two do not meet, or for extents beyond 2^28 pixels.
bool axisStretch(int32_t dstStart, int32_t dstLength, int32_t dstVisStart, int32_t dstVisEnd,
                 int32_t srcStart, int32_t srcLength, int32_t srcVisStart, int32_t srcVisEnd,
                 AxisStretch& out);

} // namespace gdi
