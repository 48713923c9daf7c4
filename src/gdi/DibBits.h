#pragma once
// The packed device-independent bitmap layout at the boundary of the layer: rows
// bottom-up (top-down for a negative height), each padded to 4 bytes; 1, 4 and 8 bits
// per pixel through a colour table, 16 and 32 bits through bit-field masks (5-5-5 and
// 8-8-8 when none are given), 24 bits as blue, green, red.

#include "gdi/Bitmap.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace gdi {

struct DibFormat {
    int32_t width = 0;
    int32_t height = 0; // negative: rows top-down
    int bitsPerPixel = 4;
    std::vector<COLORREF> colorTable;                  // 1, 4 and 8 bits
    uint32_t redMask = 0, greenMask = 0, blueMask = 0; // 16 and 32 bits; all zero: default

    int32_t absHeight() const { return height < 0 ? -height : height; }
    // Bytes of one padded row; 0 for a malformed format.
    size_t stride() const;
    // Bytes of all rows.
    size_t imageSize() const { return stride() * size_t(absHeight()); }
};

// Writes the bitmap's pixels (the same size as the format) into the packed layout,
// converting to the format's depth: indexed targets take the nearest colour-table
// entry. Returns an empty vector for a format it cannot write.
std::vector<uint8_t> getDibBits(const Bitmap& bitmap, const DibFormat& format);

// Reads packed rows into the bitmap, converting each pixel to the bitmap's kind (the
// nearest colour-table entry for indexed bitmaps). Rows beyond either height are left
// alone. Returns false, touching nothing, when the data is shorter than the format says.
bool setDibBits(Bitmap& bitmap, const DibFormat& format, std::span<const uint8_t> bits);

} // namespace gdi
