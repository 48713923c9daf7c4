#pragma once
// Compressed sketch files: the packed block of the sketch as one zlib stream, nothing
// before or after it.

#include "gdi/Bitmap.h"

#include <cstdint>
#include <span>
#include <vector>

// Deflate level of the files we write: on mostly white sketches it gives files within a
// sixth of the default level's size at well under its cost.
inline constexpr int IljCompressionLevel = 4;

// The sketch in a compressed file. The output is capped at the size the block's own
// header implies: a stream that would inflate further, or a header that claims more
// than a sane sketch, is refused with SketchFileError. A damaged stream (bad data, or
// one that ends too early) throws DecompressionError.
gdi::BitmapPtr ReadIljImage(std::span<const uint8_t> file);

// The whole block inflated, with the same caps and errors as ReadIljImage.
std::vector<uint8_t> InflateIljBlock(std::span<const uint8_t> file);

// Throws SketchFileError when the bitmap cannot be packed or compressed.
std::vector<uint8_t> EncodeIljImage(const gdi::BitmapPtr& bitmap, int level = IljCompressionLevel);
