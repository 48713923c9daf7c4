#pragma once
// The copy that puts an indexed picture on the screen: the pixels stretchBlt with
// SRCCOPY would write from an indexed bitmap onto a 32-bit one, stretched by the same
// walk, but as the 0xFFRRGGBB words a screen image holds (its top byte is opacity and
// must be set, where the layer's own 32-bit pixels keep it 0). The drawing surface goes
// through it on every paint, so the one-to-one copy of a 16-colour picture has a
// vector loop of its own.

#include "gdi/Bitmap.h"

#include <cstddef>

namespace gdi {

// 32-bit screen pixels the caller owns: a 32-bit bitmap of the layer, or an image of the
// window system. `stride` counts words from one row to the next.
struct ScreenPixels {
    uint32_t* bits = nullptr;
    std::ptrdiff_t stride = 0;
    int32_t width = 0;
    int32_t height = 0;

    static ScreenPixels of(Bitmap& bitmap) {
        if (bitmap.isIndexed() || bitmap.width() == 0 || bitmap.height() == 0) return {};
        return {bitmap.rgbRow(0), bitmap.width(), bitmap.width(), bitmap.height()};
    }
    uint32_t* row(int32_t y) const { return bits + y * stride; }
    Rect bounds() const { return {0, 0, width, height}; }
};

// The 32-bit words of n pixel values, each looked up in table (256 entries). With
// sixteenColours every value is below 16 (a picture of at most four bits a pixel), and a
// vector loop does it where the processor has one.
void lookupRow(uint32_t* dst, const uint8_t* src, int32_t n, const uint32_t* table, bool sixteenColours);

// Copies the source rectangle (sx, sy, sw, sh) onto the screen rectangle (x, y, width,
// height), clipped to both bitmaps; screen pixels the copy does not reach keep their
// values. Only copies that enlarge or keep the size, with positive extents, are done:
// anything else, or a source that is not indexed, answers false without writing.
bool stretchToScreen(const ScreenPixels& screen, int32_t x, int32_t y, int32_t width, int32_t height,
                     const Bitmap& source, int32_t sx, int32_t sy, int32_t sw, int32_t sh);

} // namespace gdi
