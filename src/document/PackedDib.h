#pragma once
// A bitmap as one self-contained block of memory (a packed DIB): 40-byte information
// header, colour table, pixel rows bottom-up, each padded to 4 bytes. Undo states are
// such blocks, and a compressed sketch file is one.

#include "document/DibHeader.h"
#include "gdi/Bitmap.h"

#include <cstdint>
#include <span>
#include <vector>

using TPackedDib = std::vector<uint8_t>;

// The block of a bitmap in its own depth; empty for no bitmap or one without pixels.
TPackedDib PackBitmap(const gdi::BitmapPtr& bitmap);

// A new sketch bitmap from a block; none for an empty or malformed block.
gdi::BitmapPtr UnpackBitmap(std::span<const uint8_t> block);

// As UnpackBitmap, but says why a block is refused (SketchFileError).
gdi::BitmapPtr UnpackBitmapOrThrow(std::span<const uint8_t> block);

// A new sketch bitmap from pixel data and the description it goes with: every colour
// becomes the nearest sketch colour. Throws SketchFileError when the data holds less
// than the description claims.
gdi::BitmapPtr DibToSketch(const TDibDescription& description, std::span<const uint8_t> pixels);
