#pragma once
// Windows bitmap files: a 14-byte file header in front of a device-independent bitmap.

#include "gdi/Bitmap.h"

#include <cstdint>
#include <span>
#include <vector>

// Any Windows bitmap of 1, 4, 8, 16, 24 or 32 bits per pixel (run-length compressed,
// bit fields, top-down, every header version) as a new sketch bitmap. Throws
// SketchFileError for anything else.
gdi::BitmapPtr ReadBmpImage(std::span<const uint8_t> file);

// The file of a bitmap: the file header followed by its packed block. Throws
// SketchFileError when the bitmap cannot be packed.
std::vector<uint8_t> EncodeBmpImage(const gdi::BitmapPtr& bitmap);
